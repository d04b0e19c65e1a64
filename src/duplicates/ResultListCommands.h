#pragma once

#include <QList>
#include <QString>

#include "catalogue/ListCommands.h"

namespace twinsweep {

/// The routing table of the result list: the same mechanism as every file list's.
using ResultListCommands = ListCommands;

/// The result list's pop-up menu `Meniu`, all entries in order.
const QList<MenuEntry>& MeniuEntries();
/// The one-entry menu `querylist`, opened instead of `Meniu` on an empty list.
const QList<MenuEntry>& querylistEntries();

/// The command that a key (Windows key code and shift state) starts in a non-empty
/// result list, "" for a key the list does not use.
QString keyCommand(int KeyCode, int Shift);

} // namespace twinsweep
