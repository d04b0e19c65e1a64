#include "DesktopOpener.h"

#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FileDescriptor.h"

namespace twinsweep {

namespace {

/// An opener that hands the address on ends at once; one that runs the browser
/// itself may run for hours, and is taken to have opened it once this has passed.
constexpr int PatienceMs = 5000;

/// How an opener starts: in a session of its own, so that no signal to the program's
/// process group (Ctrl+C in its terminal, the terminal closing) reaches it or what it
/// starts; with the default signal handling and no input.
class SpawnSettings
{
public:
    SpawnSettings()
    {
        posix_spawnattr_init(&attributes);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes, &signals);
        sigfillset(&signals);
        posix_spawnattr_setsigdefault(&attributes, &signals);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~SpawnSettings()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

/// Starts "xdg-open address"; its process id, or -1 when it could not be started.
pid_t startOpener(QByteArray address)
{
    const SpawnSettings settings;
    char program[] = "xdg-open";
    char* arguments[] = {program, address.data(), nullptr};
    pid_t pid = -1;
    return posix_spawnp(&pid, program, &settings.actions, &settings.attributes, arguments, environ) == 0 ? pid : -1;
}

/// How often an opener's end is asked for where the system gives no process file
/// descriptor: often enough that a failure is said within patience.
constexpr int AskingMs = 100;
/// How often it is asked for once patience is over and only the reaping is left: an
/// opener that runs the browser itself may live for hours, and an ended one costs no
/// more than its entry in the process table for the few seconds until it is reaped.
constexpr int LateAskingMs = 10'000;

/// Watches one started opener until it ends, and reaps it; its failure is reported
/// while patience lasts. The end is learnt through a process file descriptor that
/// becomes readable then or, where the system gives none, by asking on a timer.
class OpenerWatch : public QObject
{
public:
    OpenerWatch(pid_t pid, int exitSignal, std::function<void()> failed, QObject* parent)
        : QObject(parent), m_pid(pid), m_exitSignal(exitSignal), m_failed(std::move(failed))
    {
        if (m_exitSignal.isOpen()) {
            m_exitNotifier = new QSocketNotifier(m_exitSignal.get(), QSocketNotifier::Read, this);
            connect(m_exitNotifier, &QSocketNotifier::activated, this, &OpenerWatch::reap);
        } else {
            connect(&m_asking, &QTimer::timeout, this, &OpenerWatch::reap);
            m_asking.start(AskingMs);
        }
        QTimer::singleShot(PatienceMs, this, &OpenerWatch::patienceOver);
    }

private:
    void patienceOver()
    {
        m_failed = nullptr;
        if (m_asking.isActive())
            m_asking.setInterval(LateAskingMs);
    }

    void reap()
    {
        int status = 0;
        const pid_t reaped = waitpid(m_pid, &status, WNOHANG);
        if (reaped == 0)
            return;
        // Once reaped, its process id may be given to another child: ask no more.
        if (m_exitNotifier)
            m_exitNotifier->setEnabled(false);
        m_asking.stop();
        deleteLater();
        // -1: reaped elsewhere, its status unknown; it counts as having opened the address.
        const bool failed = reaped == m_pid && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        if (failed && m_failed)
            m_failed();
    }

    pid_t m_pid;
    Descriptor m_exitSignal;
    QSocketNotifier* m_exitNotifier = nullptr;
    QTimer m_asking;
    std::function<void()> m_failed;
};

} // namespace

void keepExitStatusOfChildren()
{
    struct sigaction handling = {};
    if (sigaction(SIGCHLD, nullptr, &handling) == 0 && handling.sa_handler == SIG_IGN)
        signal(SIGCHLD, SIG_DFL);
}

int openProcessDescriptor(pid_t pid)
{
    // The system call is made directly: the C library's wrapper lacks C linkage here.
    return int(syscall(SYS_pidfd_open, pid, 0));
}

bool DesktopOpener::open(const QUrl& address, std::function<void()> failed)
{
    const pid_t pid = startOpener(address.toEncoded());
    if (pid < 0)
        return false;
    new OpenerWatch(pid, m_processDescriptor(pid), std::move(failed), this);
    return true;
}

} // namespace twinsweep
