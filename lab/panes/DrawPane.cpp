#include "DrawPane.h"

#include "CoefficientBars.h"
#include "DrawingArea.h"
#include "InverseTransform.h"
#include "NumberText.h"
#include "PaneParts.h"
#include "SavedWorkFile.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fourier {

namespace {

constexpr double SmallestHalfRange = 1.5;
constexpr double Headroom = 1.1; // the drawing's half range over the largest sample
constexpr double Pi = std::numbers::pi;

QString DrawnCaption() {
    return QStringLiteral("Нарисованный сигнал");
}

} // namespace

// One change of the samples, which then are the drawn signal. Undone, the samples go back
// with the caption they had (the result of an operation keeps its name). A stroke is already
// drawn when it is pushed, so its first redo has nothing to do.
class TSamplesStep : public TNamedStep {
  public:
    TSamplesStep(DrawPane& pane, const TSamples& before, const QString& beforeCaption,
                 const TSamples& after, const char* name, bool alreadyDone)
        : TNamedStep(DrawPane::tr(name)), pane_(pane), before_(before),
          beforeCaption_(beforeCaption), after_(after), name_(name), skip_(alreadyDone) {}

    QString NameNow() const override { return DrawPane::tr(name_); }

    void undo() override { pane_.Show(before_, beforeCaption_); }
    void redo() override {
        if (!skip_) pane_.Show(after_, DrawnCaption());
        skip_ = false;
    }

  private:
    DrawPane& pane_;
    TSamples before_;
    QString beforeCaption_;
    TSamples after_;
    const char* name_;
    bool skip_;
};

