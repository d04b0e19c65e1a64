#pragma once

#include <QString>

namespace twinsweep {

/// One row of the query list (the play queue).
struct QueryRow
{
    QString Filename;
    QString Path;         // folder ending in "/"
    QString Duration;     // "mm:ss"
    QString Collection;   // the volume's name, or the mount point of a file from outside the collection
    bool Checked = false; // still to be played
};

/// Where a scan in query mode puts its rows; the query list implements it.
class QueryRowSink
{
public:
    virtual ~QueryRowSink() = default;
    virtual void append(const QueryRow& row) = 0;
};

} // namespace twinsweep
