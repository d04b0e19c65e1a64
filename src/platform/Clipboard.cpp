#include "Clipboard.h"

#include <QUrl>

namespace twinsweep {

FileDropList makeFileDropList(const QStringList& paths)
{
    FileDropList files;
    files.gnomeCopiedFiles = "copy";
    for (const QString& path : paths) {
        const QByteArray url = QUrl::fromLocalFile(path).toEncoded();
        files.uriList += url + "\r\n";
        files.gnomeCopiedFiles += '\n' + url;
    }
    files.text = paths.join('\n');
    return files;
}

} // namespace twinsweep
