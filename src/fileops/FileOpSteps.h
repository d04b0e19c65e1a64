#pragma once

#include <QString>

#include "platform/MediaChannels.h"

namespace twinsweep {

class Catalogue;
class FileLayer;
class SettingsStore;
class VolumeInfo;
struct Services;

/// What a file operation acts on and through: the collection, the user interface,
/// the volumes, the files on disk and the playback channels that may hold them open.
struct FileOpsContext
{
    Catalogue& catalogue;
    Services& services;
    const VolumeInfo& volumes;
    FileLayer& files;
    MediaChannels& channels;
};

/// Gives the file normal attributes before it is deleted or moved; the change stays
/// when that fails. False when the file is missing or cannot be changed.
bool ClearFileAttributes(FileLayer& files, const QString& fullPath);

/// Deletes the file as the "Backup" setting says, read anew for every file: exactly
/// "0" deletes it for good, any other value sends it to the trash. True when the file
/// is gone. A file the trash cannot take is not deleted for good instead.
bool DeleteOrRecycle(FileLayer& files, const SettingsStore& settings, const QString& fullPath);

/// Deletes a catalogued file as `DeleteOrRecycle` does, once its attributes are normal.
/// A file whose attributes cannot be cleared is left alone: deleting it anyway could
/// remove it while the collection counts it as kept.
bool DeleteCataloguedFile(FileLayer& files, const SettingsStore& settings, const QString& fullPath);

/// Sends the file to the trash; true only when it is there.
bool SendToRecycle(FileLayer& files, const QString& strFile);

namespace Module1 {
/// Deletes the file for good. It never empties the file first, so a failed delete
/// leaves the file whole, and it never creates a missing path.
bool TruncateAndDeleteFile(FileLayer& files, const QString& path);
} // namespace Module1

} // namespace twinsweep
