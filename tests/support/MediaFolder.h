#pragma once

#include <QStringList>

namespace twinsweep::test {

/// A new folder under the scratch root holding `entries`, paths relative to it: a name
/// ending in ".mp3" (any case) becomes a small valid MP3 file, ".wav" a one-second WAV
/// file, anything else an empty file. Returns the folder's path, without a trailing "/".
QString makeMediaFolder(const QStringList& entries);

} // namespace twinsweep::test
