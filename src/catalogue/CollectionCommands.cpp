#include "CollectionCommands.h"

#include <QFileInfo>

#include "Catalogue.h"
#include "CollectionFile.h"
#include "Module1.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

const QString FileFilter = QStringLiteral("*.ztw");

bool saveTo(const QString& path, Catalogue& catalogue, Services& services, RecentCollections& recent)
{
    BusyGuard busy(services.busy);
    QString error;
    if (!saveload::writeCollection(catalogue.TreeView1, catalogue.ListFiles, path, services.pump, error)) {
        // The collection stays marked changed and the old file as it was.
        services.status.setStatusText("Collection not saved: " + error);
        return false;
    }
    catalogue.setCurrentCollectionPath(path);
    catalogue.setCollectionChanged(false);
    recent.UpdateRecentFiles(path);
    services.status.setStatusText("Collection saved");
    return true;
}

/// A normal file: it exists, is no folder and is not hidden.
bool isNormalFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(u'.');
}

void showLoaded(Catalogue& catalogue, Services& services, saveload::CollectionContent& content)
{
    for (const VolumeNode& node : content.nodes)
        catalogue.TreeView1.add(node);
    catalogue.ListFiles = std::move(content.records);
    catalogue.TreeView1.select(catalogue.TreeView1.count());
    catalogue.ClickNOD(services);
}

} // namespace

QString withZtwExtension(const QString& path)
{
    return withFilterExtension(path, FileFilter);
}

bool Save_Click(Catalogue& catalogue, Services& services, RecentCollections& recent)
{
    const QString path = Module1::ShowSaveDialog(services.dialogs, {}, "Save collection", FileFilter);
    if (path.isEmpty()) {
        services.status.setStatusText("Canceled");
        return false;
    }
    return saveTo(withZtwExtension(path), catalogue, services, recent);
}

bool Save1_Click(Catalogue& catalogue, Services& services, RecentCollections& recent)
{
    const QString path = catalogue.TreeView1.tag();
    if (path.isEmpty())
        return Save_Click(catalogue, services, recent);
    return saveTo(path, catalogue, services, recent);
}

void Load_Click(Catalogue& catalogue, Services& services, RecentCollections& recent)
{
    QString path = Module1::ShowOpenDialog(services.dialogs, {}, "Open Collection", FileFilter);
    Loadlist(catalogue, services, recent, path);
}

bool Loadlist(Catalogue& catalogue, Services& services, RecentCollections& recent, QString& Filname)
{
    if (Filname.isEmpty()) {
        services.status.setStatusText("Canceled");
        return false;
    }
    if (!Newlist_Click(catalogue, services, recent))
        return false;
    BusyGuard busy(services.busy);
    Filname = withZtwExtension(Filname);
    if (!isNormalFile(Filname)) {
        services.status.setStatusText("Incorrect or damaged file!");
        return false;
    }
    services.status.setStatusText("Loading collection...");
    saveload::CollectionContent content;
    QString error;
    if (!saveload::readCollection(Filname, services.pump, content, error)) {
        // Nothing of the file is shown, so no later save can overwrite it with less.
        services.status.setStatusText("Incorrect or damaged file!");
        return false;
    }
    catalogue.setCurrentCollectionPath(Filname);
    recent.UpdateRecentFiles(Filname);
    showLoaded(catalogue, services, content);
    services.status.setStatusText("Collection loaded");
    return true;
}

bool offerToSaveChanges(Catalogue& catalogue, Services& services, RecentCollections& recent)
{
    if (!catalogue.CollectionChanged())
        return true;
    const MessageAnswer answer = services.prompt.ask("Collention has changed. Do you want to save changes?",
                                                     MessageIcon::Question, MessageButtons::YesNoCancel, 1);
    if (answer == MessageAnswer::Cancel)
        return false;
    return answer != MessageAnswer::Yes || Save1_Click(catalogue, services, recent);
}

bool Newlist_Click(Catalogue& catalogue, Services& services, RecentCollections& recent)
{
    if (!offerToSaveChanges(catalogue, services, recent))
        return false;
    catalogue.clearCollection();
    catalogue.setCurrentCollectionPath({});
    catalogue.setCollectionChanged(false);
    services.status.setStatusText("New collection");
    return true;
}

} // namespace twinsweep
