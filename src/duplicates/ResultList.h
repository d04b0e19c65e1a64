#pragma once

#include <QtGlobal>

#include <vector>

#include "catalogue/ListCommands.h"

namespace twinsweep {

class Catalogue;
class FileList;
class StatusDisplay;
struct Services;

// The result list's own commands. Selected rows are passed as 0-based positions.

/// Flips the check mark of every selected row; the other rows keep theirs.
void Checkuncheck_Click(FileList& Duplicates, StatusDisplay& status, const std::vector<qsizetype>& selectedRows);

/// Drops the selected rows from the result list only: the collection and the other
/// lists stay, and the remaining rows keep their Tags and colours.
void removefl_Click(FileList& Duplicates, Services& services, const std::vector<qsizetype>& selectedRows);

/// Shows the result list in the lower pane instead of the query list. The searches
/// end with the same step.
void serachsel_Click(Catalogue& catalogue);

struct RightClick
{
    bool openQuerylist = false; // the one-entry menu of an empty list
    bool openMeniu = false;
    RightClickSelection selection = RightClickSelection::Keep;
};

/// `Button` 2 is the right button; `Shift` 0 none, 2 Ctrl (a sum of states matches neither).
RightClick Duplicates_MouseUp(int Button, int Shift, qsizetype rowCount, qsizetype selectedCount);

} // namespace twinsweep
