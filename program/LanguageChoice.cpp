#include "LanguageChoice.h"

#include "LabLauncher.h"
#include "Language.h"
#include "Unit1.h"

#include <QAction>
#include <QMenu>

namespace Fourier {

void InstallLanguageChoice(TForm1& form) {
    QWidget* window = form.Widget();
    QMenu* menu = MakeLanguageMenu(window);
    for (Toolkit::TImage* image : {form.Image1, form.Image2})
        AddPictureAction(image->Widget(), menu->menuAction());
    auto* open = new QAction(menu);
    open->setObjectName(QStringLiteral("OpenLanguageMenu"));
    open->setShortcut(QKeySequence(Qt::Key_F8));
    open->setShortcutContext(Qt::WindowShortcut);
    QWidget* graph = form.Image1->Widget();
    QObject::connect(open, &QAction::triggered, menu,
                     [menu, graph] { menu->popup(graph->mapToGlobal(graph->rect().center())); });
    window->addAction(open);
}

} // namespace Fourier
