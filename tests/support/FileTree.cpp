#include "FileTree.h"

#include <QDir>
#include <QFile>

namespace twinsweep::test {

void makeTree(const QString& root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString path = root + "/" + entry;
        if (entry.endsWith('/')) {
            QDir().mkpath(path);
        } else {
            QDir().mkpath(path.section('/', 0, -2));
            QFile(path).open(QIODevice::WriteOnly);
        }
    }
}

} // namespace twinsweep::test
