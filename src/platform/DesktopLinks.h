#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace twinsweep {

/// The status text when the desktop could start no program to open `address`:
/// a mail program for a "mailto:" link, a web browser for anything else.
inline QString cantOpenText(const QUrl& address)
{
    if (address.scheme() == u"mailto")
        return "Can't open a mail program for " + address.path();
    return "Can't open a web browser for " + address.toString();
}

/// Hands web addresses and "mailto:" links to the desktop, which opens them in the
/// user's browser or mail program.
class DesktopLinks
{
public:
    virtual ~DesktopLinks() = default;
    /// Starts opening `address`; false when nothing could be started for it. Once
    /// started, `failed` may run later, from the event loop and while this object
    /// lives, when the desktop reports that it could open nothing after all.
    virtual bool open(const QUrl& address, std::function<void()> failed) = 0;
};

} // namespace twinsweep
