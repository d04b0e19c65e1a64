#pragma once

#include <QString>

namespace twinsweep::modMultimedia {

/// Closes the playback channel `alias` ("f1" or "f2"), which stops what plays on it
/// and releases its file. Returns "Success" or the error text of the failing command.
QString CloseMedia(const QString& alias);

} // namespace twinsweep::modMultimedia
