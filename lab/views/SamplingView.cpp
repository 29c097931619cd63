#include "SamplingView.h"

#include "AxisRange.h"
#include "LivePlot.h"
#include "Plotting.h"
#include "Sampling.h"
#include "SpectralWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <numbers>

namespace Fourier {
namespace {

// Points of the drawn curves per period: four per cycle of the Nyquist line 256, more than a
// plot's pixels can tell apart over four periods.
constexpr int CurvePointsPerPeriod = 1024;
// Names of folded harmonics on the spectrum: more would cover each other and the stems.
constexpr int MostLandingNames = 8;
constexpr double LowestDecibels = -120;
constexpr double HighestDecibels = 5;
constexpr int StartingSamplesPerPeriod = 16;

struct TWindowChoice {
    const char* Name;
    TWindowKind Kind;
};
constexpr std::array<TWindowChoice, 4> WindowChoices = {{
    {QT_TRANSLATE_NOOP("SamplingView", "прямоугольное"), TWindowKind::Rectangular},
    {QT_TRANSLATE_NOOP("SamplingView", "Ханна"), TWindowKind::Hann},
    {QT_TRANSLATE_NOOP("SamplingView", "Хэмминга"), TWindowKind::Hamming},
    {QT_TRANSLATE_NOOP("SamplingView", "Блэкмана"), TWindowKind::Blackman},
}};

const QColor KeptColour(0, 90, 200);
const QColor LostColour(150, 150, 150);
const QColor LandedColour(200, 0, 0);

// The graph's points replaced: keys[i], values[i].
template <class Key>
void SetPoints(QCPGraph* graph, std::size_t count, Key key, std::span<const double> values) {
    QVector<QCPGraphData> points(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i)
        points[static_cast<qsizetype>(i)] = QCPGraphData(key(i), values[i]);
    graph->data()->set(points, true);
}

// Stems with an entry in the legend (named by Retranslate).
QCPGraph* NamedStems(QCPAxis* keyAxis, QCPAxis* valueAxis, const QColor& colour) {
    QCPGraph* stems = Plotting::AddStems(keyAxis, valueAxis, {}, colour);
    stems->addToLegend();
    return stems;
}

void SetLabel(LivePlot* plot, QCPAxis* axis, const QString& label) {
    if (axis->label() == label) return;
    axis->setLabel(label);
    plot->RedrawAll();
}

QLabel* Labelled(QHBoxLayout& row, QWidget* control) {
    auto* label = new QLabel;
    label->setBuddy(control);
    row.addWidget(label);
    row.addWidget(control);
    return label;
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->buddy()->setAccessibleName(text);
}

} // namespace

void SamplingView::Build(QVBoxLayout& layout) {
    caption_ = Plotting::CaptionLabel({});
    layout.addWidget(caption_);
    BuildControls(layout);
    BuildSignalPlot();
    BuildSpectrumPlot();
    BuildExcerptPlots();
    // Three plots need more height than the lab may have: below that they scroll, and the
    // lab keeps a height any screen holds.
    auto* plots = new QWidget;
    auto* column = new QVBoxLayout(plots);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(signalPlot_, 2);
    column->addWidget(spectrumPlot_, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(excerptPlot_, 2);
    bottom->addWidget(windowPlot_, 1);
    column->addLayout(bottom, 2);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("SamplingPlots"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(plots);
    layout.addWidget(scroll, 1);
}

void SamplingView::BuildControls(QVBoxLayout& layout) {
    perPeriod_ = new QSpinBox;
    perPeriod_->setObjectName(QStringLiteral("SamplesPerPeriodField"));
    perPeriod_->setRange(LeastSamplesPerPeriod, MostSamplesPerPeriod);
    perPeriod_->setValue(StartingSamplesPerPeriod);
    perPeriodSlider_ = new QSlider(Qt::Horizontal);
    perPeriodSlider_->setObjectName(QStringLiteral("SamplesPerPeriodSlider"));
    perPeriodSlider_->setRange(LeastSamplesPerPeriod, MostSamplesPerPeriod);
    perPeriodSlider_->setPageStep(16);
    perPeriodSlider_->setValue(StartingSamplesPerPeriod);
    periods_ = new QDoubleSpinBox;
    periods_->setObjectName(QStringLiteral("PeriodsField"));
    periods_->setRange(LeastPeriods, MostPeriods);
    periods_->setSingleStep(0.05);
    periods_->setDecimals(2);
    periods_->setValue(LeastPeriods);
    window_ = new QComboBox;
    window_->setObjectName(QStringLiteral("WindowChoice"));
    for (std::size_t i = 0; i < WindowChoices.size(); ++i)
        window_->addItem(QString());
    decibels_ = new QCheckBox;
    decibels_->setObjectName(QStringLiteral("ExcerptDecibelBox"));

    // Two rows, so that the lab still fits beside the main window.
    auto* sampling = new QHBoxLayout;
    perPeriodLabel_ = Labelled(*sampling, perPeriod_);
    sampling->addWidget(perPeriodSlider_, 1);
    sampling->addSpacing(8);
    periodsLabel_ = Labelled(*sampling, periods_);
    layout.addLayout(sampling);
    auto* windowing = new QHBoxLayout;
    windowLabel_ = Labelled(*windowing, window_);
    windowing->addSpacing(8);
    windowing->addWidget(decibels_);
    windowing->addStretch(1);
    layout.addLayout(windowing);

    // The field is the one place N is read; the slider only moves it.
    connect(perPeriodSlider_, &QSlider::valueChanged, perPeriod_, &QSpinBox::setValue);
    connect(perPeriod_, &QSpinBox::valueChanged, this, [this](int value) {
        const QSignalBlocker quiet(perPeriodSlider_);
        perPeriodSlider_->setValue(value);
        Redraw();
    });
    connect(periods_, &QDoubleSpinBox::valueChanged, this, &SamplingView::Redraw);
    connect(window_, &QComboBox::currentIndexChanged, this, &SamplingView::Redraw);
    connect(decibels_, &QCheckBox::toggled, this, &SamplingView::Redraw);
}

void SamplingView::BuildSignalPlot() {
    signalPlot_ = new LivePlot(QStringLiteral("SamplingSignalPlot"));
    signalNumbers_ = signalPlot_->AddNumbersLine(QStringLiteral("SamplingSignalNumbers"));
    QCPAxis* time = signalPlot_->xAxis;
    QCPAxis* value = signalPlot_->yAxis;
    value->setLabel(QStringLiteral("f(t)"));
    Plotting::UseRadianTicks(time);
    signal_ = Plotting::AddCurve(time, value, {}, Qt::black, {});
    rebuilt_ = Plotting::AddCurve(time, value, {}, LandedColour, {});
    samples_ = Plotting::AddCurve(time, value, {}, KeptColour, {});
    samples_->setLineStyle(QCPGraph::lsNone);
    samples_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, KeptColour, 5));
    Plotting::PutLegendAbove(signalPlot_);
    Plotting::UseReadableTicks(signalPlot_);
}

void SamplingView::BuildSpectrumPlot() {
    spectrumPlot_ = new LivePlot(QStringLiteral("SamplingSpectrumPlot"));
    spectrumNumbers_ = spectrumPlot_->AddNumbersLine(QStringLiteral("SamplingSpectrumNumbers"));
    QCPAxis* harmonic = spectrumPlot_->xAxis;
    QCPAxis* amplitude = spectrumPlot_->yAxis;
    amplitude->setLabel(QStringLiteral("Aₖ"));
    kept_ = NamedStems(harmonic, amplitude, KeptColour);
    lost_ = NamedStems(harmonic, amplitude, LostColour);
    landed_ = NamedStems(harmonic, amplitude, LandedColour);
    // Circles alone: a stem would hide the kept harmonic's stem on the same line.
    landed_->setLineStyle(QCPGraph::lsNone);
    landed_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, LandedColour, 5));
    halfRate_ = Plotting::AddKeyMarker(spectrumPlot_, spectrumPlot_->axisRect(), LandedColour);
    for (int i = 0; i < MostLandingNames; ++i) {
        auto* name = new QCPItemText(spectrumPlot_);
        name->setObjectName(QStringLiteral("LandingName"));
        name->setColor(LandedColour);
        // Upright names of neighbouring lines would overlap.
        name->setRotation(-90);
        name->position->setAxes(harmonic, amplitude);
        name->setVisible(false);
        landingNames_.push_back(name);
    }
    Plotting::PutLegendAbove(spectrumPlot_);
    Plotting::UseReadableTicks(spectrumPlot_);
}

