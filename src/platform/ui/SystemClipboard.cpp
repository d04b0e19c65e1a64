#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace twinsweep {

namespace {
const QString UriList = "text/uri-list";
}

void SystemClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

bool SystemClipboard::setFiles(const FileDropList& files)
{
    auto* data = new QMimeData;
    data->setData(UriList, files.uriList);
    data->setData("x-special/gnome-copied-files", files.gnomeCopiedFiles);
    data->setText(files.text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data); // the clipboard owns it from here
    // Read back: a clipboard that another program holds or that refused the data differs.
    const QMimeData* now = clipboard->mimeData();
    return now && now->data(UriList) == files.uriList;
}

} // namespace twinsweep
