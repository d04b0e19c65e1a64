#pragma once

#include <QList>
#include <QString>

#include <vector>

#include "FileRecord.h"
#include "VolumeTree.h"

namespace twinsweep {

class EventPump;
class LineWriter;

/// The collection file (".ztw"): text lines ended by CR LF, written as UTF-8 and read
/// as UTF-8 or, when its bytes are not valid UTF-8, as Windows-1252. First one tree
/// line per volume, "ZTW:" Key "," Tag "," Text; then one block of 15 lines per file:
/// "Item nr. " and its 1-based position, then the 14 values in column order. There is
/// no header, count or terminator; an empty collection is an empty file.
///
/// A block is read as a unit, so a value beginning with "ZTW:" or "Item nr. " is
/// still a value; a block cut short by the end of the file is dropped; lines that are
/// neither tree lines nor blocks are passed over.
namespace saveload {

/// The text before the first comma; all of `text` when it has none.
QString LeftOfComma(const QString& text);
/// The text after the first comma; "" when it has none.
QString RightOfComma(const QString& text);

/// Splits what follows "ZTW:" into Key, Tag and Text. The Tag is the first field
/// between two commas that is a whole number or "Nera", so a Key holding commas (a
/// folder name with a comma) reads back whole, and so does a Text. A line with no
/// such field splits at its first two commas, fields that are missing are "".
VolumeNode splitTreeLine(const QString& rest);

/// Writes the tree lines of every volume, in node order.
void SaveTree(const VolumeTree& tree, LineWriter& out);

/// What the first pass over a collection file finds.
struct TreeLines
{
    QList<VolumeNode> nodes;
    bool utf8 = true;     // false: the file is read as Windows-1252
    qsizetype blocks = 0; // record blocks seen, for sizing the master list
};

/// First pass: the volumes of the file at `path`, in file order. A Key used by an
/// earlier volume is left empty, as the tree takes each Key once. The event loop runs
/// now and then. Returns false with `error` set when the file cannot be read.
bool LoadTree(const QString& path, EventPump& pump, TreeLines& tree, QString& error);

/// A whole collection as read from or written to a file.
struct CollectionContent
{
    QList<VolumeNode> nodes;
    std::vector<FileRecord> records;
};

/// Reads both passes; the event loop runs now and then. False with `error` set when
/// the file cannot be read.
bool readCollection(const QString& path, EventPump& pump, CollectionContent& content, QString& error);

/// Writes `nodes` and `records` to `path` through a temporary file that replaces it
/// only when everything was written; the event loop runs now and then. False with
/// `error` set when the file could not be written (the old file is then untouched).
bool writeCollection(const VolumeTree& tree, const std::vector<FileRecord>& records, const QString& path,
                     EventPump& pump, QString& error);

} // namespace saveload
} // namespace twinsweep
