#pragma once

#include <QString>

namespace twinsweep {

/// What the program says about itself: its version and how to reach its makers.
/// The about box, the Help menu and the status bar at start take them from here.
namespace AppInfo {

/// "major.minor.patch" in decimal without padding ("1.0.7"), from the build's version.
QString versionText();

inline constexpr char HomePage[] = "https://twinsweep.example.org/";
inline constexpr char EmailAddress[] = "twinsweep@example.org";
inline constexpr char Copyright[] = "Copyright \u00a9 2026 the Twinsweep developers";
/// The Help menu's support message.
inline constexpr char SupportText[] = "Questions, ideas and faults found are welcome at twinsweep@example.org.\n"
                                      "News and help: https://twinsweep.example.org/";

/// The link a mail program opens a new message with.
inline QString mailLink()
{
    return QStringLiteral("mailto:") + QLatin1String(EmailAddress);
}

} // namespace AppInfo
} // namespace twinsweep
