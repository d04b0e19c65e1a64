#include "WinampControl.h"

#include <QScopedValueRollback>
#include <QString>
#include <QStringList>

#include "catalogue/Catalogue.h"
#include "catalogue/VolumePresenceCheck.h"
#include "catalogue/cDirEx.h"
#include "platform/Services.h"
#include "platform/WinampModule.h"

namespace twinsweep {

namespace {

constexpr char WinampNotRunning[] = "WinAmp is not runnig. Please run WinAmp to use this function.";
constexpr char NothingEnqueued[] = "The player takes one file at a time: nothing was enqueued.";
constexpr char OnlyTheFirstSent[] = "The player takes one file at a time: only the first file was sent.";

/// A selected file as it was when the command started.
struct SelectedFile
{
    QString fullPath;
    int nodeNR;
};

/// The rows are read before the first yield: a list refilled meanwhile must not make
/// the command send files the user did not select.
std::vector<SelectedFile> selectedFiles(const FileList& list, const std::vector<qsizetype>& selectedRows)
{
    std::vector<SelectedFile> files;
    files.reserve(selectedRows.size());
    for (qsizetype index : selectedRows) {
        if (index >= 0 && index < list.size()) {
            const FileRecord& record = list.record(index);
            files.push_back({record.fullPath(), record.nodeNumber()});
        }
    }
    return files;
}

} // namespace

WinampControl::WinampControl(Catalogue& catalogue, Services& services, const VolumeInfo& volumes, WinampModule& winamp)
    : m_catalogue(catalogue), m_services(services), m_volumes(volumes), m_winamp(winamp)
{}

void WinampControl::winampenq_Click(const std::vector<qsizetype>& selectedRows)
{
    enqueue(m_catalogue.ListFiles2, selectedRows);
}

void WinampControl::winampplay_Click(const std::vector<qsizetype>& selectedRows)
{
    play(m_catalogue.ListFiles2, selectedRows);
}

void WinampControl::winampenq1_Click(const std::vector<qsizetype>& selectedRows)
{
    enqueue(m_catalogue.Duplicates, selectedRows);
}

void WinampControl::winampplay1_Click(const std::vector<qsizetype>& selectedRows)
{
    play(m_catalogue.Duplicates, selectedRows);
}

void WinampControl::enqueue(const FileList& list, const std::vector<qsizetype>& selectedRows)
{
    if (m_sending || !playerRuns())
        return;
    const QScopedValueRollback sending(m_sending, true);
    // Each file such a player opens would replace the last one and play at once.
    if (!m_winamp.canQueueFiles()) {
        m_services.status.setStatusText(NothingEnqueued);
        return;
    }
    m_winamp.WinampAddFiles(presentFiles(list, selectedRows));
}

void WinampControl::play(const FileList& list, const std::vector<qsizetype>& selectedRows)
{
    if (m_sending || !playerRuns())
        return;
    const QScopedValueRollback sending(m_sending, true);
    m_winamp.WinampClearPlaylist();
    QStringList files = presentFiles(list, selectedRows);
    if (files.size() > 1 && !m_winamp.canQueueFiles()) {
        files.resize(1);
        m_services.status.setStatusText(OnlyTheFirstSent);
    }
    m_winamp.WinampAddFiles(files);
    // Played even when no file was added: the user asked the player to play.
    m_winamp.WinampPlay();
}

bool WinampControl::playerRuns()
{
    if (m_winamp.WinampFindWindow())
        return true;
    m_services.prompt.tell(WinampNotRunning, MessageIcon::Exclamation);
    return false;
}

QStringList WinampControl::presentFiles(const FileList& list, const std::vector<qsizetype>& selectedRows)
{
    QStringList present;
    TimedYield yield(m_services.pump);
    for (const SelectedFile& file : selectedFiles(list, selectedRows)) {
        yield.maybeYield();
        if (cDirEx::ExistFile(file.fullPath) &&
            VolumePresenceCheck(m_catalogue.TreeView1, m_volumes, file.fullPath, file.nodeNR))
            present << file.fullPath;
        else
            m_services.status.setStatusText(CantFindSource);
    }
    return present;
}

} // namespace twinsweep