void SamplingView::BuildExcerptPlots() {
    excerptPlot_ = new LivePlot(QStringLiteral("SamplingExcerptPlot"));
    excerptNumbers_ = excerptPlot_->AddNumbersLine(QStringLiteral("SamplingExcerptNumbers"));
    excerptSpectrum_ =
        Plotting::AddCurve(excerptPlot_->xAxis, excerptPlot_->yAxis, {}, KeptColour, {});
    Plotting::UseReadableTicks(excerptPlot_);

    windowPlot_ = new LivePlot(QStringLiteral("SamplingWindowPlot"));
    windowPlot_->ClearLayout();
    windowNumbers_ = windowPlot_->AddNumbersLine(QStringLiteral("SamplingWindowNumbers"));
    shapeRect_ = windowPlot_->AddAxisRect();
    leakageRect_ = windowPlot_->AddAxisRect();
    windowPlot_->plotLayout()->addElement(1, 0, shapeRect_);
    windowPlot_->plotLayout()->addElement(2, 0, leakageRect_);
    auto* margins = new QCPMarginGroup(windowPlot_);
    for (QCPAxisRect* rect : {shapeRect_, leakageRect_})
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
    shapeRect_->axis(QCPAxis::atBottom)->setLabel(QStringLiteral("n"));
    shapeRect_->axis(QCPAxis::atLeft)->setLabel(QStringLiteral("wₙ"));
    shapeRect_->axis(QCPAxis::atLeft)->setRange(-0.05, 1.1);
    leakageRect_->axis(QCPAxis::atLeft)->setRange(LowestDecibels, HighestDecibels);
    shape_ = Plotting::AddCurve(shapeRect_->axis(QCPAxis::atBottom),
                                shapeRect_->axis(QCPAxis::atLeft), {}, KeptColour, {});
    leakage_ = Plotting::AddCurve(leakageRect_->axis(QCPAxis::atBottom),
                                  leakageRect_->axis(QCPAxis::atLeft), {}, KeptColour, {});
    sideLobe_ = new QCPItemStraightLine(windowPlot_);
    sideLobe_->setClipAxisRect(leakageRect_);
    sideLobe_->setPen(QPen(LandedColour, 1, Qt::DashLine));
    for (QCPItemPosition* end : {sideLobe_->point1, sideLobe_->point2}) {
        end->setAxisRect(leakageRect_);
        end->setAxes(leakageRect_->axis(QCPAxis::atBottom), leakageRect_->axis(QCPAxis::atLeft));
    }
    Plotting::UseReadableTicks(windowPlot_);
}

