#pragma once

#include <QString>
#include <QStringList>

namespace twinsweep {

class Catalogue;
class MainScanner;
class StopRequest;
class VolumeInfo;
struct Services;

/// The folder a volume was scanned from: its Key less as many trailing characters as
/// its Index has digits, ending in "/".
QString VolumeSourcePath(const QString& Key, int Index);

/// Where a volume whose folder is gone may have moved, in the order they are offered:
/// the folder's trailing parts, longest first (for /media/ann/DISC_1/Music: DISC_1/Music,
/// then Music), each under every mount point of `mountPoints` ("/" last). Each place
/// ends in "/" and comes once; the source itself is left out, and a source that is a
/// mount point itself (`sourceIsMountPoint`) has no candidates.
QStringList MovedVolumeCandidates(const QString& source, const QStringList& mountPoints, bool sourceIsMountPoint);

/// Scanning the selected volume's folder again: the question, the presence check (with
/// the offer of a moved folder), the removal of the volume's rows and the MP3 and WAV
/// passes, whose rows keep the volume's number and come last in the master list.
class VolumeUpdater
{
public:
    VolumeUpdater(Catalogue& catalogue, Services& services, MainScanner& scanner, const VolumeInfo& volumes,
                  StopRequest& StopFlag);

    /// Edit menu "&Update volume" and the volume tree's "Update".
    void Updatevolume_Click();

private:
    /// The folder to scan: the source when its volume is present, else an accepted
    /// candidate (the node's Tag and Key then follow it); "" when there is none.
    QString presentSource(int index, const QString& source);
    bool isPresent(int index, const QString& source) const;
    QString acceptedCandidate(const QString& source);
    void rescan(int index, const QString& folder);

    Catalogue& m_catalogue;
    Services& m_services;
    MainScanner& m_scanner;
    const VolumeInfo& m_volumes;
    StopRequest& m_stopFlag;
};

} // namespace twinsweep
