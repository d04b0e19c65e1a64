#pragma once

#include <QPointer>
#include <QWidget>

namespace twinsweep {

/// Gives the keyboard back after a command. Disabling a widget takes the keyboard from
/// it, and a list refilled meanwhile forgets its current row: `remember` notes both
/// before the command, `giveBack` returns them once the widget can take the keyboard.
class KeyboardKeeper
{
public:
    void remember(const QWidget& window);
    void giveBack();

private:
    QPointer<QWidget> m_keyboard;
    int m_currentRow = -1;
};

} // namespace twinsweep
