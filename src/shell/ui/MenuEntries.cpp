#include "MenuEntries.h"

#include <QMenu>

namespace twinsweep {

QMenu* subMenu(QMenu* menu, const char* name, const QString& caption, QAction* before)
{
    if (auto* existing = menu->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly))
        return existing;
    auto* submenu = new QMenu(caption, menu);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    menu->insertMenu(before, submenu);
    return submenu;
}

QAction* exitEntry(QMenu* fileMenu)
{
    for (QAction* action : fileMenu->actions()) {
        if (action->text() == "E&xit")
            return action;
    }
    return nullptr;
}

} // namespace twinsweep
