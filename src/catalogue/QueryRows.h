#pragma once

#include <QString>

#include "FileList.h"

namespace twinsweep {

/// The query list's play marks, as fore colours.
inline constexpr ColorValue PlayingColor = 0x80;    // dark red: the row now playing
inline constexpr ColorValue PlayedColor = 0x808080; // grey: played
// Unplayed is the system window-text colour, `SystemWindowText`.

/// One row of the query list (the play queue).
struct QueryRow
{
    QString Filename;
    QString Path;         // folder ending in "/"
    QString Duration;     // "mm:ss"
    QString Collection;   // the volume's name, or the mount point of a file from outside the collection
    bool Checked = false; // still to be played
    ColorValue ForeColor = SystemWindowText;

    QString fullPath() const { return Path + Filename; }
};

/// Where a scan in query mode puts its rows; the query list implements it.
class QueryRowSink
{
public:
    virtual ~QueryRowSink() = default;
    virtual void append(const QueryRow& row) = 0;
};

/// What the main window's own rules need of the query list: its row count for the
/// enabled commands and "Clear list"; the query list implements it.
class QueryListState
{
public:
    virtual ~QueryListState() = default;
    virtual qsizetype rowCount() const = 0;
    /// Empties the list; playing starts from its first row again.
    virtual void clearFromFirstRow() = 0;
};

} // namespace twinsweep
