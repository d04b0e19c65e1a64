#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace twinsweep {

class Form1;
class SettingsStore;
struct Setting;
class WinXPbut;
class XPCheckBox;

/// The Options window: every control stores its value in section "Options" the
/// moment it changes, and OK only hides the window. It reads the settings once, when
/// it is created; the lists and the ID3 choice store the values they show then.
class Optionsfrm : public QDialog
{
    Q_OBJECT
public:
    explicit Optionsfrm(SettingsStore& settings, QWidget* parent = nullptr);

    XPCheckBox* Check1 = nullptr;    // recycle bin ("Backup")
    XPCheckBox* Check2 = nullptr;    // auto open ("AOpen")
    XPCheckBox* Check3 = nullptr;    // restore window ("RestWind")
    XPCheckBox* Check4 = nullptr;    // subfolders ("RecSubDir")
    QComboBox* Combo1 = nullptr;     // file types ("Filetype")
    QComboBox* Combo2 = nullptr;     // crossfade seconds ("Crossfade")
    QRadioButton* Option1 = nullptr; // ID3v1
    QRadioButton* Option2 = nullptr; // ID3v2
    WinXPbut* Command1 = nullptr;    // OK

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGeneralFrame();
    QWidget* buildId3Frame();
    QWidget* buildStartFrame();
    QWidget* buildCrossfadeFrame();
    XPCheckBox* addCheckBox(const QString& caption, const Setting& setting);
    QComboBox* addList(const QStringList& items, const Setting& setting);
    void Form_Load();

    SettingsStore& m_settings;
};

/// Adds Tools "&Options" (`options_Click`): shows the one Options window modally over
/// the main window, creating it on first use.
void installOptionsWindow(Form1& form);

} // namespace twinsweep
