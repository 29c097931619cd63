#include "OperationsPane.h"

#include "DrawPane.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>

namespace Fourier {
namespace {

// Steps of one slider gesture share this id, so that the stack offers to merge them.
constexpr int ShiftStepId = 0x0f5f;

std::string DecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

QPushButton* Button(const QString& name) {
    auto* button = new QPushButton;
    button->setObjectName(name);
    // Space plays the sound everywhere in the lab, so a focused button takes Enter.
    button->setAutoDefault(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// Enter in a field presses the button of its operation.
void PressOnEnter(QAbstractSpinBox* field, QPushButton* button) {
    QObject::connect(field->findChild<QLineEdit*>(), &QLineEdit::returnPressed, button,
                     &QPushButton::click);
}

} // namespace

// One operation on the lab's signal. A shift of the slider keeps the signal it started from
// (its base): the shifts of one gesture merge into one step, which redoes the last of them on
// the base; a gesture that ends where it began leaves no step.
class TOperationStep : public TNamedStep {
  public:
    using TShown = OperationsPane::TShown;
    using TDrawn = OperationsPane::TDrawn;

    struct TStates {
        TShown Before;
        TDrawn DrawnBefore;
        TShown Base; // Before, but for a shift after a shift
        TDrawn DrawnAtBase;
        TShown After;
    };

    TStates States;

    TOperationStep(OperationsPane& pane, TStates states, const TOperation& operation, int gesture)
        : TNamedStep(QString::fromStdString(OperationName(operation, DecimalSeparator()))),
          States(std::move(states)), pane_(pane), operation_(operation), named_(operation),
          gesture_(gesture) {}

    // The name stays the first operation's when later shifts of its gesture merge into it.
    QString NameNow() const override {
        return QString::fromStdString(OperationName(named_, DecimalSeparator()));
    }
    int id() const override { return gesture_ ? ShiftStepId : -1; }
    int Gesture() const { return gesture_; }
    // What the operation did to the spectrum, in the program's language.
    QString Effect() const {
        return QString::fromStdString(OperationEffect(States.Base.Samples, States.After.Samples,
                                                      operation_, DecimalSeparator()));
    }
    double Shift() const { return operation_.Parameter; }
    // A shift by whole periods gives the base back as it was, following the main window too.
    bool BackToBase() const {
        return gesture_ && operation_.Parameter == std::floor(operation_.Parameter);
    }
    const TShown& Result() const { return BackToBase() ? States.Base : States.After; }

    void redo() override {
        if (BackToBase())
            pane_.Restore(States.Base, States.DrawnAtBase);
        else
            pane_.Present(States.After);
    }
    void undo() override { pane_.Restore(States.Before, States.DrawnBefore); }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const TOperationStep*>(other);
        if (!gesture_ || next->gesture_ != gesture_) return false;
        States.After = next->States.After;
        operation_ = next->operation_;
        // Back where it began: nothing is left to undo.
        setObsolete(BackToBase() && States.Before.Samples == States.Base.Samples &&
                    States.Before.Caption == States.Base.Caption);
        return true;
    }

  private:
    OperationsPane& pane_;
    TOperation operation_;
    TOperation named_;
    int gesture_;
};

OperationsPane::OperationsPane(DrawPane& drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing), slider_(new QSlider(Qt::Horizontal)),
      shiftText_(new QLabel), effect_(new QLabel), controls_(new QWidget),
      report_(Toolkit::MessageBoxReporter(this)) {
    setObjectName("OperationsPane");
    const auto written = [this](QWidget* widget, const char* text, const char* tip = nullptr) {
        written_.push_back({widget, text, tip});
        return widget;
    };

    slider_->setObjectName("ShiftSlider");
    slider_->setRange(-ShiftSteps / 2, ShiftSteps / 2);
    slider_->setPageStep(ShiftSteps / 8);
    slider_->setTickInterval(ShiftSteps / 8);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setFocusPolicy(Qt::StrongFocus);
    written(slider_, nullptr,
            QT_TR_NOOP("f(x − τ): сдвиг на долю периода, от −½ до ½ шагами по 1/64; "
                       "←/→ — на 1/64, PageUp/PageDown — на 1/8"));
    shiftText_->setObjectName("ShiftText");
    auto* shiftRow = new QHBoxLayout;
    shiftRow->addWidget(written(new QLabel, QT_TR_NOOP("Сдвиг во времени")));
    shiftRow->addWidget(slider_, 1);
    shiftRow->addWidget(shiftText_);

    const auto plain = [this](TOperationKind kind) { return [this, kind] { Apply({kind, 0.0}); }; };
    auto* shapes = new QGridLayout;
    const struct {
        const char* name;
        const char *text, *tip;
        TOperationKind kind;
    } shapeButtons[] = {
        {"ReverseButton", QT_TR_NOOP("Обратить время: f(−x)"),
         QT_TR_NOOP("Сигнал задом наперёд: φₖ меняют знак"), TOperationKind::TimeReversal},
        {"InvertButton", QT_TR_NOOP("Перевернуть: −f"),
         QT_TR_NOOP("Каждый отсчёт с обратным знаком"), TOperationKind::Inversion},
        {"FullWaveButton", QT_TR_NOOP("Выпрямить: |f|"),
         QT_TR_NOOP("Двухполупериодное выпрямление"), TOperationKind::FullWave},
        {"HalfWaveButton", QT_TR_NOOP("Срезать минус: max(f, 0)"),
         QT_TR_NOOP("Однополупериодное выпрямление"), TOperationKind::HalfWave},
        {"EvenButton", QT_TR_NOOP("Только чётные гармоники"),
         QT_TR_NOOP("(f(x) + f(x + π))/2: среднее и гармоники 2, 4, 6, …"),
         TOperationKind::EvenHarmonics},
        {"OddButton", QT_TR_NOOP("Только нечётные гармоники"),
         QT_TR_NOOP("(f(x) − f(x + π))/2: гармоники 1, 3, 5, …"), TOperationKind::OddHarmonics},
    };
    int index = 0;
    for (const auto& shape : shapeButtons) {
        auto* button = Button(shape.name);
        written(button, shape.text, shape.tip);
        connect(button, &QPushButton::clicked, this, plain(shape.kind));
        shapes->addWidget(button, index / 2, index % 2);
        ++index;
    }

    // Operations with a parameter: the button, then its field, in the tab order as on screen.
    auto* measured = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const char* name, const char* text, const char* tip, const char* label,
                            QAbstractSpinBox* field, const char* fieldName,
                            std::function<TOperation()> operation) {
        QPushButton* button = Button(name);
        written(button, text, tip);
        field->setObjectName(fieldName);
        field->setAccelerated(true);
        measured->addWidget(button, row, 0);
        measured->addWidget(written(new QLabel, label), row, 1, Qt::AlignRight);
        measured->addWidget(field, row, 2);
        ++row;
        connect(button, &QPushButton::clicked, this, [this, operation] { Apply(operation()); });
        PressOnEnter(field, button);
    };
    const auto decimalField = [](double lowest, double highest, double value) {
        auto* field = new QDoubleSpinBox;
        field->setRange(lowest, highest);
        field->setDecimals(3);
        field->setSingleStep(0.1);
        field->setValue(value);
        return field;
    };
    const auto wholeField = [](int lowest, int highest, int value) {
        auto* field = new QSpinBox;
        field->setRange(lowest, highest);
        field->setValue(value);
        return field;
    };
    QDoubleSpinBox* level = decimalField(0.001, 1e6, 0.5);
    QSpinBox* levels = wholeField(2, MostLevels, 4);
    QSpinBox* lowest = wholeField(0, NyquistLine, 5);
    QSpinBox* highest = wholeField(0, NyquistLine, 2);
    QDoubleSpinBox* constant = decimalField(-1e6, 1e6, 0.5);
    addRow("ClipButton", QT_TR_NOOP("Ограничить"),
           QT_TR_NOOP("Отсчёты за пределами ±c становятся ±c"), QT_TR_NOOP("уровнем ±c, c ="),
           level, "ClipLevel", [level] {
               return TOperation{TOperationKind::Clipping, level->value()};
           });
    addRow("QuantiseButton", QT_TR_NOOP("Квантовать"),
           QT_TR_NOOP("Каждый отсчёт — к ближайшему из n уровней, поровну расставленных от "
                      "наименьшего отсчёта до наибольшего"),
           QT_TR_NOOP("уровней n ="), levels, "QuantiseLevels", [levels] {
               return TOperation{TOperationKind::Quantisation, double(levels->value())};
           });
    addRow("LowPassButton", QT_TR_NOOP("Оставить гармоники 0…n"),
           QT_TR_NOOP("Фильтр нижних частот: гармоники выше n убираются"), "n =", lowest,
           "LowPassHarmonic", [lowest] {
               return TOperation{TOperationKind::LowPass, double(lowest->value())};
           });
    addRow("HighPassButton", QT_TR_NOOP("Оставить гармоники n…256"),
           QT_TR_NOOP("Фильтр верхних частот: гармоники ниже n убираются, при n ≥ 1 и среднее"),
           "n =", highest, "HighPassHarmonic", [highest] {
               return TOperation{TOperationKind::HighPass, double(highest->value())};
           });
    addRow("AddConstantButton", QT_TR_NOOP("Прибавить постоянную"),
           QT_TR_NOOP("f + c: меняется только среднее"), "c =", constant, "ConstantValue",
           [constant] {
               return TOperation{TOperationKind::AddConstant, constant->value()};
           });
    measured->setColumnStretch(3, 1); // the fields keep their own width

