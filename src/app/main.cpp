#include <QApplication>

#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "platform/DesktopOpener.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtServices.h"
#include "shell/ui/Startup.h"

int main(int argc, char** argv)
{
    // Before QApplication: the libraries it loads start threads.
    twinsweep::keepExitStatusOfChildren();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Twinsweep");
    QApplication::setOrganizationName("twinsweep");

    twinsweep::SettingsStore settings(twinsweep::SettingsStore::defaultFilePath());
    twinsweep::Catalogue catalogue;
    twinsweep::QtPrompt prompt;
    twinsweep::QtFileDialogs dialogs;
    twinsweep::QtEventPump pump;
    twinsweep::DesktopOpener desktop;

    twinsweep::MainWindow window(catalogue, prompt, dialogs, pump, settings, desktop);
    prompt.setParent(&window);
    dialogs.setParent(&window);
    // The whole command line is one argument: a path with blanks needs no quotes.
    twinsweep::Form_Load(window, QApplication::arguments().mid(1).join(' '));
    const int result = QApplication::exec();
    settings.sync();
    return result;
}
