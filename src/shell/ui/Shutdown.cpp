#include "Shutdown.h"

#include <QApplication>

#include "catalogue/CollectionCommands.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "shell/RUF.h"
#include "shell/StartupSettings.h"
#include "shell/ui/ColumnWidths.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

namespace {

StoredWindowState stateOf(const QWidget& window)
{
    if (window.isMinimized())
        return StoredWindowState::Minimized;
    if (window.isMaximized() || window.isFullScreen())
        return StoredWindowState::Maximized;
    return StoredWindowState::Normal;
}

void storeLayout(Form1& form, SettingsStore& settings)
{
    storeColumnWidths(settings, ListColumns::ListFiles2, columnWidths(form.ListFiles2, ListColumns::ListFiles2));
    storeColumnWidths(settings, ListColumns::Duplicates, columnWidths(form.Duplicates, ListColumns::Duplicates));
    const double dpi = form.logicalDpiX();
    storeWindow(settings, stateOf(form), pixelsToTwips(form.width(), dpi), pixelsToTwips(form.height(), dpi));
    settings.sync();
}

/// Every other window ends with the main window, without its own closing questions.
void hideOtherWindows(const QWidget& mainWindow)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != &mainWindow)
            window->hide();
    }
}

} // namespace

bool Form_Unload(Form1& form)
{
    Services& services = form.services();
    if (!form.isEnabled() || !offerToSaveChanges(form.catalogue(), services, *form.ruf))
        return false;
    storeLayout(form, services.settings);
    runStep(form.lifecycle.CloseAllMedia);
    runStep(form.lifecycle.unloadWindows);
    hideOtherWindows(form);
    return true;
}

} // namespace twinsweep
