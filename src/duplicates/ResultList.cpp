#include "ResultList.h"

#include "catalogue/Catalogue.h"
#include "platform/Services.h"

namespace twinsweep {

void Checkuncheck_Click(FileList& Duplicates, StatusDisplay& status, const std::vector<qsizetype>& selectedRows)
{
    Duplicates.toggleChecked(selectedRows);
    status.setStatusText("Done");
}

void removefl_Click(FileList& Duplicates, Services& services, const std::vector<qsizetype>& selectedRows)
{
    BusyGuard busy(services.busy);
    Duplicates.removeRows(selectedRows);
    services.status.setStatusText("Done");
}

void serachsel_Click(Catalogue& catalogue)
{
    catalogue.showLowerList(LowerList::Duplicates);
}

RightClick Duplicates_MouseUp(int Button, int Shift, qsizetype rowCount, qsizetype selectedCount)
{
    RightClick click;
    if (Button != 2)
        return click;
    if (rowCount == 0) {
        click.openQuerylist = true;
        return click;
    }
    click.selection = rightClickSelection(Shift, selectedCount);
    click.openMeniu = true;
    return click;
}

} // namespace twinsweep
