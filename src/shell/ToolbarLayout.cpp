#include "ToolbarLayout.h"

namespace twinsweep {

namespace {
/// Numbers the places and puts a separator before every button but the first.
QList<ToolbarButton> withSeparators(const QList<ToolbarButton>& buttons)
{
    QList<ToolbarButton> places;
    for (ToolbarButton button : buttons) {
        if (!places.isEmpty())
            places.append(ToolbarButton{int(places.size()) + 1, {}, {}, {}, {}});
        button.index = int(places.size()) + 1;
        places.append(button);
    }
    return places;
}
} // namespace

const QList<ToolbarButton>& Toolbar1Buttons()
{
    static const QList<ToolbarButton> places = withSeparators({
        {0, ToolbarCommand::AddVolume, "Add volume", "Add a folder or a drive to the collection as a volume",
         "add-volume"},
        {0, ToolbarCommand::Save, "Save", "Save the collection", "save"},
        {0, ToolbarCommand::Open, "Open", "Open a collection file", "open"},
        {0, ToolbarCommand::NewCollection, "New collection", "Start a new, empty collection", "new-collection"},
        {0, ToolbarCommand::Statistics, "Statistics", "Statistics of the whole collection", "statistics"},
    });
    return places;
}

const QList<ToolbarButton>& Toolbar2Buttons()
{
    static const QList<ToolbarButton> places = withSeparators({
        {0, ToolbarCommand::Search, "Search", "Search the collection", "search"},
        {0, ToolbarCommand::DeleteFiles, "Delete file(s)", "Delete the checked files of the result list", "delete"},
        {0, ToolbarCommand::About, "About", "About Twinsweep", "about"},
        {0, ToolbarCommand::ClearList, "Clear list", "Empty the list shown below", "clear-list"},
        {0, ToolbarCommand::ResultStatistics, "Statistics", "Statistics of the result list and of its checked rows",
         "statistics"},
    });
    return places;
}

int ToolbarCommands::indexOf(const QString& command) const
{
    for (const ToolbarButton& button : m_buttons) {
        if (!button.isSeparator() && button.command == command)
            return button.index;
    }
    return 0;
}

bool ToolbarCommands::add(const QString& command, Command run)
{
    if (indexOf(command) == 0)
        return false;
    m_commands.insert(command, std::move(run));
    return true;
}

bool ToolbarCommands::ButtonClick(int index) const
{
    if (index < 1 || index > m_buttons.size())
        return false;
    const auto found = m_commands.constFind(m_buttons[index - 1].command);
    if (found == m_commands.constEnd())
        return false;
    found.value()();
    return true;
}

} // namespace twinsweep
