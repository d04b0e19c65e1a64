#include "VolumeUpdater.h"

#include <QDir>
#include <QFileInfo>

#include "Catalogue.h"
#include "MainScanner.h"
#include "StopRequest.h"
#include "VolumeAdder.h"
#include "VolumePresenceCheck.h"
#include "cDirEx.h"
#include "platform/Services.h"
#include "platform/VolumeLayer.h"

namespace twinsweep {

namespace {
QString withSlash(const QString& path)
{
    return path.endsWith('/') ? path : path + '/';
}

/// Each way `source` can end, longest first: "a/b/c/", "b/c/", "c/".
QStringList trailingParts(const QString& source)
{
    const QStringList parts = source.split('/', Qt::SkipEmptyParts);
    QStringList tails;
    for (qsizetype first = 0; first < parts.size(); ++first)
        tails << parts.mid(first).join('/') + '/';
    return tails;
}

/// The mount points in their order with "/" moved to the end.
QStringList rootLast(QStringList mountPoints)
{
    if (mountPoints.removeAll("/") > 0)
        mountPoints << "/";
    return mountPoints;
}
} // namespace

QString VolumeSourcePath(const QString& Key, int Index)
{
    return withSlash(Key.chopped(qMin(Key.size(), QString::number(Index).size())));
}

QStringList MovedVolumeCandidates(const QString& source, const QStringList& mountPoints, bool sourceIsMountPoint)
{
    QStringList candidates;
    if (sourceIsMountPoint || source == "/")
        return candidates;
    const QStringList roots = rootLast(mountPoints);
    for (const QString& tail : trailingParts(source)) {
        for (const QString& root : roots) {
            const QString candidate = withSlash(root) + tail;
            if (candidate != withSlash(source) && !candidates.contains(candidate))
                candidates << candidate;
        }
    }
    return candidates;
}

VolumeUpdater::VolumeUpdater(Catalogue& catalogue, Services& services, MainScanner& scanner, const VolumeInfo& volumes,
                             StopRequest& StopFlag)
    : m_catalogue(catalogue), m_services(services), m_scanner(scanner), m_volumes(volumes), m_stopFlag(StopFlag)
{}

void VolumeUpdater::Updatevolume_Click()
{
    m_stopFlag.clear();
    const int index = m_catalogue.TreeView1.selectedIndex();
    if (index == 0)
        return;
    const QString source = VolumeSourcePath(m_catalogue.TreeView1.node(index).Key, index);
    const MessageAnswer answer = m_services.prompt.ask("Do you want to update selected volume?", MessageIcon::Question,
                                                       MessageButtons::YesNo, 2);
    if (answer != MessageAnswer::Yes)
        return;
    m_catalogue.UpdatevolumeTag = "1";
    const QString folder = presentSource(index, source);
    if (folder.isEmpty()) {
        m_services.prompt.tell(CantFindSource, MessageIcon::Exclamation);
        m_services.status.setStatusText(CantFindSource);
        m_catalogue.UpdatevolumeTag.clear();
        return;
    }
    rescan(index, folder);
}

QString VolumeUpdater::presentSource(int index, const QString& source)
{
    if (isPresent(index, source))
        return source;
    const QString candidate = acceptedCandidate(source);
    if (candidate.isEmpty())
        return {};
    const qint32 serial = GetSerialKey(m_volumes, m_volumes.mountPointOf(candidate));
    m_catalogue.TreeView1.setNodeTag(index, QString::number(serial));
    m_catalogue.TreeView1.setKey(index, keyPath(candidate) + QString::number(index));
    return candidate;
}

bool VolumeUpdater::isPresent(int index, const QString& source) const
{
    if (!cDirEx::ExistFile(source))
        return false;
    bool isNumber = false;
    const qint64 tag = m_catalogue.TreeView1.node(index).Tag.toLongLong(&isNumber);
    return isNumber && tag == GetSerialKey(m_volumes, m_volumes.mountPointOf(source));
}

QString VolumeUpdater::acceptedCandidate(const QString& source)
{
    const bool sourceIsMountPoint = m_volumes.mountPointOf(source) == keyPath(source);
    for (const QString& candidate : MovedVolumeCandidates(source, m_volumes.mountedVolumes(), sourceIsMountPoint)) {
        if (!QFileInfo(candidate).isDir())
            continue;
        const QString question = "Twinsweep has detected that your volume source path " + source +
                                 " could be moved to " + candidate +
                                 " Do you want to update volume with this new location?";
        if (m_services.prompt.ask(question, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes)
            return candidate;
    }
    return {};
}

void VolumeUpdater::rescan(int index, const QString& folder)
{
    std::vector<qsizetype> oldRows;
    for (size_t row = 0; row < m_catalogue.ListFiles.size(); ++row) {
        if (m_catalogue.ListFiles[row].nodeNumber() == index)
            oldRows.push_back(tagFromRow(qsizetype(row)));
    }
    // The files found again are new rows; they are selected and current as before.
    const MarkedFiles marked =
        m_catalogue.shownVolume() == index ? m_catalogue.ListFiles2.markedFiles() : MarkedFiles();
    m_scanner.beginScan();
    {
        // Busy from the drop of the old rows on, so the list's place outlives the refill.
        BusyGuard busy(m_services.busy);
        m_catalogue.DropCollectionRows(std::move(oldRows));
        m_scanner.frmfndupd.show();
        ScanVolumeFolder(m_scanner, m_services.settings, m_stopFlag, folder);
        m_catalogue.ListFiles2.clear();
        m_scanner.frmfndupd.unload();
        m_catalogue.ClickNOD(m_services);
        m_catalogue.ListFiles2.markFiles(marked);
    }
    m_catalogue.UpdatevolumeTag.clear();
    m_services.status.setStatusText(QString::number(m_scanner.FoundCount) + " Item(s) added");
    m_catalogue.MarkCollectionChanged();
}

} // namespace twinsweep
