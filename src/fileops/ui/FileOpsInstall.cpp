#include "FileOpsInstall.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "fileops/DeleteCheckedResults.h"
#include "fileops/FileOpSteps.h"
#include "fileops/ui/FileCommands.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/FileLayer.h"
#include "platform/VolumeLayer.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

QAction* installDeleteFilesButton(Form1& window, MediaChannels& channels)
{
    // Both layers keep no state, so every window can share them.
    static const SystemVolumeInfo volumes;
    static SystemFileLayer files;
    window.Toolbar2->addSeparator();
    QAction* button = window.Toolbar2->addAction(window.style()->standardIcon(QStyle::SP_TrashIcon), "Delete file(s)");
    button->setObjectName("DeleteFiles");
    if (auto* tool = qobject_cast<QToolButton*>(window.Toolbar2->widgetForAction(button)))
        tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QObject::connect(button, &QAction::triggered, &window, [&window, &channels] {
        FileOpsContext ops{window.catalogue(), window.services(), volumes, files, channels};
        Delete_Click(ops);
    });
    return button;
}

FileCommands* installFileCommands(Form1& window, MediaChannels& channels)
{
    auto* commands = new FileCommands(window, channels);
    commands->install(window.resultList->commands(), window.Duplicates, ActingList::Duplicates);
    return commands;
}

} // namespace twinsweep
