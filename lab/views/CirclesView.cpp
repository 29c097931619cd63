#include "CirclesView.h"

#include "AxisTicks.h"
#include "Plotting.h"
#include "Subscript.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {
namespace {

constexpr double Pi = std::numbers::pi;

// The picture's geometry, in pixels.
constexpr double PanelGap = 14; // between the circles and the trace
constexpr double RightMargin = 10;
constexpr double LabelGap = 6;      // between a tick label and its panel
constexpr double ChainShare = 0.45; // of the width both panels share
constexpr double ChainSpare = 1.04; // the chain's room across its panel
constexpr int ExtentTimes = 256;    // times a period at which the chain's extent is measured
constexpr double TipRadius = 3.5;
// A smaller circle is not seen under its own radius vector.
constexpr double SmallestCircle = 0.5;

const QColor SignalColour(60, 60, 60);
const QColor SumColour(220, 0, 0);
const QColor CircleColour(110, 150, 220);
const QColor VectorColour(20, 40, 120);
const QColor GridColour(228, 228, 228);
const QColor FrameColour(140, 140, 140);
const QColor ZeroColour(195, 195, 195);

// Slider positions are the analysis grid: position j is t = x_j.
constexpr int PageSteps = 16; // PageUp moves t by 1/16 of the period

double Wrapped(double t) {
    double offset = std::fmod(t + Pi, 2 * Pi);
    if (offset < 0) offset += 2 * Pi;
    const double wrapped = offset - Pi;
    return wrapped < Pi ? wrapped : -Pi;
}

int SliderPosition(double t) {
    return static_cast<int>(std::lround((t + Pi) / GridStep)) % SampleCount;
}

// The canvas hands its painting to the picture; the view owns both and the time.
class CirclesCanvas : public QWidget {
  public:
    CirclesCanvas(CirclesPicture& picture, const double& time) : picture_(picture), time_(time) {
        setObjectName(QStringLiteral("CirclesCanvas"));
        setMinimumSize(320, 200);
        setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers every pixel
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        picture_.Paint(painter, size(), time_);
    }

  private:
    CirclesPicture& picture_;
    const double& time_;
};

} // namespace

double CirclesPicture::TLayout::PixelY(double height) const {
    return Chain.center().y() - (height - MiddleHeight) * PixelsPerUnit;
}

double CirclesPicture::TLayout::TraceX(double t) const {
    return Trace.left() + (t + Pi) / (2 * Pi) * Trace.width();
}

void CirclesPicture::SetChain(TRotatingCircles chain, const TSamples& signal) {
    chain_ = std::move(chain);
    signal_ = signal;
    joints_.resize(chain_.Circles().size() + 1);
    points_.resize(static_cast<qsizetype>(joints_.size()));
    FitHeights();
}

void CirclesPicture::SetOrder(TCircleOrder order) {
    chain_.SetOrder(order);
    FitHeights();
}

void CirclesPicture::FitHeights() {
    // Where the chain really goes, not where it could go stretched out: the picture stays
    // as tall as the signal needs.
    extent_ = chain_.Extent(ExtentTimes);
    const double circles[] = {extent_.Low, extent_.High};
    const auto [low, high] = Extent({signal_, chain_.Trace(), circles});
    range_ = FollowRange(range_, low, high, TAxisScale::Linear);
    still_ = QImage();
}

CirclesPicture::TLayout CirclesPicture::LayoutFor(QSize size, const QFontMetricsF& metrics) const {
    const double top = metrics.height() + 8, bottom = metrics.height() + 8;
    const double height = std::max(1.0, size.height() - top - bottom);
    const auto layout = [&](double left) {
        TLayout result;
        const double width = std::max(2.0, size.width() - left - RightMargin - PanelGap);
        const double chainWidth = width * ChainShare;
        result.Chain = QRectF(left, top, chainWidth, height);
        result.Trace = QRectF(left + chainWidth + PanelGap, top, width - chainWidth, height);
        // The heights fill the panels unless the chain, stretched out across, needs more room.
        result.PixelsPerUnit = height / (range_.High - range_.Low);
        if (extent_.Across > 0)
            result.PixelsPerUnit =
                std::min(result.PixelsPerUnit, chainWidth / (2 * extent_.Across * ChainSpare));
        result.MiddleHeight = (range_.High + range_.Low) / 2;
        return result;
    };
    // The labels' width depends on the heights shown, which depend on the width left.
    TLayout first = layout(LabelGap);
    double widest = 0;
    const double scale = std::max(std::abs(first.LowestHeight()), std::abs(first.HighestHeight()));
    for (const double value : RoundTickValues(first.LowestHeight(), first.HighestHeight()))
        widest = std::max(widest, metrics.horizontalAdvance(Plotting::Number(value, 4, scale)));
    return layout(widest + 2 * LabelGap);
}

