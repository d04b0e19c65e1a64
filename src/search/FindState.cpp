#include "FindState.h"

#include <QScopeGuard>

#include "platform/Services.h"

namespace twinsweep {

FindState::FindState(StatusDisplay& status, BusyIndicator& pointer) : m_status(status), m_pointer(pointer) {}

void FindState::setControlsEnabled(bool enabled)
{
    if (enabled == m_controlsEnabled)
        return;
    m_controlsEnabled = enabled;
    Q_EMIT controlsEnabledChanged(enabled);
}

void FindState::cancelas()
{
    setControlsEnabled(true);
    m_pointer.setBusy(false);
    m_stopFlag.request();
    m_status.setProgressVisible(false);
}

void FindState::Command1_Click(bool scopeChosen, const std::function<void()>& search, Prompt& prompt)
{
    if (m_searchRunning)
        return;
    m_stopFlag.clear();
    setControlsEnabled(false);
    if (!scopeChosen) {
        prompt.tell("There is no volume selected!", MessageIcon::Exclamation);
        cancelas();
        return;
    }
    m_searchRunning = true;
    const auto ended = qScopeGuard([this] { m_searchRunning = false; });
    search();
}

bool FindState::Command2_Click(const QString& caption)
{
    if (caption == "Cancel")
        cancelas();
    return caption == "Close";
}

QString FindState::command2Caption(bool progressVisible)
{
    return progressVisible ? "Cancel" : "Close";
}

void FindState::Form_Load()
{
    cancelas();
    m_stopFlag.clear();
}

} // namespace twinsweep