void SamplingView::Retranslate() {
    if (!perPeriod_) return;
    caption_->setText(
        tr("Сигнал, взятый заново в N точках за период t<sub>n</sub> = −π + 2πn/N, в окне из P "
           "периодов. Отсчёты одного периода передают только гармоники ниже N/2 (и косинус "
           "гармоники N/2); гармоника k выше N/2 даёт те же отсчёты, что гармоника "
           "|k − N·round(k/N)|, и попадает туда («k → m»). Внизу — спектр отсчётов окна, "
           "умноженных на оконную функцию, и утечка самого окна."));
    SetLabelText(perPeriodLabel_, tr("Отсчётов на период N:"));
    SetLabelText(periodsLabel_, tr("Периодов в окне P:"));
    SetLabelText(windowLabel_, tr("Окно:"));
    perPeriodSlider_->setAccessibleName(tr("Отсчётов на период"));
    {
        const QSignalBlocker quiet(window_); // the choice stays, nothing is drawn for it
        for (std::size_t i = 0; i < WindowChoices.size(); ++i)
            window_->setItemText(static_cast<int>(i), tr(WindowChoices[i].Name));
    }
    decibels_->setText(tr("Спектр отсчётов в дБ"));

    signalPlot_->xAxis->setLabel(tr("t, рад"));
    signal_->setName(tr("сигнал f(t)"));
    rebuilt_->setName(tr("восстановленный по N отсчётам периода"));
    samples_->setName(tr("отсчёты f(tₙ)"));
    spectrumPlot_->xAxis->setLabel(tr("k (номер гармоники)"));
    kept_->setName(tr("до N/2"));
    lost_->setName(tr("выше N/2"));
    landed_->setName(tr("куда они попадают"));
    excerptPlot_->xAxis->setLabel(tr("частота, в номерах гармоник"));
    leakageRect_->axis(QCPAxis::atBottom)->setLabel(tr("сдвиг, бинов"));
    leakageRect_->axis(QCPAxis::atLeft)->setLabel(tr("дБ"));
    for (LivePlot* plot : {signalPlot_, spectrumPlot_, excerptPlot_, windowPlot_})
        plot->RedrawAll();
    Redraw(); // the numbers lines and the excerpt's axis
}

