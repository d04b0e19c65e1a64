#pragma once

#include <QStringList>

#include "QtPrinters.h"
#include "catalogue/FileRecord.h"

namespace twinsweep {
struct Services;
}

namespace twinsweep::test {

/// The tags eyeD3 gives a file: an ID3v2.4 tag with text the code page lacks (title
/// "Ωmega 中 ok", artist "Art 中", comment "Ω comment 中", no year), an ID3v1.1 tag in
/// plain ASCII (title "Old title", artist "Old artist", year 1999, comment "old"), or both.
enum class TaggedBy { V24AndV1, V24, V1 };

/// A small MP3 file at `path` (replacing one there) tagged by eyeD3; a failure fails the test.
void writeEyeD3File(const QString& path, TaggedBy tags);

/// The 14 values of `row`.
QStringList rowValues(const FileRecord& row);
/// The values a new scan reads for `row`'s file with the "ID3" setting of `services`,
/// on `row`'s volume.
QStringList newScanOf(const FileRecord& row, Services& services);

} // namespace twinsweep::test
