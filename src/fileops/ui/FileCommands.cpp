#include "FileCommands.h"

#include <QLineEdit>
#include <QTableView>

#include <functional>

#include "catalogue/ui/HotTracking.h"
#include "duplicates/ResultListCommands.h"
#include "fileops/ClipboardCopies.h"
#include "fileops/CopyMoveFiles.h"
#include "fileops/DeleteSelectedFiles.h"
#include "fileops/FileOpSteps.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

namespace {

/// The in-place edit of a row's file name: its start and its end go to the rename,
/// which the model is never asked to store, so a refused name is never shown. The
/// name keeps the list's hot-tracking look.
class FileNameDelegate : public HotTrackDelegate
{
public:
    using EditStart = std::function<void(int row)>;
    using EditEnd = std::function<void(const QString& name)>;
    FileNameDelegate(EditStart onStart, EditEnd onEnd, QObject* parent)
        : HotTrackDelegate(parent), m_onStart(std::move(onStart)), m_onEnd(std::move(onEnd))
    {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_onStart(index.row());
        return HotTrackDelegate::createEditor(parent, option, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const override
    {
        if (const auto* line = qobject_cast<QLineEdit*>(editor))
            m_onEnd(line->text());
    }

private:
    EditStart m_onStart;
    EditEnd m_onEnd;
};

/// The handler names of one list's file commands.
struct HandlerNames
{
    const char* copyShortcut;
    const char* copyTo;
    const char* copyFile;
    const char* rename;
    const char* moveTo;
    const char* deleteFile;
};

const HandlerNames& handlerNames(ActingList list)
{
    static const HandlerNames files{"Copy1_Click",       "Copyto1_Click", "Copyfile1_Click",
                                    "renamefile1_Click", "Moveto1_Click", "Deletefilea1_Click"};
    static const HandlerNames results{"Copy_Click",       "Copyto_Click", "Copyfile_Click",
                                      "renamefile_Click", "Moveto_Click", "Deletefilea_Click"};
    return list == ActingList::ListFiles2 ? files : results;
}

} // namespace

FileCommands::FileCommands(Form1& window, MediaChannels& channels)
    : QObject(&window), m_window(window), m_channels(channels)
{}

FileOpsContext FileCommands::context()
{
    return {m_window.catalogue(), m_window.services(), m_volumes, m_files, m_channels};
}

void FileCommands::install(ListCommands& table, QTableView* view, ActingList list)
{
    using Rows = std::vector<qsizetype>;
    const HandlerNames& names = handlerNames(list);
    const auto rowsOf = [this, list]() -> FileList& { return actingRows(m_window.catalogue(), list); };
    table.add(names.copyShortcut, [this, rowsOf](const Rows& rows) {
        copyShortcut(rowsOf(), rows, m_window.services().status, m_clipboard);
    });
    table.add(names.copyTo, [this, list](const Rows& rows) {
        FileOpsContext ops = context();
        copyToFolder(ops, list, rows);
    });
    table.add(names.copyFile, [this, list, rowsOf](const Rows& rows) {
        copyFilesToClipboard(list, rowsOf(), rows, m_window.services().status, m_clipboard);
    });
    table.add(names.rename, [this, view](const Rows&) { startRename(view); });
    table.add(names.moveTo, [this, list](const Rows& rows) {
        FileOpsContext ops = context();
        moveToFolder(ops, list, rows);
    });
    table.add(names.deleteFile, [this, list](const Rows& rows) {
        FileOpsContext ops = context();
        deleteSelectedFiles(ops, list, rows);
    });
    view->setItemDelegateForColumn(
        0, new FileNameDelegate([this, rowsOf](int row) { m_rename.BeforeLabelEdit(rowsOf(), row); },
                                [this, list, view](const QString& name) {
                                    FileOpsContext ops = context();
                                    // A sorted list moves the renamed row: it stays in sight.
                                    if (!m_rename.AfterLabelEdit(ops, list, name))
                                        view->scrollTo(view->currentIndex());
                                },
                                view));
}

void FileCommands::startRename(QTableView* view)
{
    const QModelIndex current = view->currentIndex();
    if (current.isValid())
        view->edit(current.siblingAtColumn(0));
}

} // namespace twinsweep
