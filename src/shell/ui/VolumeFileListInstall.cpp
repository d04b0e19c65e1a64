#include "VolumeFileListInstall.h"

#include <QAction>
#include <QTreeWidget>

#include "catalogue/ui/VolumeFileListView.h"
#include "shell/ui/Form1.h"
#include "shell/ui/ViewToggles.h"

namespace twinsweep {

VolumeFileListView* installVolumeFileList(Form1& window)
{
    const VolumeFileListWidgets widgets{window.ListFiles2, window.Duplicates, window.TreeView1, window.viewMenu,
                                        [&window](bool sorted) { window.setTreeSorted(sorted); }};
    auto* files = new VolumeFileListView(window.catalogue(), window.services(), widgets, &window);
    window.volumeFileList = files;
    window.lifecycle.viewOptions.push_back([files] { files->readViewSettings(); });
    return files;
}

void installSortedToggle(Form1& window)
{
    VolumeFileListView* files = window.volumeFileList;
    QAction* Sorted =
        window.viewToggles->add(ViewToggle::Sorted, files->isSorted(), [files](bool) { files->Sorted_Click(); });
    QObject::connect(files, &VolumeFileListView::sortedChanged, Sorted, &QAction::setChecked);
}

} // namespace twinsweep
