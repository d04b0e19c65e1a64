#pragma once

#include <vector>

#include <QStringList>
#include <QtGlobal>

namespace twinsweep {

class Catalogue;
class FileList;
class VolumeInfo;
class WinampModule;
struct Services;

/// Hands the selected files of the volume file list or the result list to the outside
/// player: "Enqueue in WinAmp" appends them to its playlist, "Play in WinAmp" empties
/// the playlist first and starts playing after. A file whose volume is not present is
/// passed over with a status text; the others are still sent, in list order. A player
/// that takes one file at a time gets nothing to enqueue and only the first file to
/// play, and the user is told so.
class WinampControl
{
public:
    WinampControl(Catalogue& catalogue, Services& services, const VolumeInfo& volumes, WinampModule& winamp);

    // The commands get the selected rows of their list, 0-based and ascending.
    void winampenq_Click(const std::vector<qsizetype>& selectedRows);   // volume file list
    void winampplay_Click(const std::vector<qsizetype>& selectedRows);  // volume file list
    void winampenq1_Click(const std::vector<qsizetype>& selectedRows);  // result list
    void winampplay1_Click(const std::vector<qsizetype>& selectedRows); // result list

private:
    void enqueue(const FileList& list, const std::vector<qsizetype>& selectedRows);
    void play(const FileList& list, const std::vector<qsizetype>& selectedRows);
    /// Whether the player runs; tells the user when it does not.
    bool playerRuns();
    /// The selected files whose volumes are present, in list order; tells the user of
    /// each other one.
    QStringList presentFiles(const FileList& list, const std::vector<qsizetype>& selectedRows);

    Catalogue& m_catalogue;
    Services& m_services;
    const VolumeInfo& m_volumes;
    WinampModule& m_winamp;
    bool m_sending = false; // a command started while another yields is not run
};

} // namespace twinsweep
