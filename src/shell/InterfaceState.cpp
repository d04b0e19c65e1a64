#include "InterfaceState.h"

#include "platform/Twips.h"
#include "shell/ToolbarLayout.h"

namespace twinsweep {

namespace {

/// Menu entries and buttons that need at least one volume.
constexpr const char* volumeCommands[]{
    "Newlist",
    "Save",
    "Save1",
    "exp",
    "printint",
    "Statistic",
    ToolbarCommand::Save,
    ToolbarCommand::NewCollection,
    ToolbarCommand::Statistics,
    ToolbarCommand::Search,
    "Search",
    "filnametotag",
    "rnmr",
    "Updatevolume",
    "Renamevolume",
    "Removevolume",
};

void setResultButtons(QList<CommandEnabled>& commands, bool deleteFiles, bool clearList, bool statistics)
{
    commands.append({ToolbarCommand::DeleteFiles, deleteFiles});
    commands.append({ToolbarCommand::ClearList, clearList});
    commands.append({ToolbarCommand::ResultStatistics, statistics});
}

} // namespace

QList<CommandEnabled> enabledCommands(const InterfaceState& state)
{
    QList<CommandEnabled> commands;
    const bool anyVolume = state.volumeCount > 0;
    for (const char* name : volumeCommands)
        commands.append({name, anyVolume});
    // The Edit menu is only ever switched on here, so "&Add volume" works on an empty collection.
    if (anyVolume)
        commands.append({"edit", true});
    // Only the result list's rows can be deleted or counted; the query list can only be cleared.
    if (state.resultListShown) {
        const bool rows = state.resultRows > 0;
        setResultButtons(commands, rows, rows, rows);
    }
    if (state.queryShown)
        setResultButtons(commands, false, state.queryRows > 0, false);
    return commands;
}

bool StatusExpiry::tick(const QString& statusText, bool progressVisible)
{
    if (statusText != m_LastStatusText) {
        m_LastStatusText = statusText;
        m_StatusTicks = 0;
    }
    if (progressVisible || ++m_StatusTicks != ExpiryTicks)
        return false;
    m_LastStatusText.clear();
    m_StatusTicks = 0;
    return true;
}

QRect progressBarGeometry(const QRect& statusBar, int textWidth, const QRect& current, double logicalDpi)
{
    const int inset = twipsToPixels(40, logicalDpi);
    const int gap = twipsToPixels(150, logicalDpi);
    QRect bar = current;
    bar.moveTop(statusBar.top() + inset);
    bar.moveLeft(statusBar.left() + textWidth + gap);
    // A text wider than the status bar leaves no room: the bar keeps its former size.
    const int width = statusBar.width() - (statusBar.left() + textWidth + gap);
    if (width >= 0)
        bar.setWidth(width);
    const int height = statusBar.height() - inset;
    if (height >= 0)
        bar.setHeight(height);
    return bar;
}

} // namespace twinsweep
