#include "Startup.h"

#include <QLabel>
#include <QTableView>
#include <QToolBar>

#include "catalogue/CollectionCommands.h"
#include "catalogue/VolumeAdder.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "shell/AppInfo.h"
#include "shell/CommandLine.h"
#include "shell/RUF.h"
#include "shell/StartupSettings.h"
#include "shell/ui/ColumnWidths.h"
#include "shell/ui/Form1.h"
#include "shell/ui/VolumeAddingInstall.h"

namespace twinsweep {

namespace {

Qt::WindowStates windowStateOf(StoredWindowState state)
{
    switch (state) {
    case StoredWindowState::Minimized: return Qt::WindowMinimized;
    case StoredWindowState::Maximized: return Qt::WindowMaximized;
    case StoredWindowState::Normal: break;
    }
    return Qt::WindowNoState;
}

/// The stored state, then (for a window that is not maximized) the stored size.
void restoreWindow(Form1& form, const SettingsStore& settings)
{
    const StoredWindow stored = storedWindow(settings);
    if (!stored.restore)
        return;
    if (stored.state)
        form.setWindowState(windowStateOf(*stored.state));
    if (!form.isMaximized() && !form.isMinimized()) {
        const double dpi = form.logicalDpiX();
        const int width = stored.width ? twipsToPixels(*stored.width, dpi) : form.width();
        const int height = stored.height ? twipsToPixels(*stored.height, dpi) : form.height();
        form.resize(width, height);
    }
    // The toolbar is hidden by now when the "View" option says so.
    if (form.Toolbar1->isHidden())
        runStep(form.lifecycle.moveFramesIntoToolbarRoom);
}

void openAtStart(Form1& form, const QString& commandLine)
{
    Services& services = form.services();
    StartupOpening opening = startupOpening(commandLine, services.settings, form.ruf->captions().value(0));
    switch (opening.kind) {
    case StartupOpening::Kind::AddVolume: form.volumeAdding->adder().AddVolume(opening.path); break;
    case StartupOpening::Kind::Loadlist: Loadlist(form.catalogue(), services, *form.ruf, opening.path); break;
    case StartupOpening::Kind::ImportM3U: runStep(form.lifecycle.ImportM3UToCollection, opening.path); break;
    case StartupOpening::Kind::ImportPLS: runStep(form.lifecycle.ImportPLSToCollection, opening.path); break;
    case StartupOpening::Kind::Nothing: break;
    }
}

} // namespace

void Form_Load(Form1& form, const QString& commandLine)
{
    LifecycleHooks& hooks = form.lifecycle;
    SettingsStore& settings = form.services().settings;
    runStep(hooks.SetMciDriver);
    runStep(hooks.CloseAllMedia);
    runStep(hooks.resetPositionSlider);
    form.PlayerVolume = storedPlayerVolume(settings);
    runStep(hooks.placeVolumeKnob, form.PlayerVolume);
    form.statusPanel->setText(startupCaption(AppInfo::versionText(), AppInfo::Copyright));
    form.FormLoaded = false;
    applyColumnWidths(form.ListFiles2, ListColumns::ListFiles2, settings);
    applyColumnWidths(form.Duplicates, ListColumns::Duplicates, settings);
    applyColumnWidths(form.query, ListColumns::query, settings);
    for (const auto& applyViewOption : hooks.viewOptions)
        runStep(applyViewOption);
    runStep(hooks.RecordFormLayout);
    restoreWindow(form, settings);
    form.FormLoaded = true;
    form.show();
    runStep(hooks.showAboutBox);
    openAtStart(form, commandLine);
}

} // namespace twinsweep