    auto* controlsLayout = new QVBoxLayout(controls_);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->addLayout(shiftRow);
    controlsLayout->addLayout(shapes);
    controlsLayout->addLayout(measured);

    // The drawing's stack, with keys and buttons of this pane's own.
    QUndoStack* stack = UndoStack();
    auto* undo = Button("OperationsUndo");
    written(undo, QT_TR_NOOP("Отменить"),
            QT_TR_NOOP("Отменить последний шаг операций или рисования (Ctrl+Z)"));
    auto* redo = Button("OperationsRedo");
    written(redo, QT_TR_NOOP("Повторить"), QT_TR_NOOP("Повторить отменённый шаг (Ctrl+Shift+Z)"));
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
    connect(undo, &QPushButton::clicked, stack, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    for (const auto& [keys, slot] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Z), &QUndoStack::undo},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &QUndoStack::redo}}) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, stack, slot);
        addAction(action);
    }
    auto* steps = new QHBoxLayout;
    steps->addWidget(undo);
    steps->addWidget(redo);
    steps->addStretch(1);

    effect_->setObjectName("OperationEffect");
    effect_->setWordWrap(true);
    effect_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* hint = new QLabel;
    written(hint,
            QT_TR_NOOP("Операции меняют сигнал, который показывают вкладки лаборатории, и "
                       "складываются одна за другой; результат можно подправить пером во вкладке "
                       "«Нарисовать». Tab — к следующей кнопке, Enter — нажать её, ↑/↓ — изменить "
                       "число в поле; Ctrl+Z — отменить, Ctrl+Shift+Z — повторить (здесь и при "
                       "рисовании)."));
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(controls_);
    layout->addLayout(steps);
    layout->addWidget(written(new QLabel, QT_TR_NOOP("Что стало со спектром:")));
    layout->addWidget(effect_);
    layout->addWidget(hint);
    layout->addStretch(1);
    setFocusProxy(slider_);

    connect(slider_, &QSlider::actionTriggered, this, [this] {
        // sliderPosition() already holds where the step goes; value() where it was.
        if (slider_->sliderPosition() != slider_->value()) ShiftMoved(slider_->sliderPosition());
    });
    // A drag is a gesture of its own; key presses in a row make one.
    connect(slider_, &QSlider::sliderPressed, this, [this] { gestureOpen_ = false; });
    connect(slider_, &QSlider::sliderReleased, this, [this] { gestureOpen_ = false; });
    connect(slider_, &QSlider::valueChanged, this, &OperationsPane::ShowShift);
    connect(stack, &QUndoStack::indexChanged, this, &OperationsPane::StackMoved);
    ShowShift(0);
    controls_->setEnabled(false);
    Retranslate();
}

void OperationsPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void OperationsPane::Retranslate() {
    setWindowTitle(tr("Операции"));
    for (const TWritten& written : written_) {
        if (written.Text) {
            if (auto* button = qobject_cast<QAbstractButton*>(written.Widget))
                button->setText(tr(written.Text));
            else if (auto* label = qobject_cast<QLabel*>(written.Widget))
                label->setText(tr(written.Text));
        }
        if (written.Tip) written.Widget->setToolTip(tr(written.Tip));
    }
    // The slider's longest caption fits in either language.
    shiftText_->setMinimumWidth(std::max(
        shiftText_->fontMetrics().horizontalAdvance(QStringLiteral("τ = −31/64 периода  ")),
        shiftText_->fontMetrics().horizontalAdvance(QStringLiteral("τ = −31/64") + tr(" периода") +
                                                    QStringLiteral("  "))));
    const TOperationStep* last = LastStep();
    effect_->setText(last ? last->Effect() : QString());
    ShowShift(slider_->value());
}

QUndoStack* OperationsPane::UndoStack() const {
    return drawing_.UndoStack();
}

void OperationsPane::ShowRun(const TRun& run) {
    haveSignal_ = run.OwnSignal || run.WaveformIndex >= 0;
    controls_->setEnabled(haveSignal_);
    const auto isShown = [&run](const TShown& shown) {
        return run.OwnSignal == shown.Own && run.WaveformName == shown.Caption &&
               run.Analysis.Samples == shown.Samples;
    };
    // The result of the last step coming back, also after the drawing's step on top of it was
    // undone, keeps its history for the caption of the next.
    if (isShown(shown_)) return;
    if (const TOperationStep* last = LastStep(); last && isShown(last->Result())) {
        shown_ = last->Result();
        return;
    }
    shown_ = TShown{run.Analysis.Samples, run.WaveformName, run.OwnSignal, {}, {}};
    // A signal from elsewhere is not shifted yet.
    slider_->setValue(0);
}

