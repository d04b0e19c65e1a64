#pragma once

namespace twinsweep {

struct FileOpsContext;

/// The result toolbar's "Delete file(s)": after one question deletes the file of
/// every checked result row, to the trash or for good as the "Backup" setting says,
/// drops the deleted files from the collection and every list, refills the volume
/// file list and ends with the count of files deleted and chosen. A file whose volume
/// is not mounted where it lies is not touched; the closing text says it was passed
/// over. A file listed in several checked rows is tried once.
void Delete_Click(FileOpsContext& ops);

} // namespace twinsweep
