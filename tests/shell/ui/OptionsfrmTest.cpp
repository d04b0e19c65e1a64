#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "FakeServices.h"
#include "ModalWindows.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "shell/ui/Optionsfrm.h"

namespace twinsweep {
namespace {

class OptionsfrmTest : public ::testing::Test
{
protected:
    QString stored(const char* key) const { return fake.settings.value("Options", key, "<missing>"); }
    test::FakeServices fake;
};

TEST_F(OptionsfrmTest, FreshInstallationShowsTheDefaultsAndStoresTheListsAndTheTagChoice)
{
    Optionsfrm window(fake.settings);
    for (XPCheckBox* box : {window.Check1, window.Check2, window.Check3, window.Check4})
        EXPECT_EQ(box->Value(), 1) << box->Caption().toStdString();
    EXPECT_EQ(window.Combo1->currentText(), "All valid");
    EXPECT_EQ(window.Combo2->currentText(), "4");
    EXPECT_EQ(window.Combo2->count(), 31);
    EXPECT_TRUE(window.Option2->isChecked());
    EXPECT_EQ(stored("Filetype"), "0");
    EXPECT_EQ(stored("Crossfade"), "4");
    EXPECT_EQ(stored("ID3"), "1");
    for (const char* key : {"Backup", "RecSubDir", "AOpen", "RestWind"})
        EXPECT_EQ(stored(key), "<missing>") << "loading never writes a check box's key: " << key;
}

TEST_F(OptionsfrmTest, StoredValuesAreShown)
{
    const struct
    {
        const char* key;
        QString value;
    } settings[] = {{"Backup", "0"},   {"Filetype", "2"}, {"Crossfade", "30"}, {"RecSubDir", "0"},
                    {"RestWind", "1"}, {"AOpen", "0"},    {"ID3", "2"}};
    for (const auto& setting : settings)
        fake.settings.setValue("Options", setting.key, setting.value);
    Optionsfrm window(fake.settings);
    EXPECT_EQ(window.Check1->Value(), 0);
    EXPECT_EQ(window.Combo1->currentText(), "*.wav");
    EXPECT_EQ(window.Combo2->currentText(), "30");
    EXPECT_EQ(window.Check4->Value(), 0);
    EXPECT_EQ(window.Check3->Value(), 1);
    EXPECT_EQ(window.Check2->Value(), 0);
    EXPECT_TRUE(window.Option1->isChecked()) << "any ID3 but 1 shows ID3v1";
    EXPECT_EQ(stored("ID3"), "0");
    EXPECT_EQ(stored("Backup"), "0");
}

TEST_F(OptionsfrmTest, ValuesOutsideTheListsShowTheDefaults)
{
    fake.settings.setValue("Options", "Filetype", "7");
    fake.settings.setValue("Options", "Crossfade", "many");
    Optionsfrm window(fake.settings);
    EXPECT_EQ(window.Combo1->currentText(), "All valid");
    EXPECT_EQ(stored("Filetype"), "0");
    EXPECT_EQ(window.Combo2->currentText(), "4");
}

TEST_F(OptionsfrmTest, EveryChangeIsStoredAtOnce)
{
    Optionsfrm window(fake.settings);
    QTest::mouseClick(window.Check1, Qt::LeftButton);
    EXPECT_EQ(stored("Backup"), "0");
    QTest::mouseClick(window.Check1, Qt::LeftButton);
    EXPECT_EQ(stored("Backup"), "1");
    window.Combo1->setCurrentIndex(1);
    EXPECT_EQ(stored("Filetype"), "1");
    window.Combo2->setCurrentIndex(0);
    EXPECT_EQ(stored("Crossfade"), "0") << "crossfade off";
    QTest::mouseClick(window.Option1, Qt::LeftButton);
    EXPECT_EQ(stored("ID3"), "0");
    fake.settings.setValue("Options", "Crossfade", "9");
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(window.Combo2, &focusOut);
    EXPECT_EQ(stored("Crossfade"), "0") << "losing the focus stores the list's position";
}

TEST_F(OptionsfrmTest, ToolsOptionsShowsOneWindowThatKeepsItsControls)
{
    Catalogue catalogue;
    MainWindow form(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
    QAction* options = form.findChild<QAction*>("options");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->text(), "&Options");
    EXPECT_TRUE(form.toolsMenu->actions().contains(options));

    Optionsfrm* shown = nullptr;
    test::whenModal<Optionsfrm>([&shown](Optionsfrm& window) {
        shown = &window;
        window.Combo1->setCurrentIndex(2);
        QTest::mouseClick(window.Command1, Qt::LeftButton);
    });
    options->trigger();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(stored("Filetype"), "2");

    fake.settings.setValue("Options", "Filetype", "1");
    QString shownAgain;
    test::whenModal<Optionsfrm>([&shownAgain](Optionsfrm& window) {
        shownAgain = window.Combo1->currentText();
        QTest::mouseClick(window.Command1, Qt::LeftButton);
    });
    options->trigger();
    EXPECT_EQ(shownAgain, "*.wav") << "not read again";
}

} // namespace
} // namespace twinsweep
