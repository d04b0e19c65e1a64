#pragma once

#include <QString>

#include "SelectedFiles.h"

namespace twinsweep {

struct FileOpsContext;

/// Whether `name` can be a file's new name inside its own folder: not empty, not "."
/// or "..", and holding no "/" and no NUL.
bool isPlainFileName(const QString& name);

/// The in-place rename of a file list row ("Rename file" of both lists): the edit start
/// remembers the row's file, the edit end renames it within its folder. One rename
/// serves both lists, as one edit runs at a time.
class FileRename
{
public:
    /// Edit start: remembers the file of `row` (0-based) of `list`.
    void BeforeLabelEdit(const FileList& list, qsizetype row);
    /// Edit end: closes the playback channels, then renames the remembered file to
    /// `NewString` without replacing another file. On success every list shows the new
    /// name (from the results the volume file list is refilled) and the collection is
    /// marked changed. Returns true when the name is refused (the edit's Cancel): the
    /// file, the rows and the collection stay as they were.
    bool AfterLabelEdit(FileOpsContext& ops, ActingList list, const QString& NewString);

    /// The full path of the file whose edit began last.
    const QString& OldLabelPath() const { return m_OldLabelPath; }

private:
    bool rename(FileOpsContext& ops, const QString& NewString);

    QString m_OldLabelPath;
    qsizetype m_tag = 0;
};

} // namespace twinsweep
