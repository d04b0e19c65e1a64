#pragma once

#include <QString>

#include <optional>

namespace twinsweep {

class SettingsStore;

/// The main window's state as the settings count it.
enum class StoredWindowState : int { Normal = 0, Minimized = 1, Maximized = 2 };

/// The window state and size that start-up restores ("RestWind" 1) and shutdown keeps.
/// A value that cannot be read is absent and leaves that property as it is.
struct StoredWindow
{
    bool restore = true;
    std::optional<StoredWindowState> state;
    std::optional<double> width;  // twips
    std::optional<double> height; // twips
};

/// "Volume" (default 70) as a whole number from 0 to 100: a larger one is lowered to
/// 100, a negative one (which the knob cannot show) raised to 0, a text that is not a
/// number gives 0.
int storedPlayerVolume(const SettingsStore& settings);

/// "RestWind", "WindowState", "Width" and "Height".
StoredWindow storedWindow(const SettingsStore& settings);

/// Shutdown: the state always, the size (twips) only for a normal window, so that a
/// maximized or minimized window keeps the size it had before.
void storeWindow(SettingsStore& settings, StoredWindowState state, double width, double height);

/// Whether the most recent collection is opened at start ("AOpen" 1). A stored text
/// that is not a number counts as 1, as the option's test passes on a failed reading.
bool autoOpenRecent(const SettingsStore& settings);

/// The status bar text at start: "T w i n s w e e p  (v. 1.0.7)   |   " and the notice.
QString startupCaption(const QString& version, const QString& notice);

} // namespace twinsweep
