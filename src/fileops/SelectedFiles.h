#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace twinsweep {

class Catalogue;
class FileList;
class FileRecord;
struct FileOpsContext;
struct Services;

/// The two lists whose selected rows the file commands act on.
enum class ActingList { ListFiles2, Duplicates };

FileList& actingRows(Catalogue& catalogue, ActingList list);

/// The Tags of the given rows (0-based positions), in row order, each once: a file
/// listed in two rows is acted on once. Positions outside the list are passed over.
std::vector<qsizetype> tagsOfRows(const FileList& list, const std::vector<qsizetype>& rows);

/// The full paths of the given rows, in row order, one per row.
QStringList fullPathsOfRows(const FileList& list, const std::vector<qsizetype>& rows);

struct WalkCounts
{
    qsizetype attempted = 0; // files whose volume was mounted, so the action was tried
    qsizetype succeeded = 0;
};

/// Walks the files of `tags`, yielding to the event loop by time. A file whose volume
/// is mounted where it lies goes to `act`, which reports success; another gets the
/// status text `refusal` gives for it and counts in neither counter.
WalkCounts walkMountedFiles(FileOpsContext& ops, const std::vector<qsizetype>& tags,
                            const std::function<QString(const FileRecord&)>& refusal,
                            const std::function<bool(qsizetype tag, const FileRecord&)>& act);

/// The text for a file whose volume is not mounted, as deleting and moving show it.
QString cantFindSource();

/// Asks for the folder to copy or move to; "" when cancelled, after the status text
/// "Canceled". The folder ends in "/".
QString chooseTargetFolder(Services& services);

/// "N of M" followed by `what`, as the closing texts count.
QString countText(const WalkCounts& counts, const QString& what);

} // namespace twinsweep
