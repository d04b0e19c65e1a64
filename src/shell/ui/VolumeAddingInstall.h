#pragma once

#include <QObject>

#include <memory>

namespace twinsweep {

class Form1;
class Form4;
class MainScanner;
class QueryRowSink;
class StopRequest;
class ScanningWindowHost;
class VolumeAdder;
class VolumeInfo;
class VolumeUpdater;

/// The main window's scanning machinery (the folder scanner `DirEx`, the media reader,
/// the scanning window) and the road of adding a volume, with the name window. Owned
/// by the main window.
class VolumeAdding : public QObject
{
    Q_OBJECT
public:
    VolumeAdding(Form1& window, const VolumeInfo& volumes, StopRequest& StopFlag, QueryRowSink& query);
    ~VolumeAdding() override;

    MainScanner& scanner() { return *m_scanner; }
    VolumeAdder& adder() { return *m_adder; }
    VolumeUpdater& updater() { return *m_updater; }
    ScanningWindowHost& scanningWindow() { return *m_frmfndupd; }
    Form4& nameWindow() { return *m_form4; }

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    ScanningWindowHost* m_frmfndupd;
    Form4* m_form4;
    MainScanner* m_scanner;
    std::unique_ptr<VolumeAdder> m_adder;
    std::unique_ptr<VolumeUpdater> m_updater;
};

/// Adds "&Add volume" at the top of the Edit menu and "Add volume" as the first button
/// of the main toolbar; both start `cmdFind_Click`. Adds "&Update volume" after it and
/// "Update" at the top of the volume tree's menu; both start `Updatevolume_Click`. `StopFlag` is the Search window's;
/// `query` takes the rows of a folder scanned for the query list.
VolumeAdding* installVolumeAdding(Form1& window, StopRequest& StopFlag, QueryRowSink& query);

} // namespace twinsweep
