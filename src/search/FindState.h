#pragma once

#include <QObject>

#include <functional>

#include "StopFlag.h"
#include "duplicates/DuplicateSearch.h"

namespace twinsweep {

class BusyIndicator;
class Prompt;
class StatusDisplay;

/// What the Search window `find` shares with the rest of the program for the whole
/// run, whether or not the window is loaded: the `StopFlag`, whether its tab strip,
/// tab frames and Find button are enabled, and the rules of Find, Close/Cancel and
/// `cancelas`.
class FindState : public QObject, public SearchWindowLink
{
    Q_OBJECT
public:
    /// `pointer` is the screen's mouse pointer (busy = the hourglass); `status` holds
    /// the main window's progress bar.
    FindState(StatusDisplay& status, BusyIndicator& pointer);

    StopFlag& stopFlag() { return m_stopFlag; }

    /// The tab strip `TabStrip1`, the frames `Frame1` to `Frame4` and `Command1`.
    bool controlsEnabled() const { return m_controlsEnabled; }
    void setControlsEnabled(bool enabled);

    /// Gives the window back to the user and requests a stop: controls enabled, the
    /// default pointer, the `StopFlag` set, the progress bar hidden.
    void cancelas() override;

    /// Find: clears the stop request and takes the controls, then runs `search` when
    /// the selected tab's scope is chosen; otherwise tells "There is no volume
    /// selected!" and gives the window back. A press while a search still runs (after a
    /// Cancel, before the search has seen it) is ignored.
    void Command1_Click(bool scopeChosen, const std::function<void()>& search, Prompt& prompt);
    bool searchRunning() const { return m_searchRunning; }

    /// Close/Cancel with the button's `caption`: "Cancel" runs `cancelas`; returns true
    /// when the window is to be hidden ("Close").
    bool Command2_Click(const QString& caption);
    /// The caption `Timer1` gives Close/Cancel.
    static QString command2Caption(bool progressVisible);

    void Form_Load();
    void Form_Unload() { cancelas(); }

    bool stopRequested() const override { return m_stopFlag.requested(); }
    void clearStop() override { m_stopFlag.clear(); }
    void enableControls() override { setControlsEnabled(true); }

Q_SIGNALS:
    void controlsEnabledChanged(bool enabled);

private:
    StatusDisplay& m_status;
    BusyIndicator& m_pointer;
    StopFlag m_stopFlag;
    bool m_controlsEnabled = true;
    bool m_searchRunning = false;
};

} // namespace twinsweep
