#include "HelpCommands.h"

#include <QMenu>
#include <QUrl>

#include "platform/DesktopLinks.h"
#include "shell/AppInfo.h"
#include "shell/ToolbarLayout.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Toolbars.h"
#include "shell/ui/frmAbout.h"

namespace twinsweep {

HelpCommands::HelpCommands(Form1& window) : QObject(&window), m_window(window)
{
    buildMenu();
    window.toolbars->add(ToolbarCommand::About, [this] { About_Click(); });
    window.lifecycle.showAboutBox = [this] { About_Click(); };
}

void HelpCommands::buildMenu()
{
    QMenu* menu = m_window.helpMenu;
    const auto addEntry = [this, menu](const char* name, const QString& caption, void (HelpCommands::*handler)()) {
        QAction* entry = menu->addAction(caption);
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this, handler);
    };
    addEntry("info", QStringLiteral("&Support"), &HelpCommands::info_Click);
    menu->addSeparator();
    addEntry("Homepage", QStringLiteral("&Home page"), &HelpCommands::Homepage_Click);
    addEntry("Email", QStringLiteral("&Email"), &HelpCommands::Email_Click);
    menu->addSeparator();
    addEntry("About", QStringLiteral("&About"), &HelpCommands::About_Click);
}

void HelpCommands::About_Click()
{
    if (!m_aboutBox) {
        m_aboutBox = new frmAbout(&m_window);
        connect(m_aboutBox, &frmAbout::linkChosen, this, &HelpCommands::openAddress);
    }
    m_aboutBox->showInFront();
}

frmAbout* HelpCommands::aboutBox() const
{
    return m_aboutBox;
}

void HelpCommands::info_Click()
{
    About_Click();
    m_window.services().prompt.tell(QString::fromUtf8(AppInfo::SupportText));
}

void HelpCommands::openAddress(const QUrl& address)
{
    const auto sayCantOpen = [help = QPointer<HelpCommands>(this), address] {
        if (help)
            help->m_window.services().status.setStatusText(cantOpenText(address));
    };
    if (!m_window.desktop().open(address, sayCantOpen))
        sayCantOpen();
}

void HelpCommands::Homepage_Click()
{
    openAddress(QUrl(QString::fromLatin1(AppInfo::HomePage)));
}

void HelpCommands::Email_Click()
{
    openAddress(QUrl(AppInfo::mailLink()));
}

HelpCommands* installHelpCommands(Form1& window)
{
    return new HelpCommands(window);
}

} // namespace twinsweep
