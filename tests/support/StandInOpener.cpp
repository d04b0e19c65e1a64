#include "StandInOpener.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <functional>
#include <signal.h>

#include "ScratchFiles.h"

namespace twinsweep::test {

namespace {
/// Runs the event loop until `done` holds; false when it does not within a minute.
bool eventLoopUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(60'000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}
} // namespace

StandInOpener::StandInOpener(const QString& body) : m_folder(freshFolder("opener")), m_path(qgetenv("PATH"))
{
    if (body.isNull()) {
        qputenv("PATH", QFile::encodeName(m_folder));
        return;
    }
    const QString script = m_folder + "/xdg-open";
    writeFile(script, "#!/bin/sh\ncd '" + QFile::encodeName(m_folder) + "' || exit 99\n" +
                          "printf '%s' \"$1\" > argument\necho $$ > pid.tmp && mv pid.tmp pid\n" + body.toUtf8() +
                          "\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_folder) + ":" + m_path);
}

StandInOpener::~StandInOpener()
{
    qputenv("PATH", m_path);
}

pid_t StandInOpener::waitUntilStarted() const
{
    const QString noted = m_folder + "/pid";
    if (!eventLoopUntil([&] { return QFile::exists(noted); }))
        return -1;
    return readFile(noted).trimmed().toInt();
}

QByteArray StandInOpener::argument() const
{
    return readFile(m_folder + "/argument");
}

bool StandInOpener::waitUntilReaped() const
{
    const pid_t pid = waitUntilStarted();
    // A process that has ended but was not reaped still takes signals.
    return pid > 0 && eventLoopUntil([pid] { return kill(pid, 0) == -1 && errno == ESRCH; });
}

} // namespace twinsweep::test
