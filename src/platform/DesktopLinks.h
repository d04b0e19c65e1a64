#pragma once

#include <QString>
#include <QUrl>

namespace twinsweep {

/// The status text when the desktop could start no program to open `address`:
/// a mail program for a "mailto:" link, a web browser for anything else.
inline QString cantOpenText(const QUrl& address)
{
    if (address.scheme() == u"mailto")
        return "Can't open a mail program for " + address.path();
    return "Can't open a web browser for " + address.toString();
}

} // namespace twinsweep
