#include "KeyMapping.h"

#include <QHash>

namespace twinsweep {

namespace {
/// The punctuation keys of a US keyboard, shifted or not, by their key's code.
int punctuationCodeOf(int qtKey)
{
    static const QHash<int, int> codes{
        {Qt::Key_Semicolon, 186},  {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},        {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},       {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190},     {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},        {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192},  {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},  {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
        {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    };
    return codes.value(qtKey, 0);
}

/// The digits and operators of the numeric keypad.
int keypadCodeOf(int qtKey)
{
    static const QHash<int, int> operators{
        {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
    };
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VirtualKey::Numpad0 + (qtKey - Qt::Key_0);
    return operators.value(qtKey, 0);
}

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
    if (const int code = named.value(qtKey, 0))
        return code;
    return punctuationCodeOf(qtKey);
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
    const int keypadCode = event.modifiers() & Qt::KeypadModifier ? keypadCodeOf(event.key()) : 0;
    return {keypadCode ? keypadCode : keyCodeOf(event.key()), toShiftState(event.modifiers())};
}

int keyAscii(const QKeyEvent& event)
{
    return event.text().isEmpty() ? 0 : event.text().front().unicode();
}

} // namespace twinsweep
