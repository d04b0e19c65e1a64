#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace twinsweep {

/// What the enable rules of the main window look at; counts only, so a rule costs
/// the same for ten files as for a million.
struct InterfaceState
{
    int volumeCount = 0;
    bool resultListShown = false; // `Duplicates` in the lower pane
    qsizetype resultRows = 0;
    bool queryShown = false; // `query` in the lower pane
    qsizetype queryRows = 0;
};

/// One command whose enabled state the rules decide, named as a menu entry (its
/// object name, "Save1") or as a toolbar button (its command name, "Save1_Click").
struct CommandEnabled
{
    QString name;
    bool enabled = false;
    bool operator==(const CommandEnabled&) const = default;
};

/// The enabled state of every command that `state` decides, in the order the rules
/// apply them; a command the list leaves out keeps its state. Without volumes the
/// collection commands are off ("&Add volume", "&Open" and "Import from..." are
/// never touched); the result toolbar's buttons follow the list in the lower pane.
QList<CommandEnabled> enabledCommands(const InterfaceState& state);

/// Clears a status text that has stayed unchanged for `ExpiryTicks` ticks of the
/// interface timer. The count pauses while the progress bar shows and goes on
/// where it stood when the bar hides.
class StatusExpiry
{
public:
    static constexpr int ExpiryTicks = 1500;
    /// One tick with `statusText` shown; true when the caller must clear the text now.
    bool tick(const QString& statusText, bool progressVisible);

private:
    QString m_LastStatusText;
    int m_StatusTicks = 0;
};

/// Where the progress bar sits: in the status bar to the right of the status text,
/// `textWidth` pixels wide, with a gap of 150 twips after it and 40 twips off the
/// top. A side that would come out negative keeps its value from `current`.
QRect progressBarGeometry(const QRect& statusBar, int textWidth, const QRect& current, double logicalDpi);

} // namespace twinsweep
