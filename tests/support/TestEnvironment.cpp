#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "TestEnvironment.h"

namespace twinsweep::test {

namespace {
QTemporaryDir& runFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + "/twinsweep-tests-XXXXXX");
    return folder;
}

void pointAt(const char* variable, const QString& path)
{
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(variable, path.toLocal8Bit());
}
} // namespace

QString scratchRoot()
{
    return runFolder().path();
}

void isolateUserFolders()
{
    const QString root = runFolder().path();
    pointAt("XDG_CONFIG_HOME", root + "/config");
    pointAt("XDG_DATA_HOME", root + "/data");
    pointAt("XDG_CACHE_HOME", root + "/cache");
    pointAt("XDG_RUNTIME_DIR", root + "/runtime");
    QDir().mkpath(root + "/work");
}

} // namespace twinsweep::test
