#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#include "ListCommands.h"

namespace twinsweep {

// The input rules of the volume file list `ListFiles2`; its window side lives in
// catalogue/ui/VolumeFileListView.

/// The pop-up menu `Meniu1` ("Meniu"), all entries in order.
const QList<MenuEntry>& Meniu1Entries();

/// The command that a key (Windows key code and shift state) starts in a non-empty
/// volume file list, "" for a key the list does not use.
QString ListFiles2KeyCommand(int KeyCode, int Shift);

/// What a mouse-button release over the list does: nothing (no menu) unless it is the
/// right button (`Button` 2) over a list with rows; then the selection rule to apply
/// before `Meniu1` opens.
std::optional<RightClickSelection> ListFiles2_MouseUp(int Button, int Shift, qsizetype rowCount,
                                                      qsizetype selectedCount);

/// A left press (`Button` 1) prepares a drag only when it lies left of the end of the
/// selected row's text; `selectedTextWidth` is 0 when no row is selected.
bool pressReachesSelectedText(int Button, double x, double selectedTextWidth);
/// After the press selected the row under the pointer: the row becomes the dragged
/// file when the pointer lies within its text.
bool pressStartsFileDrag(double x, double hitTextWidth);

/// The drag of a file from the volume file list carries its master position (Tag) as
/// decimal text under this type.
inline constexpr char DraggedFileMimeType[] = "application/x-twinsweep-master-row";
QByteArray draggedFilePayload(qsizetype tag);
/// The Tag a drag carries; 0 for a payload that is not one.
qsizetype draggedFileTag(const QByteArray& payload);

} // namespace twinsweep
