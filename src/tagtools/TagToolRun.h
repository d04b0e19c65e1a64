#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "catalogue/FileRecord.h"

namespace twinsweep {

class Catalogue;
class FileLayer;
class MediaChannels;
class Mp3TagReader;
class StopFlag;
struct Services;

/// Which files a batch tag tool works on: the selected volume's (`ListFiles2`) or the
/// whole collection's (`ListFiles`).
enum class SearchScope { None, SelectedVolume, AllVolumes };

/// What the batch tag tools act on and through.
struct TagToolContext
{
    Catalogue& catalogue;
    Services& services;
    FileLayer& files;
    MediaChannels& channels;
    Mp3TagReader& reader;
};

/// Whether the tools take the file: its full path ends in "MP3", any letter case.
bool isMp3Path(const QString& fullPath);

/// A field counts as empty when it holds nothing but blanks.
bool isBlank(const QString& text);

/// The master rows (1-based Tags) of the scope, in list order.
std::vector<qsizetype> scopeTags(const Catalogue& catalogue, SearchScope scope);

/// Runs `step` on the master row of every Tag of the scope while no stop is asked;
/// returns how many steps reported success. It closes the player's channels first,
/// shows `startText` and the progress, yields to the event loop now and then (the stop
/// is seen there), and at the end refills the volume file list and marks the
/// collection changed when a step succeeded. Status text and window state stay to the
/// caller.
qsizetype runOverScope(TagToolContext& tools, SearchScope scope, StopFlag& stop, const QString& startText,
                       const std::function<bool(FileRecord& row)>& step);

} // namespace twinsweep
