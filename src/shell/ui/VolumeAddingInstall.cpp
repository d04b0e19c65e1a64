#include "VolumeAddingInstall.h"

#include <QAction>
#include <QMenu>

#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/VolumeUpdater.h"
#include "catalogue/cDirEx.h"
#include "catalogue/ui/Form4.h"
#include "catalogue/ui/frmfndupd.h"
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
    m_updater = std::make_unique<VolumeUpdater>(window.catalogue(), services, *m_scanner, volumes, StopFlag);
    connect(m_frmfndupd, &ScanningWindowHost::cancelClicked, m_scanner, &MainScanner::frmfndupd_Cancel);
}

VolumeAdding::~VolumeAdding() = default;

namespace {
void installVolumeUpdating(Form1& window, VolumeUpdater& updater, QAction* cmdFind)
{
    const auto Updatevolume_Click = [&updater] { updater.Updatevolume_Click(); };
    auto* Updatevolume = new QAction("&Update volume", window.editMenu);
    Updatevolume->setObjectName("Updatevolume");
    const QList<QAction*> entries = window.editMenu->actions();
    window.editMenu->insertAction(entries.value(entries.indexOf(cmdFind) + 1), Updatevolume);
    QObject::connect(Updatevolume, &QAction::triggered, window.editMenu, Updatevolume_Click);

    auto* upd = new QAction("Update", window.popMNU);
    upd->setObjectName("upd");
    window.popMNU->insertAction(window.popMNU->actions().value(0), upd);
    QObject::connect(upd, &QAction::triggered, window.popMNU, Updatevolume_Click);
}
} // namespace

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
    installVolumeUpdating(window, adding->updater(), cmdFind);
    return adding;
}

} // namespace twinsweep
