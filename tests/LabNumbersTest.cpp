// The lab's views as a reader sees them, offscreen under a Russian locale: whole numbers in
// the spectrum table, legends clear of the curves, 10ⁿ on the log axis, real minus signs.
#include "CirclesView.h"
#include "CoefficientView.h"
#include "ConvergenceView.h"
#include "ResidualView.h"
#include "SamplingView.h"
#include "SpectrumTableModel.h"
#include "SpectrumView.h"

#include <QApplication>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace Fourier;

namespace {

class LabNumbersTest : public ::testing::Test {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // The view shown with a run of these samples (the square wave by default), plot drawn.
    template <class View> std::unique_ptr<View> Shown(double (*f)(int j) = nullptr) {
        auto view = std::make_unique<View>();
        TRun run;
        for (int j = 0; j < SampleCount; ++j)
            run.Analysis.Samples[j] = f ? f(j) : j < SampleCount / 2 ? -1.0 : 1.0;
        run.Analysis = AnalyseSamples(run.Analysis.Samples);
        run.Harmonic = 5;
        view->ShowRun(run);
        view->resize(900, 600);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        if (auto* plot = view->template findChild<QCustomPlot*>()) plot->replot();
        return view;
    }
};

// a_1 = −1.23456789·10⁻¹⁰⁰ is the largest number, so no rounding zeroes it; its digits,
// minus and power of ten take more room than any number of an ordinary signal.
TEST_F(LabNumbersTest, TheSpectrumTableShowsItsLongestNumberWhole) {
    const auto view =
        Shown<SpectrumView>([](int j) { return -1.23456789e-100 * std::cos(GridX(j)); });
    auto* table = view->findChild<QTableView*>(QStringLiteral("SpectrumTable"));
    const QString expected = QStringLiteral("−1,23457·10⁻¹⁰⁰");
    const int column = SpectrumTableModel::colCosine;
    EXPECT_EQ(table->model()->index(1, column).data().toString(), expected);
    EXPECT_EQ(table->model()->index(2, column).data().toString(), QStringLiteral("0"));
    // The text and the cell's margins of 4 on either side.
    EXPECT_GE(table->columnWidth(column), table->fontMetrics().horizontalAdvance(expected) + 8);
    EXPECT_EQ(table->model()->headerData(column, Qt::Horizontal).toString(), QStringLiteral("aₖ"));
}

TEST_F(LabNumbersTest, LegendsLieAboveTheCurvesRect) {
    const std::unique_ptr<QWidget> views[] = {Shown<ResidualView>(), Shown<CoefficientView>()};
    for (const auto& view : views) {
        auto* plot = view->findChild<QCustomPlot*>();
        SCOPED_TRACE(plot->objectName().toStdString());
        EXPECT_TRUE(plot->legend->visible() && plot->legend->itemCount() >= 2);
        const QRect legend = plot->legend->outerRect(), curves = plot->axisRect()->rect();
        EXPECT_FALSE(legend.isEmpty());
        EXPECT_LE(legend.bottom(), curves.top()); // so they cannot meet
    }
    EXPECT_EQ(views[0]->findChild<QCustomPlot*>()->graph(1)->name(), QStringLiteral("f − Sₖ"));
}

// The square's error falls from about 1 below 10⁻¹. The linear axes: a comma, a real minus,
// no exponent, each label the tick's own value.
TEST_F(LabNumbersTest, TicksReadPowersOfTenAndPlainNumbers) {
    const auto convergence = Shown<ConvergenceView>();
    const auto rects = convergence->findChild<QCustomPlot*>()->axisRects();
    QCPAxis* log = rects.front()->axis(QCPAxis::atLeft);
    static const QString digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    for (int i = 0; i < log->tickVector().size(); ++i) {
        const int n = static_cast<int>(std::lround(std::log10(log->tickVector()[i])));
        ASSERT_LT(std::abs(n), 10);
        EXPECT_EQ(log->tickVectorLabels()[i].toStdString(),
                  ("10" + (n < 0 ? "⁻" + digits[-n] : digits[n])).toStdString());
    }
    EXPECT_TRUE(log->tickVectorLabels().contains("10⁰") &&
                log->tickVectorLabels().contains("10⁻¹"));

    const auto residual = Shown<ResidualView>();
    QCustomPlot* plot = residual->findChild<QCustomPlot*>();
    EXPECT_EQ(plot->xAxis->tickVectorLabels().front().toStdString(), "−π");
    for (QCPAxis* axis : {rects[1]->axis(QCPAxis::atLeft), plot->yAxis}) {
        ASSERT_FALSE(axis->tickVector().isEmpty());
        for (int i = 0; i < axis->tickVector().size(); ++i) {
            const QString label = axis->tickVectorLabels()[i];
            EXPECT_FALSE(label.contains('-') || label.contains('e')) << label.toStdString();
            bool read = false;
            const double value = QLocale().toDouble(QString(label).replace("−", "-"), &read);
            EXPECT_TRUE(read && std::abs(value - axis->tickVector()[i]) < 1e-9)
                << label.toStdString();
        }
    }
    EXPECT_TRUE(plot->yAxis->tickVectorLabels().front().startsWith("−"));
}

// A run the lab cannot measure (a sample of 10¹⁶⁰, whose square passes the largest double,
// or an infinite one) is drawn by no view: each hides its picture and says why, and shows
// the next measurable run again; also when such a run is the first the view gets.
template <class View> class UnmeasurableRun : public LabNumbersTest {
  protected:
    static TRun Huge(double huge) {
        TRun run;
        for (int j = 0; j < SampleCount; ++j)
            run.Analysis.Samples[j] = j == 300 ? huge : std::sin(GridX(j));
        run.Analysis.Re[3] = huge; // as the transform would give it
        return run;
    }
    // Whether only the notice is shown, or only the picture.
    static void ExpectOnlyNotice(QWidget& view, bool notice) {
        QApplication::processEvents(); // a layout shows new children a turn later
        int content = 0;
        for (QWidget* child : view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->objectName() == QStringLiteral("UnmeasurableSignal"))
                EXPECT_EQ(child->isVisible(), notice);
            else
                content += child->isVisible();
        }
        EXPECT_EQ(content == 0, notice) << content;
    }
};
using Views = ::testing::Types<ConvergenceView, ResidualView, CoefficientView, SpectrumView,
                               CirclesView, SamplingView>;
TYPED_TEST_SUITE(UnmeasurableRun, Views);

TYPED_TEST(UnmeasurableRun, HidesThePictureInsteadOfKeepingAStaleOne) {
    const auto view = this->template Shown<TypeParam>();
    this->ExpectOnlyNotice(*view, false);
    for (const double huge : {1e160, std::numeric_limits<double>::infinity()}) {
        view->ShowRun(this->Huge(huge));
        this->ExpectOnlyNotice(*view, true);
    }
    TRun fine;
    fine.Analysis = AnalyseSamples(std::array<double, SampleCount>{});
    fine.Analysis.Samples[0] = 1e150; // the bound itself is measured
    view->ShowRun(fine);
    this->ExpectOnlyNotice(*view, false);
}

TYPED_TEST(UnmeasurableRun, FirstRunUnmeasurableShowsOnlyTheNotice) {
    TypeParam view;
    view.resize(900, 600);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.ShowRun(this->Huge(1e160));
    this->ExpectOnlyNotice(view, true);
}

} // namespace
