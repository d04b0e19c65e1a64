#include "FileOpsInstall.h"

#include <QAction>

#include "fileops/DeleteCheckedResults.h"
#include "fileops/FileOpSteps.h"
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

} // namespace twinsweep
