#pragma once

#include <QtGlobal>

#include <vector>

#include "SelectedFiles.h"

namespace twinsweep {

struct FileOpsContext;

/// "Delete file" and the Delete key of both file lists (`Deletefilea1_Click` for the
/// volume file list, `Deletefilea_Click` for the results): after one question deletes
/// the file of every selected row (0-based positions) whose volume is mounted, to the
/// trash or for good as the "Backup" setting says, drops the deleted files from the
/// collection and every list and ends with the count of files deleted and chosen, and
/// of those passed over. From the results the volume file list is refilled as well.
void deleteSelectedFiles(FileOpsContext& ops, ActingList list, const std::vector<qsizetype>& selectedRows);

} // namespace twinsweep
