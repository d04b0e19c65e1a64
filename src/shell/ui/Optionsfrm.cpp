#include "Optionsfrm.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

namespace {

/// The crossfade this window shows when none is stored; the player itself reads a
/// missing key as 5 seconds, until the window has stored its value.
constexpr int ShownCrossfade = 4;
constexpr int LongestCrossfade = 30;

/// A stored whole number; `fallback` when the key is missing or holds no number.
int storedWholeNumber(const SettingsStore& settings, const Setting& setting, int fallback)
{
    bool isNumber = false;
    const int number = settings.value(setting.section, setting.key).trimmed().toInt(&isNumber);
    return isNumber ? number : fallback;
}

/// A list position as stored; `fallback` for one outside the list.
int storedPosition(const SettingsStore& settings, const Setting& setting, const QComboBox* list, int fallback)
{
    const int position = storedWholeNumber(settings, setting, fallback);
    return position >= 0 && position < list->count() ? position : fallback;
}

QGroupBox* frame(const QString& caption, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    new QVBoxLayout(box);
    return box;
}

} // namespace

Optionsfrm::Optionsfrm(SettingsStore& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName("Optionsfrm");
    setWindowTitle("Options");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGeneralFrame());
    layout->addWidget(buildId3Frame());
    layout->addWidget(buildStartFrame());
    layout->addWidget(buildCrossfadeFrame());
    Command1 = new WinXPbut("OK", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    connect(Command1, &WinXPbut::Click, this, &QDialog::accept);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    Form_Load();
}

XPCheckBox* Optionsfrm::addCheckBox(const QString& caption, const Setting& setting)
{
    auto* box = new XPCheckBox(caption, this);
    box->setValue(1); // checked by design, so loading a 1 changes nothing
    connect(box, &XPCheckBox::Click, this,
            [this, box, &setting] { m_settings.setValue(setting, QString::number(box->Value())); });
    return box;
}

QComboBox* Optionsfrm::addList(const QStringList& items, const Setting& setting)
{
    auto* list = new QComboBox(this);
    list->addItems(items);
    list->setCurrentIndex(-1); // nothing chosen by design, so loading always stores
    connect(list, &QComboBox::currentIndexChanged, this, [this, &setting](int position) {
        if (position >= 0)
            m_settings.setValue(setting, QString::number(position));
    });
    return list;
}

QWidget* Optionsfrm::buildGeneralFrame()
{
    QGroupBox* box = frame("General settings", this);
    Check1 = addCheckBox("Send deleted files to recycle bin", Settings::Backup);
    Combo1 = addList({"All valid", "*.mp3", "*.wav"}, Settings::Filetype);
    Check4 = addCheckBox("Recurse subdirectories", Settings::RecSubDir);
    auto* fileTypes = new QFormLayout;
    fileTypes->addRow("Files type to scan", Combo1);
    box->layout()->addWidget(Check1);
    qobject_cast<QVBoxLayout*>(box->layout())->addLayout(fileTypes);
    box->layout()->addWidget(Check4);
    return box;
}

QWidget* Optionsfrm::buildId3Frame()
{
    QGroupBox* box = frame("Preferred ID3-tag version", this);
    Option1 = new QRadioButton("ID3v1", box);
    Option2 = new QRadioButton("ID3v2", box);
    connect(Option1, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen)
            m_settings.setValue(Settings::ID3, "0");
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen)
            m_settings.setValue(Settings::ID3, "1");
    });
    box->layout()->addWidget(Option1);
    box->layout()->addWidget(Option2);
    return box;
}

QWidget* Optionsfrm::buildStartFrame()
{
    QGroupBox* box = frame("On start up", this);
    Check2 = addCheckBox("Auto open last collection", Settings::AOpen);
    Check3 = addCheckBox("Restore last window settings", Settings::RestWind);
    box->layout()->addWidget(Check2);
    box->layout()->addWidget(Check3);
    return box;
}

QWidget* Optionsfrm::buildCrossfadeFrame()
{
    QGroupBox* box = frame("Crossfade", this);
    QStringList seconds;
    for (int second = 0; second <= LongestCrossfade; ++second)
        seconds << QString::number(second);
    Combo2 = addList(seconds, Settings::Crossfade);
    Combo2->installEventFilter(this);
    auto* length = new QFormLayout;
    length->addRow("Fade lenght in seconds", Combo2);
    qobject_cast<QVBoxLayout*>(box->layout())->addLayout(length);
    box->layout()->addWidget(new QLabel("*To turn crossfade off select 0 sec", box));
    return box;
}

bool Optionsfrm::eventFilter(QObject* watched, QEvent* event)
{
    // The crossfade list also stores its position when it gains or loses the focus.
    const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    if (watched == Combo2 && focusChange && Combo2->currentIndex() >= 0)
        m_settings.setValue(Settings::Crossfade, QString::number(Combo2->currentIndex()));
    return QDialog::eventFilter(watched, event);
}

void Optionsfrm::Form_Load()
{
    Check1->setValue(storedWholeNumber(m_settings, Settings::Backup, 1));
    Combo1->setCurrentIndex(storedPosition(m_settings, Settings::Filetype, Combo1, 0));
    Combo2->setCurrentIndex(storedPosition(m_settings, Settings::Crossfade, Combo2, ShownCrossfade));
    Check4->setValue(storedWholeNumber(m_settings, Settings::RecSubDir, 1));
    Check3->setValue(storedWholeNumber(m_settings, Settings::RestWind, 1));
    Check2->setValue(storedWholeNumber(m_settings, Settings::AOpen, 1));
    if (storedWholeNumber(m_settings, Settings::ID3, 1) == 1)
        Option2->setChecked(true);
    else
        Option1->setChecked(true);
}

void installOptionsWindow(Form1& form)
{
    form.toolsMenu->addSeparator();
    QAction* options = form.toolsMenu->addAction("&Options");
    options->setObjectName("options");
    QObject::connect(options, &QAction::triggered, &form, [&form] {
        // Hiding keeps the window, so a later showing presents the controls as left.
        auto* window = form.findChild<Optionsfrm*>(QString(), Qt::FindDirectChildrenOnly);
        if (!window)
            window = new Optionsfrm(form.services().settings, &form);
        window->exec();
    });
}

} // namespace twinsweep
