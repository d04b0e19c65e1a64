#pragma once

#include <QDialog>

#include <functional>

#include "search/StopFlag.h"
#include "tagtools/TagToolRun.h"

class QGroupBox;
class QRadioButton;

namespace twinsweep {

class WinXPbut;

/// What the two batch tag tool windows share: the scope frame "In", the start and
/// Cancel buttons, and the stop marker Cancel sets. A run disables the options, and
/// the window hides itself when the run is over.
class BatchToolWindow : public QDialog
{
    Q_OBJECT
public:
    BatchToolWindow(const QString& caption, const QString& startCaption, QWidget* parent);

    QGroupBox* Frame1 = nullptr;      // the tool's options
    QGroupBox* Frame8 = nullptr;      // "In"
    QRadioButton* Option12 = nullptr; // "All volumes"
    QRadioButton* Option11 = nullptr; // "Selected volume"
    WinXPbut* Command1 = nullptr;     // starts the run
    WinXPbut* Command2 = nullptr;     // "Cancel"
    StopFlag stopMarker;

protected:
    /// Esc and the close box act as Cancel; during a run they only ask it to stop.
    void reject() override;
    SearchScope scope() const;
    /// Runs `run`, handing it what disables the options once the user has agreed to go
    /// on; enables them again afterwards and hides the window when the run started.
    void runDisabled(const std::function<bool(const std::function<void()>& disableOptions)>& run);
    /// Lays out the options frame, the scope frame and the buttons.
    void finishLayout();

private:
    void setOptionsEnabled(bool enabled);
    void Command2_Click();
    bool m_running = false;
};

} // namespace twinsweep
