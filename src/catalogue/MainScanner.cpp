#include "MainScanner.h"

#include "MediaFileReader.h"
#include "cDirEx.h"
#include "platform/Services.h"

namespace twinsweep {

MainScanner::MainScanner(Services& services, cDirEx& DirEx, MediaFileReader& reader, ScanningWindow& frmfndupd,
                         QObject* parent)
    : QObject(parent), DirEx(DirEx), reader(reader), frmfndupd(frmfndupd), m_services(services)
{
    connect(&DirEx, &cDirEx::CurrentFolder, this, &MainScanner::DirEx_CurrentFolder);
    connect(&DirEx, &cDirEx::CurrentFile, this, [this](const QString& FolderPath, const QString& filename) {
        this->reader.DirEx_CurrentFile(FolderPath, filename);
    });
    connect(&DirEx, &cDirEx::UpcomingFile, this, [this](const QString& FolderPath, const QString& filename) {
        this->reader.DirEx_UpcomingFile(FolderPath, filename);
    });
    connect(&DirEx, &cDirEx::Finished, this, &MainScanner::DirEx_Finished);
    connect(&reader, &MediaFileReader::currentFileChanged, this,
            [this](const QString& filename) { this->frmfndupd.setFile(filename); });
}

void MainScanner::beginScan()
{
    FoundCount = 0;
    m_cancelConfirmed = false;
}

void MainScanner::DirEx_CurrentFolder(const QString& FolderPath)
{
    m_services.status.setStatusText("Searching and adding media files to list. Please wait...   ");
    frmfndupd.setDirectory(ShortenPath(FolderPath, 50));
}

void MainScanner::DirEx_Finished(qint64 FileCount, int Result)
{
    reader.DirEx_Finished();
    switch (Result) {
    case cDirEx::PathNotFound: m_services.status.setStatusText("Path name does not exist."); break;
    // The files of a search that failed are in the list but not in the count.
    case cDirEx::StepFailed: m_services.status.setStatusText("Search did not finish due to error."); break;
    default: FoundCount += FileCount;
    }
}

void MainScanner::cmdStop_Click()
{
    m_cancelConfirmed = true;
    DirEx.StopSearch();
}

void MainScanner::frmfndupd_Cancel()
{
    const MessageAnswer answer =
        m_services.prompt.ask("Do you want to stop adding files to volume? (Only a part of files would be added)",
                              MessageIcon::Exclamation, MessageButtons::YesNo, 2);
    if (answer != MessageAnswer::Yes)
        return;
    cmdStop_Click();
    frmfndupd.unload();
}

namespace {
/// What stands before "..." in a shortened path: the root "/" (a drive root elsewhere).
QString pathRoot(const QString& path)
{
    return path.startsWith('/') ? QStringLiteral("/") : path.left(3);
}
} // namespace

QString ShortenPath(const QString& path, int MaxLen)
{
    const qsizetype limit = qMax(MaxLen, 35);
    if (path.size() <= limit)
        return path;
    // The end from the first folder boundary among the last (limit - 6) + 1 characters.
    const qsizetype boundary = path.indexOf('/', path.size() - (limit - 6) - 1);
    if (boundary >= 0)
        return pathRoot(path) + "..." + path.mid(boundary);
    // A long last name: keep all of it; a root separator alone is no boundary.
    const qsizetype last = path.lastIndexOf('/');
    return pathRoot(path) + "..." + (last > 0 ? path.mid(last).trimmed() : path);
}

} // namespace twinsweep
