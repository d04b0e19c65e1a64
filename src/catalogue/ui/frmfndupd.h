#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include "catalogue/MainScanner.h"

class QLabel;

namespace twinsweep {

class WinXPbut;

/// The "Scanning" window: the folder and the file being read, and Cancel.
class frmfndupd : public QDialog
{
    Q_OBJECT
public:
    explicit frmfndupd(QWidget* owner);

    QLabel* Directory = nullptr;
    QLabel* File = nullptr;
    WinXPbut* Command1 = nullptr; // "Cancel"

protected:
    /// Esc does not close the window: only Cancel ends a scan, and only when confirmed.
    void keyPressEvent(QKeyEvent* event) override;
};

/// Loads the scanning window when a scan shows it and unloads it afterwards, so each
/// scan starts with empty captions. The window is made anew while the main window is
/// disabled for the scan, and stays enabled, so its Cancel can be pressed.
class ScanningWindowHost : public QObject, public ScanningWindow
{
    Q_OBJECT
public:
    explicit ScanningWindowHost(QWidget* owner);

    void show() override;
    void unload() override;
    void setDirectory(const QString& caption) override;
    void setFile(const QString& caption) override;
    /// The loaded window, null while unloaded.
    frmfndupd* window() const { return m_window; }

Q_SIGNALS:
    void cancelClicked();

private:
    QWidget* m_owner;
    QPointer<frmfndupd> m_window;
};

} // namespace twinsweep
