#pragma once

#include <QElapsedTimer>
#include <QString>

namespace twinsweep {

class SettingsStore;

/// Message box icons, button sets and answers, numbered as the program's rules count them.
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

/// Modal message boxes and questions.
class Prompt
{
public:
    virtual ~Prompt() = default;
    /// Shows `text` and waits for an answer. `defaultButton` is 1-based; an empty
    /// caption means the application's title.
    virtual MessageAnswer ask(const QString& text, MessageIcon icon, MessageButtons buttons, int defaultButton = 1,
                              const QString& caption = {}) = 0;
    void tell(const QString& text, MessageIcon icon = MessageIcon::None, const QString& caption = {})
    {
        ask(text, icon, MessageButtons::Ok, 1, caption);
    }
};

/// The first panel of the main window's status bar and the progress bar inside it.
class StatusDisplay
{
public:
    virtual ~StatusDisplay() = default;
    virtual void setStatusText(const QString& text) = 0;
    virtual QString statusText() const = 0;
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressMaximum(qint64 maximum) = 0;
    virtual void setProgressValue(qint64 value) = 0;
};

/// `path` with the extension of the single pattern `filter` ("*.txt") appended, unless
/// it already ends in the extension's letters, in any case ("a.TXT" and "atxt" stay).
QString withFilterExtension(const QString& path, const QString& filter);

/// The common file dialogs and the folder picker. Each returns "" when cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    /// `filter` is a single pattern such as "*.ztw", shown as the one file type. The
    /// name chosen gets the pattern's extension as `withFilterExtension` adds it, and
    /// the dialog asks before a file of the name so made is replaced.
    virtual QString saveFile(const QString& initialFolder, const QString& title, const QString& filter) = 0;
    virtual QString openFile(const QString& initialFolder, const QString& title, const QString& filter) = 0;
    virtual QString chooseFolder(const QString& title) = 0;
};

/// The hourglass pointer with the main window disabled while a long operation runs.
class BusyIndicator
{
public:
    virtual ~BusyIndicator() = default;
    virtual void setBusy(bool busy) = 0;
};

/// Lets the event loop run so that windows repaint and a Cancel can be seen.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

/// Everything the program's behaviour needs of the user interface, handed to logic
/// by reference; the program passes Qt implementations, tests pass scripted fakes.
struct Services
{
    Prompt& prompt;
    StatusDisplay& status;
    FileDialogs& dialogs;
    BusyIndicator& busy;
    EventPump& pump;
    SettingsStore& settings;
};

/// Yields to the event loop by time rather than once per step, so a million-step loop
/// costs a few hundred event-loop turns. `due()` is cheap to call for every step.
class TimedYield
{
public:
    explicit TimedYield(EventPump& pump, int intervalMs = 30);
    /// True when the interval has passed; the caller writes its status text, then `yieldNow()`.
    bool due() const { return m_clock.elapsed() >= m_intervalMs; }
    void yieldNow();
    /// Yields when due; returns whether it did.
    bool maybeYield();

private:
    EventPump& m_pump;
    int m_intervalMs;
    QElapsedTimer m_clock;
};

/// Sets the busy state for the lifetime of the guard.
class BusyGuard
{
public:
    explicit BusyGuard(BusyIndicator& busy) : m_busy(busy) { m_busy.setBusy(true); }
    ~BusyGuard() { m_busy.setBusy(false); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    BusyIndicator& m_busy;
};

} // namespace twinsweep
