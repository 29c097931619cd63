#include "LabPanes.h"

#include "BuildUpPane.h"
#include "CirclesView.h"
#include "CoefficientPane.h"
#include "DrawPane.h"
#include "FormulaPane.h"
#include "GamePane.h"
#include "HarmonicMaskPane.h"
#include "LabWindow.h"
#include "OperationsPane.h"
#include "SamplingView.h"
#include "SoundPane.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Fourier {
namespace {

// Sound and the build-up stop when the lab is closed or minimised.
class StopOnHide : public QObject {
  public:
    StopOnHide(LabWindow& lab, SoundPane* sound, BuildUpPane* buildUp)
        : QObject(&lab), sound_(sound), buildUp_(buildUp) {
        lab.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            sound_->Stop();
            buildUp_->Pause();
        }
        return false;
    }

  private:
    SoundPane* sound_;
    BuildUpPane* buildUp_;
};

} // namespace

void AddLabPanes(LabWindow& lab, std::function<void(int)> harmonicToMain) {
    auto* sound = new SoundPane;
    lab.AddPane(sound, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Звук"));
    lab.addAction(sound->PlayAction()); // Space on every tab
    QObject::connect(&lab, &LabWindow::runChanged, sound, &SoundPane::ShowRun);

    auto* formula = new FormulaPane;
    lab.AddPane(formula, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Своя функция"));
    formula->setFocusProxy(formula->findChild<QWidget*>(QStringLiteral("FormulaField")));
    QObject::connect(formula, &FormulaPane::ownSignalReady, &lab, &LabWindow::ShowOwnSignal);
    QObject::connect(formula, &FormulaPane::followMainWindow, &lab, &LabWindow::FollowMainWindow);

    auto* draw = new DrawPane;
    lab.AddPane(draw, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Нарисовать"));
    QObject::connect(&lab, &LabWindow::runChanged, draw, &DrawPane::ShowRun);
    QObject::connect(draw, &DrawPane::signalDrawn, &lab, &LabWindow::ShowOwnSignal);

    auto* coefficients = new CoefficientPane;
    lab.AddPane(coefficients, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Коэффициенты"));
    QObject::connect(&lab, &LabWindow::runChanged, coefficients, &CoefficientPane::ShowRun);
    QObject::connect(coefficients, &CoefficientPane::signalDrawn, &lab, &LabWindow::ShowOwnSignal);

    // Muting and the build-up act on whatever the other tabs show, so they share one tab.
    auto* controls = new QWidget;
    controls->setObjectName(QStringLiteral("HarmonicsPane"));
    auto* layout = new QVBoxLayout(controls);
    auto* mask = new HarmonicMaskPane;
    auto* buildUp = new BuildUpPane;
    layout->addWidget(mask);
    layout->addWidget(buildUp);
    layout->addStretch(1);
    lab.AddPane(controls, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Гармоники"));
    lab.addActions(mask->KeyActions()); // digits mute, Shift+digits solo, on every tab
    QObject::connect(mask, &HarmonicMaskPane::maskChanged, &lab, &LabWindow::SetHarmonicMask);
    QObject::connect(buildUp, &BuildUpPane::harmonicChanged, &lab, [&lab, harmonicToMain](int k) {
        lab.ShowHarmonic(k);
        if (lab.FollowsMainWindow() && harmonicToMain) harmonicToMain(k);
    });

    // Operations on whatever is shown, undone on the drawing's stack.
    auto* operations = new OperationsPane(*draw);
    lab.AddPane(operations, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Операции"));
    QObject::connect(&lab, &LabWindow::runChanged, operations, &OperationsPane::ShowRun);
    QObject::connect(operations, &OperationsPane::ownSignalReady, &lab, &LabWindow::ShowOwnSignal);
    QObject::connect(operations, &OperationsPane::followMainWindow, &lab,
                     &LabWindow::FollowMainWindow);

    // Views for the lessons after the series, behind the panes, so that the tabs before them
    // keep their keys.
    auto* circles = new CirclesView;
    circles->setObjectName(QStringLiteral("CirclesView"));
    lab.AddPane(circles, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Круги"));
    auto* sampling = new SamplingView;
    sampling->setObjectName(QStringLiteral("SamplingView"));
    lab.AddPane(sampling, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Дискретизация"));
    lab.AddPane(new GamePane, QT_TRANSLATE_NOOP("Fourier::LabWindow", "Угадай сигнал"));

    new StopOnHide(lab, sound, buildUp);
}

} // namespace Fourier
