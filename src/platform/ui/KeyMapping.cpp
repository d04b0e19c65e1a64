#include "KeyMapping.h"

#include <QHash>

namespace twinsweep {

namespace {
int keyCodeOf(int qtKey)
{
    static const QHash<int, int> named{
        {Qt::Key_Backspace, VirtualKey::Back}, {Qt::Key_Tab, VirtualKey::Tab},
        {Qt::Key_Return, VirtualKey::Return},  {Qt::Key_Enter, VirtualKey::Return},
        {Qt::Key_Escape, VirtualKey::Escape},  {Qt::Key_Space, VirtualKey::Space},
        {Qt::Key_PageUp, VirtualKey::PageUp},  {Qt::Key_PageDown, VirtualKey::PageDown},
        {Qt::Key_End, VirtualKey::End},        {Qt::Key_Home, VirtualKey::Home},
        {Qt::Key_Left, VirtualKey::Left},      {Qt::Key_Up, VirtualKey::Up},
        {Qt::Key_Right, VirtualKey::Right},    {Qt::Key_Down, VirtualKey::Down},
        {Qt::Key_Insert, VirtualKey::Insert},  {Qt::Key_Delete, VirtualKey::Delete},
    };
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return VirtualKey::A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VirtualKey::F1 + (qtKey - Qt::Key_F1);
    return named.value(qtKey, 0);
}
} // namespace

int toShiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ShiftState::Shift;
    if (modifiers & Qt::ControlModifier)
        shift |= ShiftState::Ctrl;
    if (modifiers & Qt::AltModifier)
        shift |= ShiftState::Alt;
    return shift;
}

WinKey toWinKey(const QKeyEvent& event)
{
    return {keyCodeOf(event.key()), toShiftState(event.modifiers())};
}

} // namespace twinsweep
