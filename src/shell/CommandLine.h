#pragma once

#include <QString>

namespace twinsweep {

class SettingsStore;

/// What start-up opens: from the command line, or else the most recent collection.
struct StartupOpening
{
    enum class Kind { Nothing, AddVolume, Loadlist, ImportM3U, ImportPLS };
    Kind kind = Kind::Nothing;
    QString path;
};

/// The program's whole command line (its arguments joined by blanks) is one argument.
/// A folder is scanned in as a new volume; an existing, visible file whose name ends in
/// "ZTW", "M3U" or "PLS" (any case, with or without a dot) is loaded or imported;
/// anything else, like no argument, falls through to the most recent collection
/// `recentCollection` when "AOpen" is 1 and that file exists.
StartupOpening startupOpening(const QString& commandLine, const SettingsStore& settings,
                              const QString& recentCollection);

/// The argument of a command line: when it begins with a double quote, its last and
/// first characters are removed (whether or not the last one is a quote).
QString commandLineArgument(const QString& commandLine);

} // namespace twinsweep
