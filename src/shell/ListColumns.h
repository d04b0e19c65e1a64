#pragma once

#include <QString>

#include <span>
#include <vector>

namespace twinsweep {

class SettingsStore;

/// A column of a file list as start-up creates it: its caption, the settings key its
/// width is kept under (empty for a column of fixed width) and its width in twips.
struct ListColumn
{
    const char* caption;
    const char* key;
    int defaultWidth;
};

/// The columns of one list in their creation order, and the settings section that
/// keeps their widths.
struct ListColumnSet
{
    const char* section;
    std::span<const ListColumn> columns;
};

namespace ListColumns {
extern const ListColumnSet ListFiles2; ///< "List1"; its last column "NodeNR" is hidden
extern const ListColumnSet Duplicates; ///< "List2"
extern const ListColumnSet query;      ///< "List3"; read at start-up, never written
} // namespace ListColumns

/// The widths in twips that start-up gives the columns: the stored text when it reads
/// as a width, else the default. A stored text that is not a number (or is negative)
/// cannot come from the program, and the column keeps its default width.
std::vector<double> storedColumnWidths(const SettingsStore& settings, const ListColumnSet& set);

/// Writes the widths (twips, in creation order) of the columns that have a key.
/// Widths beyond `widths` are not written.
void storeColumnWidths(SettingsStore& settings, const ListColumnSet& set, const std::vector<double>& widths);

} // namespace twinsweep
