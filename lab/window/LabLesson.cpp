// The lab's part of a lesson: what it shows and holds, read out and put back.
#include "LabWindow.h"

#include "Analysis.h"
#include "CoefficientPane.h"
#include "DrawPane.h"
#include "FormulaPane.h"
#include "GamePane.h"
#include "HarmonicMaskPane.h"

#include <QAction>
#include <QCoreApplication>
#include <QTabWidget>
#include <QUndoStack>
#include <algorithm>

namespace Fourier {
namespace {

template <class Pane> Pane& PaneOf(const LabWindow& lab) {
    auto* pane = lab.findChild<Pane*>();
    Q_ASSERT(pane);
    return *pane;
}

} // namespace

int LabWindow::TabNamed(const QString& name) const {
    for (int i = 0; i < tabs_->count(); ++i)
        if (tabs_->widget(i)->objectName() == name) return i;
    return -1;
}

void LabWindow::CaptureLesson(TLesson& lesson) const {
    lesson.LabOpen = isVisible();
    lesson.Tab = tabs_->currentWidget()->objectName().toStdString();
    lesson.Formula = PaneOf<FormulaPane>(*this).Formula().toStdString();
    const DrawPane& draw = PaneOf<DrawPane>(*this);
    const CoefficientPane& coefficients = PaneOf<CoefficientPane>(*this);
    lesson.Drawing.reset();
    lesson.Coefficients.reset();
    // What the pen made is kept even while something else is shown.
    if (draw.UndoStack()->count() > 0) lesson.Drawing = draw.Samples();

    lesson.Shown = TLessonSource::MainWindow;
    if (own_) {
        if (ownSource_ == &PaneOf<FormulaPane>(*this)) {
            lesson.Shown = TLessonSource::Formula;
        } else if (ownSource_ == &coefficients) {
            lesson.Shown = TLessonSource::Coefficients;
            lesson.Coefficients = coefficients.Coefficients();
        } else {
            // Drawn, opened, or the result of an operation: all of them are samples.
            lesson.Shown = TLessonSource::Drawing;
            lesson.Drawing = own_->Analysis.Samples;
        }
    }

    lesson.Muted.clear();
    lesson.Soloed.clear();
    for (int k = 1; k <= THarmonicMask::Count; ++k) {
        if (mask_.Muted(k)) lesson.Muted.push_back(k);
        if (mask_.Soloed(k)) lesson.Soloed.push_back(k);
    }
}

void LabWindow::ApplyLesson(const TLesson& lesson) {
    FormulaPane& formula = PaneOf<FormulaPane>(*this);
    DrawPane& draw = PaneOf<DrawPane>(*this);
    CoefficientPane& coefficients = PaneOf<CoefficientPane>(*this);
    HarmonicMaskPane& mask = PaneOf<HarmonicMaskPane>(*this);

    // Each pane sends its signal when it takes the lesson's data; the one shown goes last.
    formula.SetFormula(QString::fromStdString(lesson.Formula));
    if (lesson.Drawing && lesson.Shown != TLessonSource::Drawing)
        draw.ReplaceSamples(*lesson.Drawing, QT_TRANSLATE_NOOP("Fourier::DrawPane", "урок"));
    if (lesson.Coefficients && lesson.Shown != TLessonSource::Coefficients)
        coefficients.StartFrom(*lesson.Coefficients);
    switch (lesson.Shown) {
    case TLessonSource::MainWindow:
        FollowMainWindow();
        break;
    case TLessonSource::Formula:
        formula.Build();
        break;
    case TLessonSource::Drawing:
        draw.ReplaceSamples(*lesson.Drawing, QT_TRANSLATE_NOOP("Fourier::DrawPane", "урок"));
        break;
    case TLessonSource::Coefficients:
        coefficients.StartFrom(*lesson.Coefficients);
        break;
    }
    // The lesson is where the student starts: there is nothing before it to undo.
    draw.UndoStack()->clear();

    mask.ClearAll();
    for (const int k : lesson.Muted)
        mask.ToggleMute(k);
    for (const int k : lesson.Soloed)
        mask.ToggleSolo(k);

    for (int i = 0; i < tabs_->count(); ++i) {
        const std::string name = tabs_->widget(i)->objectName().toStdString();
        const bool hidden =
            std::find(lesson.Hidden.begin(), lesson.Hidden.end(), name) != lesson.Hidden.end();
        tabs_->setTabVisible(i, !hidden);
        viewActions_.at(i)->setVisible(!hidden); // and with it its Ctrl+digit
    }
    const int wanted = TabNamed(QString::fromStdString(lesson.Tab));
    if (wanted >= 0 && tabs_->isTabVisible(wanted)) {
        tabs_->setCurrentIndex(wanted);
    } else if (!tabs_->isTabVisible(tabs_->currentIndex())) {
        for (int i = 0; i < tabs_->count(); ++i)
            if (tabs_->isTabVisible(i)) {
                tabs_->setCurrentIndex(i);
                break;
            }
    }
}

void LabWindow::SetGameSeed(std::uint64_t seed) {
    PaneOf<GamePane>(*this).SetSeed(seed);
}

} // namespace Fourier
