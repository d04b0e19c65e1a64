#include "AppInfo.h"

namespace twinsweep::AppInfo {

QString versionText()
{
    // The build passes the version of the project file to this file alone.
    return QStringLiteral("%1.%2.%3")
        .arg(TWINSWEEP_VERSION_MAJOR)
        .arg(TWINSWEEP_VERSION_MINOR)
        .arg(TWINSWEEP_VERSION_PATCH);
}

} // namespace twinsweep::AppInfo
