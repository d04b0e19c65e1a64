#include "CommandLine.h"

#include <QFileInfo>

#include "StartupSettings.h"
#include "catalogue/Module1.h"
#include "catalogue/cDirEx.h"
#include "platform/DirectoryListing.h"

namespace twinsweep {

namespace {

/// A plain file that a file search without attribute flags finds: folders and hidden
/// files do not count.
bool isVisibleFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    const std::optional<int> attributes = fileAttributes(path);
    return attributes && (*attributes & (FileAttribute::Directory | FileAttribute::Hidden)) == 0;
}

StartupOpening::Kind fileKind(const QString& path)
{
    if (!isVisibleFile(path))
        return StartupOpening::Kind::Nothing;
    const QString ending = path.right(3).toUpper();
    if (ending == "ZTW")
        return StartupOpening::Kind::Loadlist;
    if (ending == "M3U")
        return StartupOpening::Kind::ImportM3U;
    if (ending == "PLS")
        return StartupOpening::Kind::ImportPLS;
    return StartupOpening::Kind::Nothing;
}

/// The argument spelled as on disk; the argument as given when that cannot be found.
QString longArgument(const QString& argument)
{
    const QString longPath = Module1::GetLongPath(argument);
    return longPath.isEmpty() || longPath == "/" ? argument : longPath;
}

} // namespace

QString commandLineArgument(const QString& commandLine)
{
    if (commandLine.startsWith('"'))
        return commandLine.chopped(1).mid(1);
    return commandLine;
}

StartupOpening startupOpening(const QString& commandLine, const SettingsStore& settings,
                              const QString& recentCollection)
{
    const QString argument = commandLineArgument(commandLine);
    if (const QFileInfo folder(argument); !argument.isEmpty() && folder.isDir()) {
        // A relative folder is taken from the folder the program was started in.
        return {StartupOpening::Kind::AddVolume, folder.isRelative() ? folder.absoluteFilePath() : argument};
    }
    if (!argument.isEmpty()) {
        const QString path = longArgument(argument);
        if (const StartupOpening::Kind kind = fileKind(path); kind != StartupOpening::Kind::Nothing)
            return {kind, path};
    }
    if (autoOpenRecent(settings) && cDirEx::ExistFile(recentCollection))
        return {StartupOpening::Kind::Loadlist, recentCollection};
    return {};
}

} // namespace twinsweep
