// «Дискретизация» offscreen, driven by keys: it draws only once shown, follows a new run,
// and N, the window and the dB box change what is plotted. Expected values come from closed
// forms: the sampled sine, and the square wave's odd harmonics folding at N points.
#include "SamplingView.h"
#include "UserInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <set>

using namespace Fourier;
using UserInput::FindAs;

namespace {

class SamplingViewTest : public ::testing::Test {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    static TRun RunOf(double (*f)(double x)) {
        TRun run;
        for (int j = 0; j < SampleCount; ++j)
            run.Analysis.Samples[j] = f(GridX(j));
        run.Analysis = AnalyseSamples(run.Analysis.Samples);
        return run;
    }
    static TRun Square() {
        return RunOf([](double x) { return x < 0 ? -1.0 : 1.0; });
    }

    void Open(const TRun& run) {
        view->ShowRun(run);
        view->resize(1100, 900);
        ASSERT_TRUE(UserInput::ShowAndActivate(view.get()));
    }
    QCustomPlot* Plot(const char* name) const {
        return FindAs<QCustomPlot>(view.get(), QString::fromLatin1(name));
    }
    QString Numbers(const char* plot) const {
        return Plot(plot)->findChild<QCPTextElement*>()->text();
    }
    // The «k → m» names shown on the spectrum.
    std::set<QString> LandingNames() const {
        std::set<QString> names;
        QCustomPlot* plot = Plot("SamplingSpectrumPlot");
        for (int i = 0; i < plot->itemCount(); ++i)
            if (auto* text = qobject_cast<QCPItemText*>(plot->item(i)); text && text->visible())
                names.insert(text->text());
        return names;
    }
    // Typed into the N field as a user does: select its text, type, Enter.
    void TypeSamplesPerPeriod(const QString& text) {
        UserInput::Click(FindAs<QSpinBox>(view.get(), "SamplesPerPeriodField"));
        UserInput::PressKey(view.get(), Qt::Key_A, Qt::ControlModifier);
        UserInput::TypeText(view.get(), text);
        UserInput::PressKey(view.get(), Qt::Key_Return);
    }

