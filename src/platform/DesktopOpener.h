#pragma once

#include <QObject>

#include "DesktopLinks.h"

namespace twinsweep {

/// Opens addresses with the desktop's opener "xdg-open", found on PATH. The opener
/// runs in a session of its own and is never stopped by this program, so the browser
/// or mail program it starts outlives both this object and the program. Its exit
/// status is watched from the event loop: a status other than 0 is a failure, and an
/// opener still running after a few seconds counts as having opened the address.
class DesktopOpener : public QObject, public DesktopLinks
{
    Q_OBJECT
public:
    using QObject::QObject;
    bool open(const QUrl& address, std::function<void()> failed) override;
};

} // namespace twinsweep