void CirclesPicture::PaintStill(QPainter& painter, QSize size) const {
    const TLayout& layout = layout_;
    const QPalette palette = QGuiApplication::palette();
    const QFontMetricsF metrics(painter.font());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), palette.color(QPalette::Window));
    painter.fillRect(layout.Chain, Qt::white);
    painter.fillRect(layout.Trace, Qt::white);

    const double low = layout.LowestHeight(), high = layout.HighestHeight();
    const double scale = std::max(std::abs(low), std::abs(high));
    for (const double value : RoundTickValues(low, high)) {
        const double y = layout.PixelY(value);
        painter.setPen(QPen(GridColour, 1));
        painter.drawLine(QPointF(layout.Chain.left(), y), QPointF(layout.Chain.right(), y));
        painter.drawLine(QPointF(layout.Trace.left(), y), QPointF(layout.Trace.right(), y));
        const QString label = Plotting::Number(value, 4, scale);
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QPointF(layout.Chain.left() - LabelGap - metrics.horizontalAdvance(label),
                                 y + metrics.ascent() / 2 - 1),
                         label);
    }
    static const std::pair<double, const char*> timeTicks[] = {
        {-Pi, "−π"}, {-Pi / 2, "−π/2"}, {0.0, "0"}, {Pi / 2, "π/2"}, {Pi, "π"}};
    for (const auto& [t, text] : timeTicks) {
        const double x = layout.TraceX(t);
        painter.setPen(QPen(GridColour, 1));
        painter.drawLine(QPointF(x, layout.Trace.top()), QPointF(x, layout.Trace.bottom()));
        const QString label = QString::fromUtf8(text);
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2,
                                 layout.Trace.bottom() + 4 + metrics.ascent()),
                         label);
    }
    const QString axis = CirclesView::tr("t, рад");
    painter.drawText(QPointF(layout.TraceX(3 * Pi / 4) - metrics.horizontalAdvance(axis) / 2,
                             layout.Trace.bottom() + 4 + metrics.ascent()),
                     axis);
    if (low < 0 && high > 0) {
        painter.setPen(QPen(ZeroColour, 1));
        painter.drawLine(QPointF(layout.Trace.left(), layout.PixelY(0)),
                         QPointF(layout.Trace.right(), layout.PixelY(0)));
    }
    // The chain starts at the mean's height.
    const QPointF base(layout.Chain.center().x(), layout.PixelY(chain_.Mean()));
    painter.setPen(QPen(FrameColour, 1, Qt::DotLine));
    painter.drawLine(QPointF(layout.Chain.left(), base.y()),
                     QPointF(layout.Chain.right(), base.y()));

    painter.save();
    painter.setClipRect(layout.Trace);
    QPolygonF curve(SampleCount + 1);
    const auto plot = [&](const TSamples& values, const QColor& colour) {
        for (int j = 0; j <= SampleCount; ++j) // the period closed by the first point again
            curve[j] =
                QPointF(layout.TraceX(-Pi + j * GridStep), layout.PixelY(values[j % SampleCount]));
        painter.setPen(QPen(colour, 1));
        painter.drawPolyline(curve);
    };
    plot(signal_, SignalColour);
    plot(chain_.Trace(), SumColour);
    painter.restore();

    painter.setPen(QPen(FrameColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.Chain);
    painter.drawRect(layout.Trace);
    painter.setPen(Qt::NoPen);
    painter.setBrush(VectorColour);
    painter.drawEllipse(base, 2.5, 2.5);

    // The legend above the trace: a short stroke of each colour and its name.
    const QString sum = QStringLiteral("S") + QString::fromStdString(Subscript(chain_.Harmonic()));
    const std::pair<QColor, QString> entries[] = {
        {SignalColour, CirclesView::tr("f — сигнал")},
        {SumColour, CirclesView::tr("%1 — высота конца цепочки").arg(sum)}};
    double x = layout.Trace.left();
    const double y = layout.Trace.top() - 6;
    for (const auto& [colour, text] : entries) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(x, y - metrics.ascent() / 3),
                         QPointF(x + 16, y - metrics.ascent() / 3));
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QPointF(x + 20, y), text);
        x += 20 + metrics.horizontalAdvance(text) + 16;
    }
}