void SamplingView::Draw(const TRun& run) {
    series_ = SeriesOf(run.Analysis);
    hasRun_ = true;
    Redraw();
}

void SamplingView::Redraw() {
    if (!hasRun_ || !perPeriod_) return;
    const int perPeriod = perPeriod_->value();
    const double periods = periods_->value();
    const std::vector<double> excerpt = SampleSignal(series_, perPeriod, periods);
    DrawSignal(excerpt, perPeriod, periods);
    DrawSpectrum(perPeriod);
    DrawExcerpt(excerpt, perPeriod);
    // A plot's least size follows its texts, which the plot does not tell its layout: the
    // scroll area would squeeze it below that size.
    for (LivePlot* plot : {signalPlot_, spectrumPlot_, excerptPlot_, windowPlot_}) {
        plot->updateGeometry();
        plot->Refresh();
    }
}

void SamplingView::DrawSignal(std::span<const double> excerpt, int perPeriod, double periods) {
    const std::vector<double> curve = SeriesCurve(series_, periods, CurvePointsPerPeriod);
    const TSeries rebuiltSeries = Interpolant(excerpt.first(static_cast<std::size_t>(perPeriod)));
    const std::vector<double> rebuilt = SeriesCurve(rebuiltSeries, periods, CurvePointsPerPeriod);
    const auto curveTime = [](std::size_t i) {
        return SampleTime(static_cast<int>(i), CurvePointsPerPeriod);
    };
    SetPoints(signal_, curve.size(), curveTime, curve);
    SetPoints(rebuilt_, rebuilt.size(), curveTime, rebuilt);
    // Hundreds of samples would merge into a thick band of discs.
    samples_->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssDisc, KeptColour, excerpt.size() <= 128 ? 5 : 3));
    SetPoints(
        samples_, excerpt.size(),
        [perPeriod](std::size_t n) { return SampleTime(static_cast<int>(n), perPeriod); }, excerpt);
    const double start = -std::numbers::pi;
    signalPlot_->SetRange(signalPlot_->xAxis,
                          QCPRange(start, start + 2 * std::numbers::pi * periods));
    const auto [low, high] = Extent({curve, rebuilt});
    signalPlot_->FitRange(signalPlot_->yAxis, low, high);
    signalNumbers_->setText(tr("N = %1, P = %2: M = round(N·P) = %3 отсчётов")
                                .arg(perPeriod)
                                .arg(Plotting::Number(periods, 3))
                                .arg(excerpt.size()));
}

void SamplingView::DrawSpectrum(int perPeriod) {
    const auto amplitude = LineAmplitudes(series_);
    const int half = perPeriod / 2;
    const std::size_t keptCount = static_cast<std::size_t>(std::min(half, NyquistLine)) + 1;
    SetPoints(
        kept_, keptCount, [](std::size_t k) { return double(k); },
        std::span(amplitude).first(keptCount));
    const std::span<const double> above = std::span(amplitude).subspan(keptCount);
    SetPoints(
        lost_, above.size(), [keptCount](std::size_t i) { return double(keptCount + i); }, above);

    const std::vector<TAliasedHarmonic> aliased = AliasedHarmonics(series_, perPeriod);
    QVector<QCPGraphData> landings;
    for (const TAliasedHarmonic& alias : aliased)
        landings.append(QCPGraphData(alias.Landing, alias.Amplitude));
    landed_->data()->set(landings, false);
    // Up to 2N, where the lines are still told apart, and far enough for the named ones.
    const std::vector<TAliasedHarmonic> named = LoudestLandings(aliased, MostLandingNames);
    int shown = 2 * perPeriod;
    for (const TAliasedHarmonic& alias : named)
        shown = std::max(shown, alias.Harmonic);
    shown = std::min(shown, NyquistLine);
    Plotting::MoveKeyMarker(halfRate_, perPeriod / 2.0);
    spectrumPlot_->SetRange(spectrumPlot_->xAxis, QCPRange(-1, shown + 1));
    const double largest = *std::max_element(amplitude.begin(), amplitude.end());
    spectrumPlot_->FitRange(spectrumPlot_->yAxis, 0, largest);

    // Written upwards from the circle, downwards from one in the upper half of the plot, so
    // that the name stays inside it.
    const double middle = spectrumPlot_->yAxis->range().center();
    for (std::size_t i = 0; i < landingNames_.size(); ++i) {
        QCPItemText* name = landingNames_[i];
        name->setVisible(i < named.size());
        if (i >= named.size()) continue;
        name->setText(QStringLiteral("%1 → %2").arg(named[i].Harmonic).arg(named[i].Landing));
        name->position->setCoords(named[i].Landing, named[i].Amplitude);
        const bool high = named[i].Amplitude > middle;
        name->setPositionAlignment(Qt::AlignVCenter | (high ? Qt::AlignRight : Qt::AlignLeft));
        name->setPadding(high ? QMargins(0, 0, 6, 0) : QMargins(6, 0, 0, 0));
    }
    const QString halfRate = Plotting::Number(perPeriod / 2.0);
    spectrumNumbers_->setText(
        aliased.empty() ? tr("N/2 = %1: выше нет заметных гармоник — наложения нет").arg(halfRate)
                        : tr("N/2 = %1; заметных гармоник выше N/2 (больше %2 %\nнаибольшей): "
                             "%3 — их отсчёты неотличимы от гармоник 0…%4")
                              .arg(halfRate, Plotting::Number(100 * NegligibleAliasShare))
                              .arg(aliased.size())
                              .arg(half));
}

