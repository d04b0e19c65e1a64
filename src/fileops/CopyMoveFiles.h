#pragma once

#include <QtGlobal>

#include <vector>

#include "SelectedFiles.h"

namespace twinsweep {

struct FileOpsContext;

/// "Copy to..." of both file lists (`Copyto1_Click`, `Copyto_Click`): copies the file of
/// every selected row (0-based positions) whose volume is mounted into a folder the
/// user picks, under the same name. Nothing is ever replaced: a file of that name in
/// the folder, the source itself included, makes that copy fail. Ends with "Coping
/// files done." when every selected file was copied, else with the count of files
/// copied and chosen, and of those passed over. The collection does not change.
void copyToFolder(FileOpsContext& ops, ActingList list, const std::vector<qsizetype>& selectedRows);

/// "Move to..." of both file lists (`Moveto1_Click`, `Moveto_Click`): moves the file of
/// every selected row whose volume is mounted into a folder the user picks, never
/// replacing a file there, and gives each moved file's record the folder as its Path,
/// in every list. Ends with the count of files moved and chosen, and of those passed
/// over. From the results the volume file list is refilled as well.
void moveToFolder(FileOpsContext& ops, ActingList list, const std::vector<qsizetype>& selectedRows);

} // namespace twinsweep