void CirclesPicture::PaintChain(QPainter& painter, double t) {
    const TLayout& layout = layout_;
    const std::vector<TCircle>& circles = chain_.Circles();
    chain_.Joints(t, joints_);
    const double baseX = layout.Chain.center().x();
    for (std::size_t i = 0; i < joints_.size(); ++i)
        points_[static_cast<qsizetype>(i)] =
            QPointF(baseX + joints_[i].X * layout.PixelsPerUnit, layout.PixelY(joints_[i].Y));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setClipRect(layout.Chain);
    painter.setBrush(Qt::NoBrush);
    if (circlesShown_) {
        painter.setPen(QPen(CircleColour, 1));
        for (std::size_t i = 0; i < circles.size(); ++i) {
            const double radius = circles[i].Radius * layout.PixelsPerUnit;
            if (radius >= SmallestCircle)
                painter.drawEllipse(points_[static_cast<qsizetype>(i)], radius, radius);
        }
    }
    if (vectorsShown_ && !circles.empty()) {
        painter.setPen(QPen(VectorColour, 1));
        painter.drawPolyline(points_);
    }
    painter.restore();

    const QPointF tip = points_.back();
    const QPointF onTrace(layout.TraceX(t), tip.y());
    painter.setPen(QPen(FrameColour, 1, Qt::DashLine));
    painter.drawLine(tip, onTrace);
    painter.setPen(QPen(GridColour.darker(115), 1));
    painter.drawLine(QPointF(onTrace.x(), layout.Trace.top()),
                     QPointF(onTrace.x(), layout.Trace.bottom()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(SumColour);
    painter.drawEllipse(tip, TipRadius, TipRadius);
    painter.drawEllipse(onTrace, TipRadius, TipRadius);
}

void CirclesPicture::Paint(QPainter& painter, QSize size, double t) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (still_.isNull() || still_.size() != pixels || still_.devicePixelRatio() != ratio) {
        layout_ = LayoutFor(size, QFontMetricsF(painter.font()));
        still_ = QImage(pixels, QImage::Format_RGB32);
        still_.setDevicePixelRatio(ratio);
        QPainter stillPainter(&still_);
        stillPainter.setFont(painter.font());
        PaintStill(stillPainter, size);
    }
    painter.drawImage(QPointF(0, 0), still_);
    PaintChain(painter, t);
}

CirclesView::CirclesView(QWidget* parent) : LabView(parent), clock_(new QTimer(this)) {
    clock_->setObjectName(QStringLiteral("CirclesClock"));
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, [this] { Tick(); });
}

void CirclesView::Build(QVBoxLayout& layout) {
    caption_ = Plotting::CaptionLabel({});
    layout.addWidget(caption_);
    canvas_ = new CirclesCanvas(picture_, t_);
    layout.addWidget(canvas_, 1);

    play_ = new QToolButton;
    play_->setObjectName(QStringLiteral("CirclesPlay"));
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("CirclesTime"));
    slider_->setRange(0, SampleCount - 1);
    slider_->setSingleStep(2);
    slider_->setPageStep(SampleCount / PageSteps);
    canvas_->setFocusPolicy(Qt::ClickFocus);
    canvas_->setFocusProxy(slider_); // a click on the picture puts the arrows on the time
    orderBox_ = new QComboBox;
    orderBox_->setObjectName(QStringLiteral("CirclesOrder"));
    orderBox_->addItems({QString(), QString()}); // by frequency, by size
    circles_ = new QCheckBox;
    circles_->setObjectName(QStringLiteral("CirclesShowCircles"));
    vectors_ = new QCheckBox;
    vectors_->setObjectName(QStringLiteral("CirclesShowVectors"));
    for (QCheckBox* box : {circles_, vectors_})
        box->setChecked(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(play_);
    controls->addWidget(new QLabel(QStringLiteral("t:")));
    controls->addWidget(slider_, 1);
    controls->addSpacing(8);
    orderLabel_ = new QLabel;
    controls->addWidget(orderLabel_);
    controls->addWidget(orderBox_);
    controls->addWidget(circles_);
    controls->addWidget(vectors_);
    layout.addLayout(controls);
    numbers_ = new QLabel;
    numbers_->setObjectName(QStringLiteral("CirclesNumbers"));
    layout.addWidget(numbers_);

    auto* playKey = new QAction(this); // as the build-up's ▶; the button's text changes
    playKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(playKey, &QAction::triggered, play_, &QToolButton::click);
    addAction(playKey);
    connect(play_, &QToolButton::clicked, this, [this] { playing_ ? Pause() : Play(); });
    // Only the user moves the slider with signals on: the clock moves it under a blocker.
    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        t_ = GridX(position);
        sinceTick_.restart();
        ShowTime();
    });
    connect(orderBox_, &QComboBox::activated, this, [this](int index) {
        order_ = index == 0 ? TCircleOrder::ByFrequency : TCircleOrder::BySize;
        picture_.SetOrder(order_);
        canvas_->update();
    });
    connect(circles_, &QCheckBox::toggled, this, [this](bool shown) {
        picture_.ShowCircles(shown);
        canvas_->update();
    });
    connect(vectors_, &QCheckBox::toggled, this, [this](bool shown) {
        picture_.ShowVectors(shown);
        canvas_->update();
    });
}

