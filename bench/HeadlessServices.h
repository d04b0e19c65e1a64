#pragma once

#include <QElapsedTimer>

#include "platform/Services.h"
#include "platform/SettingsStore.h"

namespace twinsweep::bench {

/// Services for running core operations without windows: questions get their
/// default answer, dialogs are cancelled, status texts are kept.
struct HeadlessServices
{
    HeadlessServices();

    class SilentPrompt : public Prompt
    {
    public:
        MessageAnswer ask(const QString&, MessageIcon, MessageButtons buttons, int defaultButton,
                          const QString&) override;
    } prompt;
    class LastStatus : public StatusDisplay
    {
    public:
        void setStatusText(const QString& text) override { last = text; }
        QString statusText() const override { return last; }
        void setProgressVisible(bool) override {}
        void setProgressMaximum(qint64) override {}
        void setProgressValue(qint64) override {}
        QString last;
    } status;
    class NoDialogs : public FileDialogs
    {
    public:
        QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
        QString openFile(const QString&, const QString&, const QString&) override { return {}; }
        QString chooseFolder(const QString&) override { return {}; }
    } dialogs;
    class NoBusy : public BusyIndicator
    {
    public:
        void setBusy(bool) override {}
    } busy;
    /// Also measures how long the event loop went without a turn: how long a window
    /// would go without repainting.
    class CorePump : public EventPump
    {
    public:
        void processEvents() override;
        void restartGaps();
        /// The longest time between turns since `restartGaps`, up to now, in ms.
        qint64 longestGapMs();

    private:
        QElapsedTimer m_sinceTurn;
        qint64 m_longestGapMs = 0;
    } pump;
    SettingsStore settings;
    Services services;
};

} // namespace twinsweep::bench
