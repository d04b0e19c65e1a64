#include "RemovalMenus.h"

#include <QMenu>

#include "catalogue/CollectionRemoval.h"

namespace twinsweep {

void installVolumeRemoval(Catalogue& catalogue, Services& services, QMenu* editMenu, QMenu* popMNU)
{
    const auto delnode_Click = [&catalogue, &services] { twinsweep::delnode_Click(catalogue, services); };
    QAction* Removevolume = editMenu->addAction("Re&move volume");
    Removevolume->setObjectName("Removevolume");
    QObject::connect(Removevolume, &QAction::triggered, editMenu, delnode_Click);
    QAction* delnode = popMNU->addAction("Remove");
    delnode->setObjectName("delnode");
    QObject::connect(delnode, &QAction::triggered, popMNU, delnode_Click);
}

} // namespace twinsweep
