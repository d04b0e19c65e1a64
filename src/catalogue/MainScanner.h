#pragma once

#include <QObject>
#include <QString>

namespace twinsweep {

class cDirEx;
class MediaFileReader;
struct Services;

/// The "Scanning" window `frmfndupd` as the scans drive it: a modeless window owned by
/// the main window that shows the folder and the file being read and offers Cancel.
class ScanningWindow
{
public:
    virtual ~ScanningWindow() = default;
    /// Loads the window (both captions empty) and shows it.
    virtual void show() = 0;
    /// Closes the window; the captions of a later `show` start empty again.
    virtual void unload() = 0;
    /// The `Directory` and `File` captions; ignored while the window is not loaded.
    virtual void setDirectory(const QString& caption) = 0;
    virtual void setFile(const QString& caption) = 0;
};

/// The main window's scanning machinery, shared by every scan into a list: the folder
/// scanner `DirEx` with its folder and end handlers, the media reader that handles its
/// files, the scanning window and the count of files found.
class MainScanner : public QObject
{
    Q_OBJECT
public:
    MainScanner(Services& services, cDirEx& DirEx, MediaFileReader& reader, ScanningWindow& frmfndupd,
                QObject* parent = nullptr);

    cDirEx& DirEx;
    MediaFileReader& reader;
    ScanningWindow& frmfndupd;
    /// Files counted by the scan now running.
    qint64 FoundCount = 0;

    /// Starts counting a new scan: no files yet, no Cancel confirmed.
    void beginScan();
    /// Whether the user confirmed Cancel in the scanning window during this scan;
    /// it counts as a stop for the rest of the scan.
    bool cancelConfirmed() const { return m_cancelConfirmed; }

    void DirEx_CurrentFolder(const QString& FolderPath);
    void DirEx_Finished(qint64 FileCount, int Result);
    /// Stops a running scan at the scanner's next stop test.
    void cmdStop_Click();
    /// The scanning window's Cancel: asks, and on Yes stops the scan and unloads the window.
    void frmfndupd_Cancel();

private:
    Services& m_services;
    bool m_cancelConfirmed = false;
};

/// A folder path shortened for display to about `MaxLen` characters (at least 35): its
/// root, "..." and its end from a folder boundary on.
QString ShortenPath(const QString& path, int MaxLen);

} // namespace twinsweep
