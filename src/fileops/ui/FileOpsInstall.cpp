#include "FileOpsInstall.h"

#include <QAction>

#include "fileops/DeleteCheckedResults.h"
#include "fileops/FileOpSteps.h"
#include "fileops/ui/FileCommands.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/FileLayer.h"
#include "platform/VolumeLayer.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {

QAction* installDeleteFilesButton(Form1& window, MediaChannels& channels)
{
    // Both layers keep no state, so every window can share them.
    static const SystemVolumeInfo volumes;
    static SystemFileLayer files;
    return window.toolbars->add(ToolbarCommand::DeleteFiles, [&window, &channels] {
        FileOpsContext ops{window.catalogue(), window.services(), volumes, files, channels};
        Delete_Click(ops);
    });
}

FileCommands* installFileCommands(Form1& window, MediaChannels& channels)
{
    auto* commands = new FileCommands(window, channels);
    commands->install(window.resultList->commands(), window.Duplicates, ActingList::Duplicates);
    return commands;
}

} // namespace twinsweep