void CirclesView::Retranslate() {
    if (!canvas_) return;
    caption_->setText(
        tr("Частичная сумма S<sub>k</sub> — цепочка вращающихся окружностей: гармоника j — "
           "радиус-вектор длиной A<sub>j</sub>, повёрнутый от вертикали на угол "
           "jt − φ<sub>j</sub>; цепочка начинается на высоте среднего a<sub>0</sub>/2. Высота "
           "конца цепочки — S<sub>k</sub>(t); справа она же за период рядом с сигналом f, в том "
           "же масштабе."));
    slider_->setAccessibleName(tr("Время t за период"));
    orderBox_->setItemText(0, tr("по частоте"));
    orderBox_->setItemText(1, tr("по величине"));
    orderBox_->setAccessibleName(tr("Порядок окружностей"));
    orderLabel_->setText(tr("Порядок:"));
    circles_->setText(tr("Окружности"));
    vectors_->setText(tr("Радиус-векторы"));
    ShowPlayState();
    picture_.Retranslate();
    canvas_->update();
    if (drawn_) ShowTime(); // the numbers line
}

void CirclesView::Draw(const TRun& run) {
    picture_.SetChain(TRotatingCircles(run.Analysis, LabHarmonic(run), order_),
                      run.Analysis.Samples);
    drawn_ = true;
    ShowTime();
    RunClockIfDue();
}

void CirclesView::Play() {
    playing_ = true;
    ShowPlayState();
    RunClockIfDue();
}

void CirclesView::Pause() {
    playing_ = false;
    clock_->stop();
    ShowPlayState();
}

void CirclesView::showEvent(QShowEvent* event) {
    LabView::showEvent(event); // draws a run that came while hidden
    RunClockIfDue();
}

void CirclesView::hideEvent(QHideEvent* event) {
    LabView::hideEvent(event);
    clock_->stop();
}

// On the screen, its picture not hidden for a run the lab cannot measure. A picture just
// built is shown by its layout a moment later: hidden now, but not on purpose.
bool CirclesView::PictureShown() const {
    return isVisible() && canvas_ &&
           !(canvas_->isHidden() && canvas_->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void CirclesView::RunClockIfDue() {
    const bool due = playing_ && drawn_ && PictureShown();
    if (!due) {
        clock_->stop();
        return;
    }
    if (clock_->isActive()) return;
    const QScreen* display = screen();
    const double rate = display && display->refreshRate() > 0 ? display->refreshRate() : 60.0;
    clock_->start(std::max(1, static_cast<int>(1000 / rate)));
    sinceTick_.start();
}

void CirclesView::Tick() {
    if (!PictureShown()) {
        clock_->stop();
        return;
    }
    // The time comes from the elapsed time, not the count of ticks: a late tick catches up.
    const double seconds = sinceTick_.nsecsElapsed() * 1e-9;
    sinceTick_.restart();
    if (slider_->isSliderDown()) return; // the user holds the time
    t_ = Wrapped(t_ + 2 * Pi * seconds / PeriodSeconds);
    ShowTime();
}

void CirclesView::ShowTime() {
    if (!slider_) return;
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(SliderPosition(t_));
    }
    canvas_->update();
    const TRotatingCircles& chain = picture_.Chain();
    const TAxisRange heights = picture_.Heights();
    numbers_->setText(
        tr("k = %1;  t = %2 рад;  высота конца цепочки S%3(t) = %4")
            .arg(chain.Harmonic())
            .arg(Plotting::Number(t_, 3, Pi), QString::fromStdString(Subscript(chain.Harmonic())),
                 Plotting::Number(chain.Tip(t_), 5,
                                  std::max(std::abs(heights.Low), std::abs(heights.High)))));
}

void CirclesView::ShowPlayState() {
    if (!play_) return;
    play_->setText(playing_ ? tr("❚❚ Пауза") : tr("▶ Пуск"));
    play_->setToolTip(playing_ ? tr("Остановить вращение")
                               : tr("Вращать окружности: период за %1 с").arg(PeriodSeconds));
}

} // namespace Fourier
