#pragma once

#include <QString>

namespace twinsweep {

class FileDialogs;

/// Small procedures many windows share: the file dialogs, the duration text and
/// two path helpers.
namespace Module1 {

/// The Save dialog with one file type, `filter` (e.g. "*.m3u"); "" when cancelled.
/// Choosing an existing file asks nothing.
QString ShowSaveDialog(FileDialogs& dialogs, const QString& initialFolder, const QString& title, const QString& filter);
/// The Open dialog; it also accepts the name of a file that does not exist.
QString ShowOpenDialog(FileDialogs& dialogs, const QString& initialFolder, const QString& title, const QString& filter);

/// Minutes (at least two digits, not wrapped at 60), ":" and two-digit seconds:
/// 3725 -> "62:05". Negative seconds keep their sign in both parts.
QString FormatDuration(qint64 seconds);

/// The last component of a path: "/music/a.mp3" -> "a.mp3"; "/music/" -> "".
QString FileNameFromPath(const QString& path);

/// The absolute path spelled as on disk, or "" when a component does not exist.
QString GetLongPath(const QString& path);

} // namespace Module1
} // namespace twinsweep
