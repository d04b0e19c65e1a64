#pragma once

#include <QObject>

#include <sys/types.h>

#include "DesktopLinks.h"

namespace twinsweep {

/// A process file descriptor of the child `pid`, readable once the child has ended;
/// -1 where the system has none (a kernel before 5.3, a sandbox that refuses the call).
int openProcessDescriptor(pid_t pid);

/// A program started with SIGCHLD ignored, as some launchers and service managers start
/// it, has its children reaped by the system and their exit status lost. This sets the
/// default handling back, which keeps the status for waitpid, and keeps a handler of
/// someone's own. Called first thing in main, before any thread starts: once a library's
/// thread may install a handler, a read and a write of the handling can overwrite it.
void keepExitStatusOfChildren();

/// Opens addresses with the desktop's opener "xdg-open", found on PATH. The opener
/// runs in a session of its own and is never stopped by this program, so the browser
/// or mail program it starts outlives both this object and the program. Its exit
/// status (kept by `keepExitStatusOfChildren`) is watched from the event loop: a status
/// other than 0 is a failure, and an opener still running after a few seconds counts as
/// having opened the address.
class DesktopOpener : public QObject, public DesktopLinks
{
    Q_OBJECT
public:
    /// Started openers are watched through the descriptors `processDescriptor` gives.
    explicit DesktopOpener(int (*processDescriptor)(pid_t) = openProcessDescriptor, QObject* parent = nullptr)
        : QObject(parent), m_processDescriptor(processDescriptor)
    {}
    bool open(const QUrl& address, std::function<void()> failed) override;

private:
    int (*m_processDescriptor)(pid_t);
};

} // namespace twinsweep
