#pragma once

#include <optional>

namespace twinsweep {

class modMultimedia;
class SettingsStore;
class StatusDisplay;

/// The volume knob's arithmetic. `freeWidth` is the track's width less the knob's
/// (twips), the room the knob's left edge moves in.
namespace VolumeKnob {

/// The knob's new left edge for a pointer at `pointerX` (twips from the track's left
/// edge) held `grip` twips right of the knob's left edge: rounded half to even and kept
/// within 0 to `freeWidth`. Nothing on a track not wider than the knob.
std::optional<double> leftFromPointer(double pointerX, double grip, double freeWidth);
/// The level (per cent) a knob at `left` stands for, rounded half to even.
int levelFromLeft(double left, double freeWidth);
/// The knob's left edge for a level, as start-up places it.
double leftFromLevel(int level, double freeWidth);

} // namespace VolumeKnob

/// Makes `level` the playback volume: both channels take it at once, the status text
/// shows it and the setting "Volume" keeps it.
void applyPlayerVolume(int level, int& PlayerVolume, modMultimedia& channels, StatusDisplay& status,
                       SettingsStore& settings);

} // namespace twinsweep
