#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace twinsweep {

/// A copy of files in the forms Linux file managers paste.
struct FileDropList
{
    QByteArray uriList;          // text/uri-list: a file:// URL per line, each line ended by CR LF
    QByteArray gnomeCopiedFiles; // x-special/gnome-copied-files: "copy", then a URL per line
    QString text;                // the paths, one per line
};

/// The file list of `paths` (absolute paths), in their order.
FileDropList makeFileDropList(const QStringList& paths);

/// The system clipboard.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    /// Replaces the whole contents with plain text.
    virtual void setText(const QString& text) = 0;
    /// Replaces the whole contents with a file list; false when the clipboard did not take it.
    virtual bool setFiles(const FileDropList& files) = 0;
};

} // namespace twinsweep