DrawPane::DrawPane(QWidget* parent)
    : QWidget(parent), caption_(DrawnCaption()), surface_(new DrawingArea),
      bars_(new CoefficientBars), stack_(new QUndoStack(this)),
      report_(Toolkit::MessageBoxReporter(this)) {
    setObjectName("DrawPane");

    // Fixed texts keep the buttons' width; what would be undone is in the tooltip.
    undo_ = new QAction(this);
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo_->setEnabled(false);
    redo_ = new QAction(this);
    redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo_->setEnabled(false);
    connect(undo_, &QAction::triggered, stack_, &QUndoStack::undo);
    connect(redo_, &QAction::triggered, stack_, &QUndoStack::redo);
    connect(stack_, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(stack_, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    // The stack also speaks while the pane is being destroyed: only the actions are used.
    connect(stack_, &QUndoStack::undoTextChanged, undo_,
            [undo = undo_](const QString& text) { undo->setToolTip(tr("Отменить %1").arg(text)); });
    connect(stack_, &QUndoStack::redoTextChanged, redo_, [redo = redo_](const QString& text) {
        redo->setToolTip(tr("Повторить %1").arg(text));
    });
    auto* clear = clear_ = new QAction(this);
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    takeMain_ = new QAction(this);
    takeMain_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    takeMain_->setEnabled(false);
    QAction* open = OpenAction(this, [this](const QString& path) { OpenFile(path); });
    QAction* save = SaveAction(this, QT_TRANSLATE_NOOP("Fourier::SavedWorkFile", "сигнал.fourier"),
                               [this](const QString& path) { SaveFile(path); });
    for (QAction* action : {undo_, redo_, clear, takeMain_, open, save}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(clear, &QAction::triggered, this, &DrawPane::Clear);
    connect(takeMain_, &QAction::triggered, this, &DrawPane::TakeMainSignal);

    auto* tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({undo_, redo_, clear, takeMain_});
    tools->addWidget(Spacer());
    tools->addActions({open, save});

    auto* hint = hint_ = new QLabel;
    hint->setWordWrap(true);
    cursorLine_ = new QLabel;
    cursorLine_->setObjectName("DrawCursorLine");

    bars_->setObjectName("DrawnSpectrum");
    bars_->SetReadOnly(true);
    bars_->setMinimumHeight(110);
    // The cursor's line belongs to the drawing: it stays under it as the splitter moves.
    auto* drawing = new QWidget;
    auto* drawingLayout = new QVBoxLayout(drawing);
    drawingLayout->setContentsMargins(0, 0, 0, 0);
    drawingLayout->addWidget(surface_, 1);
    drawingLayout->addWidget(cursorLine_);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(drawing);
    split->addWidget(bars_);
    split->setChildrenCollapsible(false);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(split, 1);
    layout->addWidget(hint);

    connect(surface_, &DrawingArea::penPressed, this, &DrawPane::PenPressed);
    connect(surface_, &DrawingArea::penMoved, this, &DrawPane::PenMoved);
    connect(surface_, &DrawingArea::penReleased, this, &DrawPane::PenReleased);
    connect(surface_, &DrawingArea::clearRequested, this, &DrawPane::Clear);
    connect(surface_, &DrawingArea::segmentRequested, this, &DrawPane::DrawSegment);
    connect(surface_, &DrawingArea::cursorChanged, this, &DrawPane::ShowCursor);
    surface_->SetHalfRange(SmallestHalfRange);
    setFocusProxy(surface_); // the tab opens with the keys on the drawing
    Retranslate();
}

void DrawPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void DrawPane::Retranslate() {
    // A tooltip differs from its action's text once the stack has named a step in it.
    const bool undoNamed = undo_->toolTip() != undo_->text();
    const bool redoNamed = redo_->toolTip() != redo_->text();
    setWindowTitle(tr("Нарисовать"));
    undo_->setText(tr("Отменить"));
    redo_->setText(tr("Повторить"));
    clear_->setText(tr("Очистить"));
    takeMain_->setText(tr("Взять из главного окна"));
    hint_->setText(
        tr("Рисуйте левой кнопкой мыши: штрих заменяет отсчёты, над которыми проходит. "
           "Правая кнопка — очистить; Ctrl+Z — отменить, Ctrl+Shift+Z — повторить.") +
        QLatin1Char(' ') +
        tr("С клавиатуры: ←, → — курсор на отсчёт (с Ctrl, PageUp, PageDown — на 16), Home, End — "
           "к краям; ↑, ↓ — значение; Пробел — начало отрезка, следующий Пробел рисует отрезок "
           "до курсора; Enter — закончить. Ctrl+Delete — очистить, Ctrl+M — взять из главного "
           "окна."));
    // The steps, whichever pane made them, and the tooltips that name them.
    for (int i = 0; i < stack_->count(); ++i)
        if (const auto* step = dynamic_cast<const TNamedStep*>(stack_->command(i)))
            const_cast<TNamedStep*>(step)->setText(step->NameNow());
    if (undoNamed) undo_->setToolTip(tr("Отменить %1").arg(stack_->undoText()));
    if (redoNamed) redo_->setToolTip(tr("Повторить %1").arg(stack_->redoText()));
    ShowCursor();
}

// The stack empties itself when it is deleted, after this pane's own part is gone: those
// who follow its steps (the operations) must not hear of that.
DrawPane::~DrawPane() {
    stack_->disconnect();
    // The drawing area loses the focus while the widget below this class takes it apart, and
    // says so: this part is gone by then.
    surface_->disconnect(this);
}

void DrawPane::ReplaceSamples(const TSamples& samples, const char* stepName) {
    stack_->push(new TSamplesStep(*this, current_, caption_, samples, stepName, false));
    FitRange();
}

void DrawPane::Hold(const TSamples& samples, const QString& caption) {
    current_ = samples;
    caption_ = caption;
    surface_->SetSamples(current_);
    bars_->SetCoefficients(CoefficientsOf(AnalyseSamples(current_)));
    FitRange();
}

void DrawPane::ShowRun(const TRun& run) {
    mainSignal_ = run.Analysis.Samples;
    haveMainSignal_ = run.WaveformIndex >= 0;
    takeMain_->setEnabled(haveMainSignal_);
}

void DrawPane::Clear() {
    ReplaceSamples(TSamples{}, QT_TR_NOOP("очистку"));
}

void DrawPane::TakeMainSignal() {
    if (haveMainSignal_) ReplaceSamples(mainSignal_, QT_TR_NOOP("взятие сигнала главного окна"));
}

void DrawPane::OpenFile(const QString& path) {
    TSamples samples;
    try {
        const TSavedWork work = ReadSavedWorkFile(path);
        if (const auto* read = std::get_if<TSamples>(&work))
            samples = *read;
        else
            samples = SynthesiseSamples(std::get<TCoefficients>(work));
    } catch (const TSavedWorkError& error) {
        report_(Toolkit::WithFullStop(error.what()));
        return;
    }
    ReplaceSamples(samples, QT_TR_NOOP("открытие файла"));
}

void DrawPane::SaveFile(const QString& path) {
    try {
        WriteSavedWorkFile(path, current_);
    } catch (const TSavedWorkError& error) {
        report_(Toolkit::WithFullStop(error.what()));
    }
}

void DrawPane::Show(const TSamples& samples, const QString& caption) {
    current_ = samples;
    caption_ = caption;
    const TAnalysis analysis = AnalyseSamples(current_);
    // The range grows to show every sample, so the pen can reach them.
    if (analysis.Peak * Headroom > surface_->HalfRange())
        surface_->SetHalfRange(analysis.Peak * Headroom);
    surface_->SetSamples(current_);
    bars_->SetCoefficients(CoefficientsOf(analysis));
    emit signalDrawn(analysis, caption_);
}

void DrawPane::FitRange() {
    const double peak = std::ranges::max(current_, {}, [](double s) { return std::abs(s); });
    surface_->SetHalfRange(std::max(SmallestHalfRange, std::abs(peak) * Headroom));
}

void DrawPane::PenPressed(TPenPoint point) {
    stroking_ = true;
    beforeStroke_ = current_;
    captionBeforeStroke_ = caption_;
    lastPen_ = point;
    DrawStroke(current_, point, point);
    Show(current_, DrawnCaption());
}

void DrawPane::PenMoved(TPenPoint point) {
    if (!stroking_) return;
    DrawStroke(current_, lastPen_, point);
    lastPen_ = point;
    Show(current_, DrawnCaption());
}

void DrawPane::PenReleased() {
    if (!stroking_) return;
    stroking_ = false;
    if (current_ == beforeStroke_) {
        Show(current_, captionBeforeStroke_); // nothing drawn: the signal keeps its name
        return;
    }
    stack_->push(new TSamplesStep(*this, beforeStroke_, captionBeforeStroke_, current_,
                                  QT_TR_NOOP("штрих"), true));
}

void DrawPane::DrawSegment(TPenPoint from, TPenPoint to) {
    if (stroking_) return; // the mouse's stroke is a step of its own
    TSamples after = current_;
    DrawStroke(after, from, to);
    if (after == current_) return;
    stack_->push(new TSamplesStep(*this, current_, caption_, after, QT_TR_NOOP("отрезок"), false));
}

void DrawPane::ShowCursor() {
    if (!surface_->hasFocus()) {
        cursorLine_->setText(tr("Курсор клавиатуры появится, когда рисунок получит фокус."));
        return;
    }
    const std::string separator = QLocale().decimalPoint().toStdString();
    const auto number = [&separator](double value, double scale) {
        return QString::fromStdString(ReadableNumber(value, 4, separator, scale));
    };
    const double half = surface_->HalfRange();
    const TPenPoint at = surface_->CursorPoint();
    QString text =
        tr("Курсор: отсчёт %1, x = %2, значение %3 (шаг ↑↓ %4)")
            .arg(surface_->CursorIndex())
            .arg(number(at.X, Pi), number(at.Y, half), number(surface_->CursorStep(), half));
    if (const std::optional<TPenPoint> anchor = surface_->Anchor())
        text += tr("; отрезок от x = %1, значение %2")
                    .arg(number(anchor->X, Pi), number(anchor->Y, half));
    cursorLine_->setText(text);
}

} // namespace Fourier
