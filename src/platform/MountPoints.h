#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace twinsweep {

/// The mount points listed in a mountinfo text, in mount order, with the kernel's
/// octal escapes ("\040" for a blank) undone.
QStringList parseMountInfo(const QByteArray& mountinfo);

/// The mount points of this process, from /proc/self/mountinfo; empty when unreadable.
QStringList mountPoints();

/// The mount point holding `path`: the longest of `mounts` that is a whole-component
/// prefix of it (a later mount over the same point wins). "" when none is.
QString longestMountPrefix(const QString& path, const QStringList& mounts);

/// The mount point of the filesystem that holds `path` ("/", "/media/usb"), Linux's
/// stand-in for a file's drive root. The path is resolved through symbolic links; a
/// path that no longer exists counts as its deepest existing ancestor.
QString mountPointOf(const QString& path);

} // namespace twinsweep
