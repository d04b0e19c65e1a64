#pragma once

#include <QByteArray>
#include <QString>

namespace twinsweep::test {

/// A new empty folder under the scratch root, named after `name` and unique.
QString freshFolder(const QString& name);
/// Writes `content` to `path`, making its folder.
void writeFile(const QString& path, const QByteArray& content = "sound");
QByteArray readFile(const QString& path);
/// Where the trash keeps the file that was at `originalPath`, "" when it holds none.
QString trashedFrom(const QString& originalPath);

} // namespace twinsweep::test