    std::unique_ptr<SamplingView> view = std::make_unique<SamplingView>();
};

// Pixels of some colour (not white, grey or black) inside the plot's axis rects, grabbed as
// the screen shows it.
int ColouredPixels(QCustomPlot* plot) {
    const QImage image = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int coloured = 0;
    for (QCPAxisRect* rect : plot->axisRects())
        for (int y = rect->top(); y <= rect->bottom(); ++y)
            for (int x = rect->left(); x <= rect->right(); ++x)
                coloured += image.pixelColor(x, y).hsvSaturation() > 60;
    return coloured;
}

std::set<QString> Names(std::initializer_list<std::pair<int, int>> folds) {
    std::set<QString> names;
    for (const auto& [k, m] : folds)
        names.insert(QStringLiteral("%1 → %2").arg(k).arg(m));
    return names;
}

// Built only once shown, then every plot drawn in colour. The square wave folds its odd
// harmonics 9..15 onto 7..1 at 16 points, the loudest on each line named; a new run,
// 0.5 sin 3t, replaces the curve and folds nothing.
TEST_F(SamplingViewTest, DrawsOnceShownAndFollowsANewRun) {
    view->ShowRun(Square());
    EXPECT_EQ(view->findChild<QCustomPlot*>(), nullptr);
    Open(Square());
    for (const char* name : {"SamplingSignalPlot", "SamplingSpectrumPlot", "SamplingExcerptPlot",
                             "SamplingWindowPlot"})
        EXPECT_GT(ColouredPixels(Plot(name)), 100) << name;
    EXPECT_EQ(LandingNames(), Names({{9, 7}, {11, 5}, {13, 3}, {15, 1}}));

    view->ShowRun(RunOf([](double x) { return 0.5 * std::sin(3 * x); }));
    EXPECT_TRUE(LandingNames().empty());
    const QCPGraph* signal = Plot("SamplingSignalPlot")->graph(0);
    ASSERT_GT(signal->data()->size(), 100);
    for (int i = 0; i < signal->data()->size(); i += 37) {
        const QCPGraphData& point = *signal->data()->at(i);
        EXPECT_NEAR(point.value, 0.5 * std::sin(3 * point.key), 1e-9) << point.key;
    }
    EXPECT_EQ(Plot("SamplingSignalPlot")->graph(2)->data()->size(), 16); // P = 1
}

// Up to 17: the odd harmonics land on every line 0..8, and the eight loudest are named
// (33 → 1 is the ninth). Typed 32: 17..31 fold onto 15..1. The slider moves the field.
TEST_F(SamplingViewTest, KeysChangeNAndWithItTheFoldedHarmonics) {
    Open(Square());
    UserInput::Click(FindAs<QSpinBox>(view.get(), "SamplesPerPeriodField"));
    UserInput::PressKey(view.get(), Qt::Key_Up);
    EXPECT_EQ(LandingNames(),
              Names({{9, 8}, {11, 6}, {13, 4}, {15, 2}, {17, 0}, {27, 7}, {29, 5}, {31, 3}}));
    TypeSamplesPerPeriod(QStringLiteral("32"));
    EXPECT_EQ(LandingNames(),
              Names({{17, 15}, {19, 13}, {21, 11}, {23, 9}, {25, 7}, {27, 5}, {29, 3}, {31, 1}}));
    EXPECT_TRUE(Numbers("SamplingSpectrumPlot").startsWith(QStringLiteral("N/2 = 16;")));

    UserInput::PressKey(view.get(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), FindAs<QSlider>(view.get(), "SamplesPerPeriodSlider"));
    UserInput::PressKey(view.get(), Qt::Key_End);
    EXPECT_EQ(FindAs<QSpinBox>(view.get(), "SamplesPerPeriodField")->value(), 512);
    EXPECT_TRUE(LandingNames().empty()); // 512 points: nothing above N/2 = 256
}

// With 512 points over one period the windows are long enough for their textbook side
// lobes; Tab reaches the window list and arrows choose. Periodic windows leak onto the next
// bin only (Blackman onto two): at harmonic 1 the first three read the square's A₁, from a
// direct DFT, since its harmonics 0 and 2 are zero. Space on the dB box: 0 dB at the largest.
TEST_F(SamplingViewTest, KeysChooseTheWindowAndTheDecibelScale) {
    Open(Square());
    TypeSamplesPerPeriod(QStringLiteral("512"));
    for (int tab = 0; tab < 3; ++tab)
        UserInput::PressKey(view.get(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), FindAs<QComboBox>(view.get(), "WindowChoice"));

    std::complex<double> line = 0;
    for (int j = 0; j < SampleCount; ++j)
        line += (j < SampleCount / 2 ? -1.0 : 1.0) * std::polar(1.0, -GridX(j));
    const double firstAmplitude = 2 * std::abs(line) / SampleCount;
    const QCPGraph* spectrum = Plot("SamplingExcerptPlot")->graph(0);
    const auto valueAt = [spectrum](double key) {
        return std::find_if(spectrum->data()->constBegin(), spectrum->data()->constEnd(),
                            [key](const QCPGraphData& p) { return p.key == key; })
            ->value;
    };
    const struct {
        Qt::Key key;
        const char* sideLobe;
        bool readsFirst;
    } steps[] = {{Qt::Key_Down, "−31,5 дБ", true},
                 {Qt::Key_Down, "−42,7 дБ", true},
                 {Qt::Key_Down, "−58,1 дБ", false},
                 {Qt::Key_Home, "−13,3 дБ", true}};
    for (const auto& step : steps) {
        UserInput::PressKey(view.get(), step.key);
        const QString numbers = Numbers("SamplingWindowPlot");
        EXPECT_TRUE(numbers.contains(QString::fromUtf8(step.sideLobe))) << numbers.toStdString();
        if (step.readsFirst) {
            EXPECT_NEAR(valueAt(1.0), firstAmplitude, 1e-9) << step.sideLobe;
        }
    }

    UserInput::PressKey(view.get(), Qt::Key_Tab);
    auto* decibels = FindAs<QCheckBox>(view.get(), "ExcerptDecibelBox");
    ASSERT_EQ(QApplication::focusWidget(), decibels);
    UserInput::PressKey(view.get(), Qt::Key_Space);
    ASSERT_TRUE(decibels->isChecked());
    double highest = -1e9, lowest = 0;
    for (const QCPGraphData& point : *spectrum->data()) {
        highest = std::max(highest, point.value);
        lowest = std::min(lowest, point.value);
    }
    EXPECT_DOUBLE_EQ(highest, 0.0);
    EXPECT_LT(lowest, -20.0);
    EXPECT_TRUE(Plot("SamplingExcerptPlot")->yAxis->label().contains(QStringLiteral("дБ")));
}

} // namespace
// In a small lab the plots scroll rather than shrink below what their texts and axes need.
TEST_F(SamplingViewTest, SmallViewScrollsItsPlotsInsteadOfSqueezingThem) {
    Open(Square());
    view->resize(540, 480);
    QApplication::processEvents();
    for (const char* name : {"SamplingSignalPlot", "SamplingSpectrumPlot", "SamplingExcerptPlot"}) {
        QWidget* plot = Plot(name);
        EXPECT_GE(plot->height(), plot->minimumSizeHint().height()) << name;
    }
    auto* plots = view->findChild<QScrollArea*>("SamplingPlots");
    ASSERT_NE(plots, nullptr);
    EXPECT_TRUE(plots->verticalScrollBar()->isVisible());
}
