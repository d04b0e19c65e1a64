#include "Services.h"

namespace twinsweep {

QString withFilterExtension(const QString& path, const QString& filter)
{
    const QStringView extension = QStringView(filter).mid(2); // past "*."
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + '.' + extension;
}

TimedYield::TimedYield(EventPump& pump, int intervalMs) : m_pump(pump), m_intervalMs(intervalMs)
{
    m_clock.start();
}

void TimedYield::yieldNow()
{
    m_pump.processEvents();
    m_clock.restart();
}

bool TimedYield::maybeYield()
{
    if (!due())
        return false;
    yieldNow();
    return true;
}

} // namespace twinsweep
