#pragma once

#include <QString>

namespace twinsweep {

// Copying and moving files so that nothing the user did not ask to lose is lost: no
// call replaces an existing file, and a failed call leaves no partial target behind.

/// Renames `from` to `to` within one filesystem unless something is already at `to`.
/// Where the filesystem refuses the no-replace flag, a new link plus the removal of the
/// old name stands in for it. False (nothing changed) on any failure.
bool renameNoReplace(const QString& from, const QString& to);

/// Copies the file `from` to `to` unless something is already at `to`: the bytes go to
/// a temporary file in `to`'s folder, are synced, and that file takes the name `to`
/// without replacing. It keeps the source's permission bits and modification time. On
/// any failure the temporary file is removed again.
bool copyFileNoReplace(const QString& from, const QString& to);

/// How the source of a move across filesystems is removed once its copy is in place.
using RemoveSource = bool (*)(const QString& path);
bool unlinkPath(const QString& path);

/// Moves a file to `to` on another filesystem: a copy as `copyFileNoReplace`, then the
/// removal of the source. When the source cannot be removed the copy is removed again,
/// so a failure at any step leaves the source where it was and nothing at `to`.
bool moveAcrossFilesystems(const QString& from, const QString& to, RemoveSource removeSource = unlinkPath);

/// Moves or renames a file without replacing: a rename within a filesystem, and
/// `moveAcrossFilesystems` between two.
bool moveFileNoReplace(const QString& from, const QString& to);

} // namespace twinsweep
