#pragma once

namespace twinsweep {

/// Keyboard rules are written with Windows virtual key codes and shift states;
/// platform/ui/KeyMapping turns a Qt key event into these.
namespace VirtualKey {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int A = 65;
constexpr int Numpad0 = 96;
constexpr int F1 = 112;
} // namespace VirtualKey

namespace ShiftState {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace ShiftState

struct WinKey
{
    int keyCode = 0;
    int shift = 0;
};

} // namespace twinsweep
