#pragma once

#include <QtGlobal>

#include <optional>

namespace twinsweep {

class Catalogue;
class FileList;
class Prompt;
class QueryPlayer;
class VolumeInfo;

/// Which volume a list's rows belong to: the volume file list's rows all to the volume
/// of its first row, the result list's each to its own file's volume.
enum class VolumeOfRow { FirstRowsVolume, OwnVolume };

/// The file lists' "Play" (and double click, and Enter): plays the file of the selected
/// row of `list` when its volume is present and the file exists; otherwise reports
/// "Can't find source! …" and leaves playback as it is. Without a selected row nothing
/// happens.
void playSelectedFile(const Catalogue& catalogue, const FileList& list, VolumeOfRow volumeOf,
                      std::optional<qsizetype> selectedRow, const VolumeInfo& volumes, Prompt& prompt,
                      QueryPlayer& player);

} // namespace twinsweep