void OperationsPane::Apply(const TOperation& operation) {
    if (!haveSignal_) return;
    try {
        Run(shown_, Drawn(), operation, 0);
    } catch (const TOperationError& error) {
        report_(Toolkit::WithFullStop(error.what()));
    }
}

void OperationsPane::ShiftMoved(int position) {
    if (!haveSignal_) return;
    // The last step, if it is a shift whose result is shown: a new shift starts where it did.
    const TOperationStep* last = LastStep();
    if (last && (!last->Gesture() || last->Result().Samples != shown_.Samples ||
                 last->Result().Caption != shown_.Caption))
        last = nullptr;
    if (!gestureOpen_ || !last || last->Gesture() != gesture_) {
        ++gesture_;
        gestureOpen_ = true;
    }
    try {
        const TOperation shift{TOperationKind::TimeShift, double(position) / ShiftSteps};
        if (last)
            Run(last->States.Base, last->States.DrawnAtBase, shift, gesture_);
        else
            Run(shown_, Drawn(), shift, gesture_);
    } catch (const TOperationError& error) {
        report_(Toolkit::WithFullStop(error.what()));
        StackMoved();
    }
}

void OperationsPane::Run(const TShown& base, const TDrawn& drawnAtBase, const TOperation& operation,
                         int gesture) {
    TOperationStep::TStates states{shown_, Drawn(), base, drawnAtBase, {}};
    TShown& after = states.After;
    after.Samples = ApplyOperation(base.Samples, operation);
    after.Own = true;
    after.Source = base.Operations.empty() ? base.Caption : base.Source;
    after.Operations = base.Operations;
    after.Operations.push_back(OperationName(operation, DecimalSeparator()));
    after.Caption = ChainCaption(after.Source, after.Operations);
    UndoStack()->push(new TOperationStep(*this, std::move(states), operation, gesture));
}

void OperationsPane::Present(const TShown& shown) {
    shown_ = shown;
    const QString caption = QString::fromStdString(shown.Caption);
    drawing_.Hold(shown.Samples, caption);
    emit ownSignalReady(AnalyseSamples(shown.Samples), caption);
}

void OperationsPane::Restore(const TShown& shown, const TDrawn& drawn) {
    shown_ = shown;
    drawing_.Hold(drawn.Samples, drawn.Caption);
    if (shown.Own)
        emit ownSignalReady(AnalyseSamples(shown.Samples), QString::fromStdString(shown.Caption));
    else
        emit followMainWindow();
}

// After every push, merge, undo and redo: the line and the slider tell of the last step done.
void OperationsPane::StackMoved() {
    const TOperationStep* last = LastStep();
    effect_->setText(last ? last->Effect() : QString());
    const int position =
        last && last->Gesture() ? static_cast<int>(std::lround(last->Shift() * ShiftSteps)) : 0;
    if (slider_->value() != position) slider_->setValue(position);
    ShowShift(position);
}

void OperationsPane::ShowShift(int position) {
    shiftText_->setText(QStringLiteral("τ = ") +
                        QString::fromStdString(FractionText(position, ShiftSteps)) +
                        (position ? tr(" периода") : QString()));
}

const TOperationStep* OperationsPane::LastStep() const {
    const QUndoStack* stack = UndoStack();
    if (stack->index() == 0) return nullptr;
    return dynamic_cast<const TOperationStep*>(stack->command(stack->index() - 1));
}

OperationsPane::TDrawn OperationsPane::Drawn() const {
    return {drawing_.Samples(), drawing_.Caption()};
}

} // namespace Fourier
