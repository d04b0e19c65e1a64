#pragma once

#include <QDialog>

class QLabel;

namespace twinsweep {

/// The about box: the program's version, its makers' home page and mail address
/// (links that the owner opens through the desktop) and a copyright line. It is shown without
/// waiting and hides as soon as another window of the program takes the focus or is
/// clicked, or when its picture is clicked; hiding keeps it loaded.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    /// Shows the version; runs once, when the box is loaded.
    void Form_Load();

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
    void Form_LostFocus();
    void otherWindowTookFocus(const QWidget* window);
};

} // namespace twinsweep
