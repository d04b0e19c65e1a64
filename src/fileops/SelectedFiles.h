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

/// The files an operation was given (those of the collection), split into the ones it
/// tried and the ones it passed over because their volume is not mounted.
struct WalkCounts
{
    qsizetype attempted = 0; // files whose volume was mounted, so the action was tried
    qsizetype succeeded = 0;
    qsizetype passedOver = 0; // files whose volume is not mounted where they lie
    qsizetype chosen() const { return attempted + passedOver; }
};

/// Walks the files of `tags`, yielding to the event loop by time. A file whose volume
/// is mounted where it lies goes to `act`, which reports success; another gets the
/// status text `refusal` gives for it and is passed over.
WalkCounts walkMountedFiles(FileOpsContext& ops, const std::vector<qsizetype>& tags,
                            const std::function<QString(const FileRecord&)>& refusal,
                            const std::function<bool(qsizetype tag, const FileRecord&)>& act);

/// The refusal of a file whose volume is not mounted, as deleting and moving show it.
QString cantFindSource(const FileRecord&);

/// Asks for the folder to copy or move to; "" when cancelled, after the status text
/// "Canceled". The folder ends in "/".
QString chooseTargetFolder(Services& services);

/// The closing text: "N of M" followed by `what`, M counting every file chosen. Files
/// passed over are then said with their number and the reason, since this is the text
/// that stays on screen and the refusal of each file is replaced at once.
QString countText(const WalkCounts& counts, const QString& what);

/// The Tags of the checked rows, in row order, each once.
std::vector<qsizetype> checkedTags(const FileList& list);

} // namespace twinsweep
