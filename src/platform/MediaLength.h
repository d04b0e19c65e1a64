#pragma once

#include <QString>

namespace twinsweep {

/// The playing time in milliseconds that the file's own headers give (MP3 frame and
/// Xing headers, WAV format chunk), 0 when they cannot be read.
qint64 headerLengthMs(const QString& path);

} // namespace twinsweep
