#include "ListCommands.h"

#include "platform/KeyCodes.h"

namespace twinsweep {

void ListCommands::add(const QString& handler, Command command)
{
    m_commands.insert(handler, std::move(command));
}

bool ListCommands::run(const QString& handler, const std::vector<qsizetype>& selectedRows) const
{
    const auto found = m_commands.constFind(handler);
    if (found == m_commands.constEnd())
        return false;
    found.value()(selectedRows);
    return true;
}

QList<MenuEntry> shownEntries(const QList<MenuEntry>& entries, const ListCommands& commands)
{
    QList<MenuEntry> shown;
    const MenuEntry* separator = nullptr;
    for (const MenuEntry& entry : entries) {
        if (entry.isSeparator()) {
            separator = shown.isEmpty() ? nullptr : &entry;
        } else if (commands.contains(entry.handler)) {
            if (separator)
                shown.append(*separator);
            shown.append(entry);
            separator = nullptr;
        }
    }
    return shown;
}

QString routedCommand(std::span<const KeyRoute> routes, int KeyCode, int Shift)
{
    for (const KeyRoute& route : routes) {
        if (route.keyCode == KeyCode && route.shift == Shift)
            return QString::fromLatin1(route.handler);
    }
    return {};
}

RightClickSelection rightClickSelection(int Shift, qsizetype selectedCount)
{
    if (Shift == 0)
        return selectedCount > 1 ? RightClickSelection::Keep : RightClickSelection::SelectOnlyHit;
    if (Shift == ShiftState::Ctrl)
        return RightClickSelection::ToggleHit;
    return RightClickSelection::Keep;
}

} // namespace twinsweep
