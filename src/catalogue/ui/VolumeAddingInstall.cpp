#include "VolumeAddingInstall.h"

#include <QAction>
#include <QMenu>

#include "Form4.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/cDirEx.h"
#include "frmfndupd.h"
#include "platform/Mp3TagReader.h"
#include "platform/VolumeLayer.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {

/// What the scans need that has no owner of its own among the windows yet.
struct VolumeAdding::Parts
{
    explicit Parts(Form1& window) : DirEx(window.services().pump) {}
    cDirEx DirEx;
    Mp3TagReader tagReader;
    std::unique_ptr<MediaFileReader> reader;
};

VolumeAdding::VolumeAdding(Form1& window, const VolumeInfo& volumes, StopRequest& StopFlag, QueryRowSink& query)
    : QObject(&window), m_parts(std::make_unique<Parts>(window))
{
    Services& services = window.services();
    m_parts->reader = std::make_unique<MediaFileReader>(window.catalogue(), query, m_parts->tagReader, services);
    m_frmfndupd = new ScanningWindowHost(&window);
    m_frmfndupd->setParent(this);
    m_form4 = new Form4(window.catalogue().TreeView1, services.prompt, &window);
    m_scanner = new MainScanner(services, m_parts->DirEx, *m_parts->reader, *m_frmfndupd, this);
    m_adder = std::make_unique<VolumeAdder>(window.catalogue(), services, *m_scanner, volumes, StopFlag, *m_form4);
    connect(m_frmfndupd, &ScanningWindowHost::cancelClicked, m_scanner, &MainScanner::frmfndupd_Cancel);
}

VolumeAdding::~VolumeAdding() = default;

VolumeAdding* installVolumeAdding(Form1& window, StopRequest& StopFlag, QueryRowSink& query)
{
    // The volume layer keeps no state, so every window can share it.
    static const SystemVolumeInfo volumes;
    auto* adding = new VolumeAdding(window, volumes, StopFlag, query);
    const auto cmdFind_Click = [adding] { adding->adder().cmdFind_Click(); };

    auto* cmdFind = new QAction("&Add volume", window.editMenu);
    cmdFind->setObjectName("cmdFind");
    window.editMenu->insertAction(window.editMenu->actions().value(0), cmdFind);
    QObject::connect(cmdFind, &QAction::triggered, adding, cmdFind_Click);

    window.toolbars->add(ToolbarCommand::AddVolume, cmdFind_Click);
    return adding;
}

} // namespace twinsweep
