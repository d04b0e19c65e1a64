#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "catalogue/ListCommands.h"

namespace twinsweep {

class Catalogue;
class EventPump;
class Prompt;
class QueryList;
struct Services;

/// What the query list needs of the player; playback implements it.
class QueryPlayer
{
public:
    virtual ~QueryPlayer() = default;
    /// Starts the file at `path` (which exists) and recolours the query list.
    virtual void playmedia(const QString& path) = 0;
    /// Whether a crossfade runs; a player that never fades says no.
    virtual bool fading() const { return false; }
};

// The query list's commands. A "selected row" is the one row the list calls selected
// (0-based), none when no row is; the commands do nothing without it.

/// Recolours the play marks: every row in the playing colour other than the Tag's row
/// turns grey, then the Tag's row takes the playing colour. Rows of any other colour
/// keep it; a Tag that holds no number changes nothing.
void checkcolor(QueryList& query, EventPump& pump);

/// "Add to query" of the volume file list: appends the selected rows of `ListFiles2`
/// (0-based, ascending) as checked rows, shows the query list's row count and then the
/// query list itself. "Collection" is the name of the row's volume.
void addquery_Click(Catalogue& catalogue, QueryList& query, Services& services,
                    const std::vector<qsizetype>& selectedRows);
/// The same for the selected rows of the result list; "Collection" is the result row's own.
void addquery1_Click(Catalogue& catalogue, QueryList& query, Services& services,
                     const std::vector<qsizetype>& selectedRows);

/// Plays the selected row when its file exists: unchecks it, makes it the Tag's row and
/// starts it. A missing file is reported and changes nothing; during a crossfade nothing
/// happens at all.
void queryplay_Click(QueryList& query, Prompt& prompt, QueryPlayer& player, std::optional<qsizetype> selectedRow);
void queryrem_Click(QueryList& query, std::optional<qsizetype> selectedRow);
void queryclear_Click(QueryList& query);
/// Paints the selected row grey (played) or in the window-text colour (unplayed); its
/// check mark stays.
void querymplayed_Click(QueryList& query, std::optional<qsizetype> selectedRow);
void querymunplayed_Click(QueryList& query, std::optional<qsizetype> selectedRow);

/// What a right-button release over the query list does to the selection: the file
/// lists' rule over a list with rows, nothing over an empty one. The pop-up menu opens
/// after it in every case, over an empty list too.
RightClickSelection query_MouseUp(int Shift, qsizetype rowCount, qsizetype selectedCount);

} // namespace twinsweep
