#pragma once

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

#include "platform/DesktopLinks.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

namespace twinsweep::test {

/// Records every message box and answers from a script; with no scripted answer
/// left it presses the default button.
class FakePrompt : public Prompt
{
public:
    struct Shown
    {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        int defaultButton;
        QString caption;
    };
    MessageAnswer ask(const QString& text, MessageIcon icon, MessageButtons buttons, int defaultButton,
                      const QString& caption) override;

    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;
    /// Runs while a box is open, to look at the windows behind it.
    std::function<void(const QString& text)> whileAsking;
    QStringList texts() const;
};

/// Keeps the current status text, every text written, and the progress bar state.
class FakeStatus : public StatusDisplay
{
public:
    void setStatusText(const QString& text) override;
    QString statusText() const override { return current; }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setProgressMaximum(qint64 maximum) override { progressMaximum = maximum; }
    void setProgressValue(qint64 value) override { progressValue = value; }

    QString current;
    QStringList history;
    bool progressVisible = false;
    qint64 progressMaximum = 0;
    qint64 progressValue = 0;
};

/// Answers file dialogs and the folder picker from a script ("" = cancelled).
class FakeDialogs : public FileDialogs
{
public:
    QString saveFile(const QString& initialFolder, const QString& title, const QString& filter) override;
    QString openFile(const QString& initialFolder, const QString& title, const QString& filter) override;
    QString chooseFolder(const QString& title) override;

    std::deque<QString> answers;
    QStringList titles;
    QStringList filters;

private:
    QString next(const QString& title, const QString& filter);
};

class FakeBusy : public BusyIndicator
{
public:
    void setBusy(bool busy) override;
    int depth = 0;
    int timesBusy = 0;
};

/// Counts event-loop turns and runs `onProcessEvents` at each, so a test can act
/// "while" a long operation runs (press Cancel, change a list).
class FakePump : public EventPump
{
public:
    void processEvents() override;
    int turns = 0;
    std::function<void()> onProcessEvents;
};

/// Records the addresses handed to the desktop; `starts` scripts whether a program
/// starts for them.
class FakeDesktop : public DesktopLinks
{
public:
    bool open(const QUrl& address, std::function<void()>) override
    {
        opened << address;
        return starts;
    }
    QList<QUrl> opened;
    bool starts = true;
};

/// All services, with settings in a fresh INI file of their own.
struct FakeServices
{
    FakeServices();
    FakePrompt prompt;
    FakeStatus status;
    FakeDialogs dialogs;
    FakeBusy busy;
    FakePump pump;
    SettingsStore settings;
    Services services;
    FakeDesktop desktop;
};

} // namespace twinsweep::test