void SamplingView::DrawExcerpt(std::span<const double> excerpt, int perPeriod) {
    const TWindowChoice& choice = WindowChoices[static_cast<std::size_t>(
        std::clamp(window_->currentIndex(), 0, int(WindowChoices.size()) - 1))];
    const int length = static_cast<int>(excerpt.size());
    const TFrequencyGrid grid = ExcerptGrid(perPeriod, length);
    const std::vector<double> amplitude = ExcerptSpectrum(excerpt, perPeriod, choice.Kind, grid);
    const bool decibels = decibels_->isChecked();
    const std::vector<double> shown = decibels ? RelativeDecibels(amplitude) : amplitude;
    SetPoints(
        excerptSpectrum_, shown.size(), [&grid](std::size_t i) { return grid.At(int(i)); }, shown);
    excerptPlot_->SetRange(excerptPlot_->xAxis, QCPRange(0, perPeriod / 2.0));
    QCPAxis* level = excerptPlot_->yAxis;
    SetLabel(excerptPlot_, level, decibels ? tr("дБ от наибольшего") : tr("амплитуда"));
    if (decibels) {
        excerptPlot_->SetRange(level, QCPRange(LowestDecibels, HighestDecibels));
    } else {
        const auto [low, high] = Extent({amplitude});
        excerptPlot_->FitRange(level, std::min(low, 0.0), high);
    }
    const std::vector<double> window = WindowShape(choice.Kind, length);
    excerptNumbers_->setText(
        tr("окно %1 из M = %2 отсчётов;\nбины через N/M = %3 (в номерах гармоник)")
            .arg(tr(choice.Name))
            .arg(length)
            .arg(Plotting::Number(double(perPeriod) / length, 4)));

    SetPoints(
        shape_, window.size(), [](std::size_t n) { return double(n); }, window);
    windowPlot_->SetRange(shapeRect_->axis(QCPAxis::atBottom), QCPRange(0, length - 1));
    const TLeakage leakage = WindowLeakage(choice.Kind, length);
    SetPoints(
        leakage_, leakage.Offsets.size(), [&](std::size_t i) { return leakage.Offsets[i]; },
        leakage.Decibels);
    windowPlot_->SetRange(leakageRect_->axis(QCPAxis::atBottom),
                          QCPRange(0, leakage.Offsets.back()));
    sideLobe_->setVisible(leakage.HighestSideLobe.has_value());
    if (leakage.HighestSideLobe) {
        sideLobe_->point1->setCoords(0, *leakage.HighestSideLobe);
        sideLobe_->point2->setCoords(1, *leakage.HighestSideLobe);
    }
    windowNumbers_->setText(leakage.HighestSideLobe
                                ? tr("боковой лепесток: %1 дБ;\nусиление %2")
                                      .arg(Plotting::Number(*leakage.HighestSideLobe, 3),
                                           Plotting::Number(CoherentGain(window), 3))
                                : tr("боковых лепестков нет;\nусиление %1")
                                      .arg(Plotting::Number(CoherentGain(window), 3)));
}

} // namespace Fourier
