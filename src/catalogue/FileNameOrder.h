#pragma once

#include <QStringView>

#include <functional>
#include <span>
#include <vector>

#include "FileRecord.h"

namespace twinsweep {

/// The order of file names in a sorted list: case folded, unit by unit, a shorter name
/// going on in zero units; equal names in the order of their positions.

/// A file name's key and the place it stands for (a row of a list, of the master list).
struct KeyedName
{
    FileNameKey key;
    qsizetype position;
};

/// The name at a position, read only where two keys leave the order open.
using NameAt = std::function<QStringView(qsizetype position)>;

/// Whether `a` comes before `b`: by name, then by position.
bool nameBefore(const KeyedName& a, const KeyedName& b, const NameAt& nameAt);

/// Orders `names`, which arrive in the order of their positions, by name and then
/// position. `room` is as long, for the sort's own use.
void sortByName(std::span<KeyedName> names, std::span<KeyedName> room, const NameAt& nameAt);

/// Ranks the names of all records of `master` at once, on all processors, under a
/// ranking of its own: each record remembers its rank (`FileRecord::nameRank`), so a
/// list of records that carry that ranking sorts by numbers alone.
void rankFileNames(const std::vector<FileRecord>& master);

} // namespace twinsweep
