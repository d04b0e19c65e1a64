#include "HeadlessServices.h"

#include <QCoreApplication>
#include <QDir>

namespace twinsweep::bench {

MessageAnswer HeadlessServices::SilentPrompt::ask(const QString&, MessageIcon, MessageButtons buttons,
                                                  int defaultButton, const QString&)
{
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel)
        return defaultButton == 1 ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

void HeadlessServices::CorePump::processEvents()
{
    longestGapMs();
    QCoreApplication::processEvents();
}

void HeadlessServices::CorePump::restartGaps()
{
    m_sinceTurn.start();
    m_longestGapMs = 0;
}

qint64 HeadlessServices::CorePump::longestGapMs()
{
    if (m_sinceTurn.isValid())
        m_longestGapMs = std::max(m_longestGapMs, m_sinceTurn.restart());
    return m_longestGapMs;
}

HeadlessServices::HeadlessServices()
    : settings(QDir::tempPath() + "/twinsweep-bench-settings.ini"), services{prompt, status, dialogs,
                                                                             busy,   pump,   settings}
{}

} // namespace twinsweep::bench
