#include "DrawPane.h"

#include "CoefficientBars.h"
#include "DrawingArea.h"
#include "InverseTransform.h"
#include "PaneParts.h"
#include "SavedWorkFile.h"

#include <QAction>
#include <QLabel>
#include <QSplitter>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Fourier {

namespace {

constexpr double SmallestHalfRange = 1.5;
constexpr double Headroom = 1.1; // the view's half range over the largest sample

QString Caption() {
    return QStringLiteral("Нарисованный сигнал");
}

} // namespace

// One change of the samples. A stroke is already drawn when it is pushed, so its first
// redo has nothing to do.
class TSamplesStep : public QUndoCommand {
  public:
    TSamplesStep(DrawPane& pane, const TSamples& before, const TSamples& after, const QString& name,
                 bool alreadyDone)
        : QUndoCommand(name), Pane(pane), Before(before), After(after), Skip(alreadyDone) {}

    void undo() override { Pane.Apply(Before); }
    void redo() override {
        if (!Skip) Pane.Apply(After);
        Skip = false;
    }

  private:
    DrawPane& Pane;
    TSamples Before;
    TSamples After;
    bool Skip;
};

DrawPane::DrawPane(QWidget* parent)
    : QWidget(parent), Surface(new DrawingArea), Bars(new CoefficientBars),
      Stack(new QUndoStack(this)), Report(MessageBoxReporter(this)) {
    setObjectName("DrawPane");
    setWindowTitle(QStringLiteral("Нарисовать"));

    // Fixed texts keep the buttons' width; what would be undone is in the tooltip.
    Undo = new QAction(QStringLiteral("Отменить"), this);
    Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Undo->setEnabled(false);
    Redo = new QAction(QStringLiteral("Повторить"), this);
    Redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    Redo->setEnabled(false);
    connect(Undo, &QAction::triggered, Stack, &QUndoStack::undo);
    connect(Redo, &QAction::triggered, Stack, &QUndoStack::redo);
    connect(Stack, &QUndoStack::canUndoChanged, Undo, &QAction::setEnabled);
    connect(Stack, &QUndoStack::canRedoChanged, Redo, &QAction::setEnabled);
    // The stack also speaks while the pane is being destroyed: only the actions are used.
    connect(Stack, &QUndoStack::undoTextChanged, Undo, [undo = Undo](const QString& text) {
        undo->setToolTip(QStringLiteral("Отменить ") + text);
    });
    connect(Stack, &QUndoStack::redoTextChanged, Redo, [redo = Redo](const QString& text) {
        redo->setToolTip(QStringLiteral("Повторить ") + text);
    });
    auto* clear = new QAction(QStringLiteral("Очистить"), this);
    TakeMain = new QAction(QStringLiteral("Взять из главного окна"), this);
    TakeMain->setEnabled(false);
    QAction* open = OpenAction(this, [this](const QString& path) { OpenFile(path); });
    QAction* save = SaveAction(this, QStringLiteral("сигнал.fourier"),
                               [this](const QString& path) { SaveFile(path); });
    for (QAction* action : {Undo, Redo, clear, TakeMain, open, save}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(clear, &QAction::triggered, this, &DrawPane::Clear);
    connect(TakeMain, &QAction::triggered, this, &DrawPane::TakeMainSignal);

    auto* tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({Undo, Redo, clear, TakeMain});
    tools->addWidget(Spacer());
    tools->addActions({open, save});

    auto* hint = new QLabel(
        QStringLiteral("Рисуйте левой кнопкой мыши: штрих заменяет отсчёты, над которыми проходит. "
                       "Правая кнопка — очистить; Ctrl+Z — отменить, Ctrl+Shift+Z — повторить."));
    hint->setWordWrap(true);

    Bars->setObjectName("DrawnSpectrum");
    Bars->SetReadOnly(true);
    Bars->setMinimumHeight(110);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(Surface);
    split->addWidget(Bars);
    split->setChildrenCollapsible(false);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(split, 1);
    layout->addWidget(hint);

    connect(Surface, &DrawingArea::penPressed, this, &DrawPane::PenPressed);
    connect(Surface, &DrawingArea::penMoved, this, &DrawPane::PenMoved);
    connect(Surface, &DrawingArea::penReleased, this, &DrawPane::PenReleased);
    connect(Surface, &DrawingArea::clearRequested, this, &DrawPane::Clear);
    Surface->SetHalfRange(SmallestHalfRange);
}

void DrawPane::ReplaceSamples(const TSamples& samples, const QString& stepName) {
    Stack->push(new TSamplesStep(*this, Current, samples, stepName, false));
    FitRange();
}

void DrawPane::ShowRun(const TRunView& view) {
    MainSignal = view.Analysis.Samples;
    HaveMainSignal = view.WaveformIndex >= 0;
    TakeMain->setEnabled(HaveMainSignal);
}

void DrawPane::Clear() {
    ReplaceSamples(TSamples{}, QStringLiteral("очистку"));
}

void DrawPane::TakeMainSignal() {
    if (HaveMainSignal) ReplaceSamples(MainSignal, QStringLiteral("взятие сигнала главного окна"));
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
        Report(QString::fromUtf8(error.what()));
        return;
    }
    ReplaceSamples(samples, QStringLiteral("открытие файла"));
}

void DrawPane::SaveFile(const QString& path) {
    try {
        WriteSavedWorkFile(path, Current);
    } catch (const TSavedWorkError& error) {
        Report(QString::fromUtf8(error.what()));
    }
}

void DrawPane::Apply(const TSamples& samples) {
    Current = samples;
    const TAnalysis analysis = AnalyseSamples(Current);
    // The view grows to show every sample, so the pen can reach them.
    if (analysis.Peak * Headroom > Surface->HalfRange())
        Surface->SetHalfRange(analysis.Peak * Headroom);
    Surface->SetSamples(Current);
    Bars->SetCoefficients(CoefficientsOf(analysis));
    emit signalDrawn(analysis, Caption());
}

void DrawPane::FitRange() {
    const double peak = std::ranges::max(Current, {}, [](double s) { return std::abs(s); });
    Surface->SetHalfRange(std::max(SmallestHalfRange, std::abs(peak) * Headroom));
}

void DrawPane::PenPressed(TPenPoint point) {
    Stroking = true;
    BeforeStroke = Current;
    LastPen = point;
    DrawStroke(Current, point, point);
    Apply(Current);
}

void DrawPane::PenMoved(TPenPoint point) {
    if (!Stroking) return;
    DrawStroke(Current, LastPen, point);
    LastPen = point;
    Apply(Current);
}

void DrawPane::PenReleased() {
    if (!Stroking) return;
    Stroking = false;
    if (Current != BeforeStroke)
        Stack->push(new TSamplesStep(*this, BeforeStroke, Current, QStringLiteral("штрих"), true));
}

} // namespace Fourier
