#pragma once

#include <QAction>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "shell/InterfaceState.h"

namespace twinsweep {

class Form1;
class QueryListState;

/// The main window's interface state timer `Timer1`. Every 10 ms, for the life of
/// the window, it enables the menu entries and toolbar buttons as the collection
/// and the lower pane's list allow, clears a status text left unchanged for 1500
/// ticks and keeps the progress bar in the status bar right of the text. A tick
/// reads counts only, so it costs the same for a million files.
class InterfaceTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr int IntervalMs = 10;

    InterfaceTimer(Form1& window, const QueryListState& query);

    /// One tick.
    void Timer1_Timer();

private:
    InterfaceState state() const;
    void applyEnabled(const QList<CommandEnabled>& commands);
    void lookUpEntries();
    void expireStatusText();
    void placeProgressBar();

    Form1& m_window;
    const QueryListState& m_query;
    QTimer m_timer;
    StatusExpiry m_expiry;
    static constexpr int LookupEveryTicks = 100;
    int m_ticksSinceLookup = 0;
    QHash<QString, QList<QPointer<QAction>>> m_entries; // menu entries and buttons by object name
    QString m_measuredText;
    int m_textWidth = 0;
};

} // namespace twinsweep
