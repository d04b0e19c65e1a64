#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace twinsweep::test {

/// A stand-in for the desktop's opener "xdg-open", first on PATH while the object
/// lives: a shell script that notes its process id and argument, then runs `body`
/// ("exit 3"). A null body leaves no opener on PATH at all.
class StandInOpener
{
public:
    explicit StandInOpener(const QString& body);
    ~StandInOpener();
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    /// The folder the script runs beside; a body may wait for files there.
    QString folder() const { return m_folder; }
    /// Runs the event loop until the stand-in has started; its process id, or -1.
    pid_t waitUntilStarted() const;
    /// The address the stand-in was given.
    QByteArray argument() const;
    /// Runs the event loop until the started stand-in has ended and was reaped; false
    /// when it has not within a minute.
    bool waitUntilReaped() const;

private:
    QString m_folder;
    QByteArray m_path;
};

} // namespace twinsweep::test
