#include "VolumeAdder.h"

#include <optional>

#include "Catalogue.h"
#include "MainScanner.h"
#include "MediaFileReader.h"
#include "StopRequest.h"
#include "cDirEx.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "platform/VolumeLayer.h"

namespace twinsweep {

bool CollectionNameAccepted(const VolumeTree& tree, Prompt& prompt, const QString& name)
{
    const auto refuse = [&prompt](const QString& text) {
        prompt.tell(text, MessageIcon::Exclamation);
        return false;
    };
    if (name.isEmpty())
        return refuse("Please enter collection name.");
    for (const VolumeNode& node : tree.nodes()) {
        if (node.Text == name)
            return refuse("Collection with this name already exists.");
    }
    if (name.trimmed().isEmpty())
        return refuse("Please enter collection name.");
    return true;
}

namespace Module1 {

QString TrimAtNull(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul >= 0 ? text.left(nul) : text.trimmed();
}

QString BrowseForFolder(FileDialogs& dialogs, const QString& title)
{
    const QString folder = dialogs.chooseFolder(title);
    if (folder.isEmpty() || folder.endsWith('/'))
        return folder;
    return folder + '/';
}

} // namespace Module1

qint32 GetSerialKey(const VolumeInfo& volumes, const QString& strRootPathName)
{
    return volumes.serialNumber(strRootPathName);
}

QString GetVolumeName(const VolumeInfo& volumes, const QString& strRootPathName)
{
    return volumes.label(strRootPathName);
}

namespace {

struct FilePasses
{
    bool mp3;
    bool wav;
};

/// "Filetype": 0 MP3 and WAV, 1 MP3 only, 2 WAV only. A text that is no number fails
/// both tests, which lets both passes run; any other number runs none.
FilePasses filePasses(const QString& text)
{
    bool isNumber = false;
    const double type = text.trimmed().toDouble(&isNumber);
    if (!isNumber)
        return {true, true};
    return {type == 0 || type == 1, type == 0 || type == 2};
}

} // namespace

QString keyPath(const QString& folder)
{
    return folder == "/" ? folder : folder.chopped(1);
}

void ScanVolumeFolder(MainScanner& scanner, const SettingsStore& settings, const StopRequest& StopFlag,
                      const QString& folder)
{
    cDirEx& DirEx = scanner.DirEx;
    if (const std::optional<bool> recursive = readBoolean(settings.value(Settings::RecSubDir)))
        DirEx.setRecursiveSearch(*recursive);
    DirEx.setCaseSensitive(false);
    scanner.reader.TargetList = ListTarget::ListFiles;

    const FilePasses passes = filePasses(settings.value(Settings::Filetype));
    const auto stopPending = [&] { return StopFlag.requested() || scanner.cancelConfirmed(); };
    if (passes.mp3 && !stopPending())
        DirEx.SearchFile(folder + "*.mp3");
    if (passes.wav && !stopPending())
        DirEx.SearchFile(folder + "*.wav");
}

VolumeAdder::VolumeAdder(Catalogue& catalogue, Services& services, MainScanner& scanner, const VolumeInfo& volumes,
                         StopRequest& StopFlag, CollectionNameWindow& Form4)
    : m_catalogue(catalogue),
      m_services(services),
      m_scanner(scanner),
      m_volumes(volumes),
      m_stopFlag(StopFlag),
      m_form4(Form4)
{}

void VolumeAdder::cmdFind_Click()
{
    AddVolume(Module1::BrowseForFolder(m_services.dialogs, "Choose Path."));
}

void VolumeAdder::AddVolume(const QString& path)
{
    m_stopFlag.clear();
    if (path.isEmpty()) {
        m_services.status.setStatusText("Canceled");
        return;
    }
    const QString folder = path.endsWith('/') ? path : path + '/';
    m_scanner.beginScan();
    BusyGuard busy(m_services.busy);
    m_scanner.frmfndupd.show();
    ScanVolumeFolder(m_scanner, m_services.settings, m_stopFlag, folder);

    const QString name = proposedName(folder);
    m_services.status.setStatusText(QString::number(m_scanner.FoundCount) + " Item(s) added");
    m_scanner.frmfndupd.unload();
    // The whole collection, not this scan: a scan that finds nothing still adds an
    // empty volume to a collection that has files.
    if (m_catalogue.ListFiles.empty()) {
        m_services.prompt.tell("No media files found.", MessageIcon::Exclamation);
        m_services.status.setStatusText("No media files found. Canceled");
        return;
    }
    m_form4.SetName(name);
    const int index = addNode(folder, m_form4.showModal());
    m_catalogue.TreeView1.select(index);
    m_catalogue.RefreshVolumeFileList(m_services);
    m_catalogue.MarkCollectionChanged();
}

QString VolumeAdder::proposedName(const QString& folder) const
{
    const QString place = keyPath(folder);
    if (m_volumes.mountPointOf(folder) == place) {
        const QString label = Module1::TrimAtNull(GetVolumeName(m_volumes, place));
        if (!label.isEmpty())
            return label;
    }
    return place.section('/', -1);
}

int VolumeAdder::addNode(const QString& folder, const QString& typedName)
{
    VolumeTree& tree = m_catalogue.TreeView1;
    const int index = tree.count() + 1;
    const QString text = typedName.trimmed().isEmpty() ? "Colection" + QString::number(index) : typedName;
    const qint32 serial = GetSerialKey(m_volumes, m_volumes.mountPointOf(folder));
    return tree.add({tree.freeKey(keyPath(folder), index), QString::number(serial), text});
}

} // namespace twinsweep
