#pragma once

#include <QDialog>

class QLabel;

namespace twinsweep {

/// The about box: the program's version, its makers' home page and mail address
/// (links that the owner opens through the desktop) and a copyright line. It is shown without
/// waiting and hides as soon as another window of the program is clicked or takes the
/// focus the box had, or when its picture is clicked; hiding keeps it loaded. A message
/// shown in front of it gives it the focus back as it closes.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    /// Shows the version; runs once, when the box is loaded.
    void Form_Load();
    /// Shows the box over its owner and asks for the focus.
    void showInFront();

    QLabel* Label1 = nullptr; // the version
    QLabel* lblHomePageCap = nullptr;
    QLabel* lblHomePage = nullptr;
    QLabel* lblEmailCap = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* Image1 = nullptr; // the program's picture

Q_SIGNALS:
    /// A link was clicked; the owner hands its address to the desktop.
    void linkChosen(const QUrl& address);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Follows the focus between windows while the box is shown.
    void focusMoved();
    /// The focus or a click went to `window` (nullptr: another program).
    void Form_LostFocus(const QWidget* window);

    /// Whether the box has held the focus since it was shown: only a focus it had can
    /// be lost. A window system may give the focus back to the main window after the
    /// box appeared and before the box ever had it.
    bool m_hadFocus = false;
    /// Shown in front and waiting for the focus it asked for.
    bool m_askedForFocus = false;
    /// A message stands in front of the box, which takes the focus back when it closes.
    bool m_behindMessage = false;
};

} // namespace twinsweep
