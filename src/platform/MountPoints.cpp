#include "MountPoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace twinsweep {

namespace {
QString unescapeMountField(QByteArrayView field)
{
    QByteArray text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            text += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return QFile::decodeName(text);
}

/// The path itself when it exists, else its deepest existing ancestor; symbolic links resolved.
QString existingCanonicalPath(const QString& path)
{
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (;;) {
        const QString canonical = QFileInfo(current).canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
        const QString parent = QFileInfo(current).path();
        if (parent == current)
            return current;
        current = parent;
    }
}
} // namespace

QStringList parseMountInfo(const QByteArray& mountinfo)
{
    // Each line: mount ID, parent ID, major:minor, root, mount point, options, ...
    QStringList mounts;
    for (const QByteArray& line : mountinfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4)
            mounts << unescapeMountField(fields[4]);
    }
    return mounts;
}

QStringList mountPoints()
{
    // /proc files report a size of 0, so read to the end rather than by size.
    QFile file("/proc/self/mountinfo");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseMountInfo(file.readAll());
}

QString longestMountPrefix(const QString& path, const QStringList& mounts)
{
    QString best;
    for (const QString& mount : mounts) {
        const bool holds = mount == "/" || path == mount || path.startsWith(mount + '/');
        if (holds && mount.size() >= best.size())
            best = mount;
    }
    return best;
}

QString mountPointOf(const QString& path)
{
    return longestMountPrefix(existingCanonicalPath(path), mountPoints());
}

} // namespace twinsweep
