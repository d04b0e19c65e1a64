#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "WindowBench.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "platform/ui/QtServices.h"

namespace twinsweep::bench {
namespace {

void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

/// Turns the event loop until `done` holds, for at most a minute.
void processUntil(const std::function<bool()>& done)
{
    const double limit = elapsedSeconds() + 60;
    while (!done() && elapsedSeconds() < limit)
        QCoreApplication::processEvents();
}

/// Gives the record of the first sorted row a real file in `folder`, for the rename to move.
void makeFirstFileReal(Catalogue& catalogue, const QString& folder)
{
    FileRecord& record = catalogue.ListFiles[size_t(rowFromTag(catalogue.ListFiles2.row(0).Tag))];
    record.setValue(Field::Path, folder);
    QFile file(record.fullPath());
    if (!file.open(QIODevice::WriteOnly))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(record.fullPath()));
}

struct RenameTime
{
    double wallMs = 0;
    double cpuMs = 0;
};

/// Renames the current row of the list to `name` through its in-place editor, as the
/// pop-up menu's "Rename file" does, and waits until the list has been painted again.
/// The wall and CPU time of that, in ms (CPU time too, since the machine is often shared).
RenameTime renameCurrentRow(MainWindow& window, const QString& name)
{
    window.volumeFileList->commands().run("renamefile1_Click", window.volumeFileList->selectedRows());
    auto* editor = window.ListFiles2->findChild<QLineEdit*>();
    if (!editor)
        return {};
    editor->setText(name);
    PaintCounter painted(window.ListFiles2->viewport());
    restartClock();
    const double cpuBefore = processCpuSeconds();
    pressKey(editor, Qt::Key_Return);
    processUntil([&] { return window.ListFiles2->currentIndex().data().toString() == name; });
    const int paintedAtRename = painted.count;
    processUntil([&] { return painted.count > paintedAtRename; });
    return {elapsedSeconds() * 1000.0, (processCpuSeconds() - cpuBefore) * 1000.0};
}

/// Renames a file in the program's own main window (offscreen) whose volume file list is
/// sorted, back and forth between the first and the last place, while the list's other
/// rows are all selected (Ctrl+A, then Ctrl+Space on the renamed row) or, with
/// `--selected one`, only the renamed row is; a rename lasts until the list is painted.
int runSortedRename(const QStringList& arguments)
{
    const qsizetype total = arguments.value(0, "336000").toLongLong();
    const bool allButOne = option(arguments, "--selected", "all-but-one") != "one";
    const int renames = std::max(1, option(arguments, "--renames", "4").toInt());
    Catalogue catalogue;
    HeadlessServices headless;
    generateAlbums(catalogue.TreeView1, catalogue.ListFiles, total, 1);
    QtEventPump pump;
    NoDesktop desktop;
    MainWindow window(catalogue, headless.prompt, headless.dialogs, pump, headless.settings, desktop);
    window.show();
    window.TreeView1->setCurrentItem(window.TreeView1->topLevelItem(0));
    window.volumeFileList->setSorted(true);
    window.ClickNOD();
    QCoreApplication::processEvents();
    const QTemporaryDir folder;
    makeFirstFileReal(catalogue, folder.path() + '/');
    const QString firstName = catalogue.ListFiles2.record(0).value(Field::Filename);

    QTableView* list = window.ListFiles2;
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    if (allButOne) {
        pressKey(list, Qt::Key_A, Qt::ControlModifier);
        pressKey(list, Qt::Key_Space, Qt::ControlModifier);
    }
    const qsizetype selectedBefore = qsizetype(window.volumeFileList->selectedRows().size());
    std::vector<double> wall;
    for (int rename = 0; rename < renames; ++rename) {
        const RenameTime time = renameCurrentRow(window, rename % 2 == 0 ? "~ renamed last.mp3" : firstName);
        std::printf("rename %d: %.1f ms (%.1f ms of CPU), now row %d\n", rename + 1, time.wallMs, time.cpuMs,
                    list->currentIndex().row());
        wall.push_back(time.wallMs);
    }
    std::sort(wall.begin(), wall.end());
    std::printf("sorted-rename: %lld rows, %lld selected before and %zu after; one rename: wall median %.1f ms, "
                "max %.1f ms\n",
                static_cast<long long>(catalogue.ListFiles2.size()), static_cast<long long>(selectedBefore),
                window.volumeFileList->selectedRows().size(), wall[wall.size() / 2], wall.back());
    return 0;
}

const Registration registration{{"sorted-rename",
                                 "sorted-rename [ROWS=336000] [--selected all-but-one|one] [--renames R=4]",
                                 runSortedRename, true}};

} // namespace
} // namespace twinsweep::bench
