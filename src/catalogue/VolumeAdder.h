#pragma once

#include <QString>

namespace twinsweep {

class Catalogue;
class FileDialogs;
class MainScanner;
class Prompt;
class SettingsStore;
class StopRequest;
class VolumeInfo;
class VolumeTree;
struct Services;

/// The "Add collection" window `Form4` as the roads that make a volume drive it.
class CollectionNameWindow
{
public:
    virtual ~CollectionNameWindow() = default;
    /// Presets the name box with `Name`, all of it selected.
    virtual void SetName(const QString& Name) = 0;
    /// Shows the window modally until OK accepts a name, returned as typed, or its
    /// close box ends it, which returns "".
    virtual QString showModal() = 0;
};

/// The OK check of the name window: refuses an empty or blank name ("Please enter
/// collection name.") and the exact name of an existing volume ("Collection with this
/// name already exists."). True when the window may close with `name`.
bool CollectionNameAccepted(const VolumeTree& tree, Prompt& prompt, const QString& name);

namespace Module1 {
/// The text before its first NUL; a text without one, trimmed of blanks.
QString TrimAtNull(const QString& text);
/// The folder picker: the chosen folder ending in "/", or "" when cancelled.
QString BrowseForFolder(FileDialogs& dialogs, const QString& title);
} // namespace Module1

/// Serial number of the volume mounted at `strRootPathName`; 0 when it cannot be read.
qint32 GetSerialKey(const VolumeInfo& volumes, const QString& strRootPathName);
/// Label of the volume mounted at `strRootPathName`; "" when it has none.
QString GetVolumeName(const VolumeInfo& volumes, const QString& strRootPathName);

/// The folder as a node's Key begins: without its trailing "/", unless it is "/".
QString keyPath(const QString& folder);

/// The MP3 and WAV passes of a scan of `folder` (ending in "/") into the master list,
/// as "RecSubDir" and "Filetype" choose; a pass is skipped once a stop is pending (the
/// stop request, or a Cancel confirmed in the scanning window).
void ScanVolumeFolder(MainScanner& scanner, const SettingsStore& settings, const StopRequest& StopFlag,
                      const QString& folder);

/// Adding a folder or a whole mounted volume to the collection as a new volume: the
/// folder picker, the MP3 and WAV passes of the scan, the name window and the new node.
class VolumeAdder
{
public:
    VolumeAdder(Catalogue& catalogue, Services& services, MainScanner& scanner, const VolumeInfo& volumes,
                StopRequest& StopFlag, CollectionNameWindow& Form4);

    /// Edit menu "&Add volume" and the first button of the main toolbar.
    void cmdFind_Click();
    /// Scans `path` (a folder, "" for a cancelled choice) into a new volume. The new node's
    /// Key is the folder without its trailing "/" (kept for "/") followed by the node's
    /// Index; when a node already holds that Key, the next free number follows instead,
    /// so the files and the serial number never land on another volume.
    void AddVolume(const QString& path);

private:
    QString proposedName(const QString& folder) const;
    int addNode(const QString& folder, const QString& typedName);

    Catalogue& m_catalogue;
    Services& m_services;
    MainScanner& m_scanner;
    const VolumeInfo& m_volumes;
    StopRequest& m_stopFlag;
    CollectionNameWindow& m_form4;
};

} // namespace twinsweep
