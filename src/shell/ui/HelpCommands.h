#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

namespace twinsweep {

class Form1;
class frmAbout;

/// The Help menu ("&Support", "&Home page", "&Email", "&About") and the result
/// toolbar's "About" button. The about box is loaded by its first show and stays
/// loaded, owned by the main window.
class HelpCommands : public QObject
{
    Q_OBJECT
public:
    explicit HelpCommands(Form1& window);

    /// Shows the about box without waiting; a visible box stays the only one.
    void About_Click();
    /// Shows the about box, then the support message in front of it.
    void info_Click();
    void Homepage_Click();
    void Email_Click();

    /// The loaded about box; nullptr until its first show.
    frmAbout* aboutBox() const;

private:
    void buildMenu();
    /// Hands `address` to the desktop (the menu's entries and the about box's links);
    /// when it can start no program for it, or reports later that it opened nothing, says so.
    void openAddress(const QUrl& address);

    Form1& m_window;
    QPointer<frmAbout> m_aboutBox;
};

/// Fills the main window's Help menu and plugs in the "About" button.
HelpCommands* installHelpCommands(Form1& window);

} // namespace twinsweep
