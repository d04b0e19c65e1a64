#pragma once

#include <QString>

namespace twinsweep {

/// Whether `path` is a RIFF/WAVE file whose data chunk is followed by 1 to 7 bytes, too
/// few for another chunk: the pad byte after data of odd length, or stray bytes. Such a
/// file is sound (RIFF pads every chunk to an even length), but GStreamer 1.22's WAV parser
/// takes the stub for a damaged chunk and plays none of the file.
bool waveDataEndsInStub(const QString& path);

} // namespace twinsweep
