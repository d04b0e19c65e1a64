#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFolder.h"
#include "ModalWindows.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CollectionCommands.h"
#include "catalogue/ui/Form4.h"
#include "controls/ui/WinXPbut.h"
#include "platform/Twips.h"
#include "shell/RUF.h"
#include "shell/ui/Startup.h"

namespace twinsweep {
namespace {

class LifecycleTest : public ::testing::Test
{
protected:
    /// A new main window on the settings of the last run, not loaded yet.
    Form1& create()
    {
        window.reset();
        catalogue = std::make_unique<Catalogue>();
        window =
            std::make_unique<MainWindow>(*catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        return *window;
    }
    /// A new run of the program on the settings of the last one.
    Form1& start(const QString& commandLine = {})
    {
        recordSteps(create().lifecycle);
        Form_Load(*window, commandLine);
        return *window;
    }
    void recordSteps(LifecycleHooks& hooks)
    {
        const auto record = [this](const QString& step) {
            return [this, step] {
                steps << step + (window->FormLoaded ? " loaded" : "") + (window->isVisible() ? " shown" : "");
            };
        };
        hooks.SetMciDriver = record("driver");
        hooks.CloseAllMedia = record("close media");
        hooks.resetPositionSlider = record("slider");
        hooks.placeVolumeKnob = [this](int volume) { steps << "knob " + QString::number(volume); };
        hooks.viewOptions = {record("view 1"), record("view 2")};
        hooks.RecordFormLayout = record("record layout");
        hooks.moveFramesIntoToolbarRoom = record("toolbar room");
        hooks.showAboutBox = record("about");
    }
    int widthInTwips(QTableView* view, int column) const
    {
        QHeaderView* header = view->horizontalHeader();
        return int(pixelsToTwips(header->sectionSize(column), header->logicalDpiX()));
    }
    int pixels(double twips) const { return twipsToPixels(twips, window->logicalDpiX()); }

    test::FakeServices fake;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<MainWindow> window;
    QStringList steps;
};

TEST_F(LifecycleTest, FirstRunWithNoSettings)
{
    Form1& form = start();
    EXPECT_EQ(steps, QStringList({"driver", "close media", "slider", "knob 70", "view 1", "view 2", "record layout",
                                  "about loaded shown"}));
    EXPECT_EQ(form.PlayerVolume, 70);
    EXPECT_TRUE(form.FormLoaded);
    EXPECT_TRUE(form.isMaximized());
    EXPECT_EQ(catalogue->TreeView1.count(), 0);
    EXPECT_TRUE(form.statusPanel->text().startsWith("T w i n s w e e p  (v. "));
    QHeaderView* files = form.ListFiles2->horizontalHeader();
    EXPECT_EQ(files->sectionSize(0), pixels(2820));
    EXPECT_EQ(files->sectionSize(2), pixels(1710));
    EXPECT_TRUE(files->isSectionHidden(13)) << "NodeNR";
    EXPECT_EQ(form.Duplicates->horizontalHeader()->sectionSize(13), pixels(2716));
    QHeaderView* query = form.query->horizontalHeader();
    ASSERT_EQ(query->count(), 4);
    EXPECT_EQ(query->sectionSize(0), pixels(4000));
    EXPECT_EQ(query->sectionSize(2), pixels(1185)) << "Duration";
    EXPECT_TRUE(fake.prompt.shown.empty());
}

TEST_F(LifecycleTest, StoredVolumeAndNormalWindow)
{
    fake.settings.setValue("Options", "Volume", "150");
    fake.settings.setValue("Options", "WindowState", "0");
    fake.settings.setValue("Options", "Width", QString::number(pixelsToTwips(640)));
    fake.settings.setValue("Options", "Height", QString::number(pixelsToTwips(480)));
    Form1& form = start();
    EXPECT_EQ(form.PlayerVolume, 100);
    EXPECT_FALSE(form.isMaximized());
    EXPECT_EQ(form.size(), QSize(pixels(pixelsToTwips(640)), pixels(pixelsToTwips(480))));
}

TEST_F(LifecycleTest, WidthsAndWindowStateComeBackAfterARestart)
{
    Form1& first = start();
    first.ListFiles2->horizontalHeader()->resizeSection(1, 250);
    first.Duplicates->horizontalHeader()->resizeSection(13, 90);
    const int pathWidth = widthInTwips(first.ListFiles2, 1);
    ASSERT_TRUE(first.close());
    EXPECT_EQ(fake.settings.value("Options", "WindowState"), "2");
    EXPECT_FALSE(fake.settings.contains("Options", "Width")) << "a maximized window keeps the stored size";

    Form1& second = start();
    EXPECT_EQ(widthInTwips(second.ListFiles2, 1), pathWidth);
    EXPECT_EQ(second.Duplicates->horizontalHeader()->sectionSize(13), 90);
    EXPECT_TRUE(second.isMaximized());
    second.showNormal();
    second.resize(700, 500);
    ASSERT_TRUE(second.close());
    EXPECT_EQ(fake.settings.value("Options", "WindowState"), "0");
    EXPECT_EQ(fake.settings.value("Options", "Width"), twipsText(pixelsToTwips(700, second.logicalDpiX())));
}

TEST_F(LifecycleTest, TheMostRecentCollectionReopens)
{
    const QString path = test::freshFolder("startup") + "/mine.ztw";
    {
        Catalogue saved;
        test::addVolume(saved, "Rock", {"a.mp3", "b.mp3"});
        RUF recent(fake.settings);
        recent.LoadRecentFiles();
        fake.dialogs.answers = {path};
        ASSERT_TRUE(Save_Click(saved, fake.services, recent));
    }
    start();
    EXPECT_EQ(catalogue->TreeView1.count(), 1);
    EXPECT_EQ(catalogue->CurrentCollectionPath(), path);

    fake.settings.setValue("Options", "AOpen", "0");
    start();
    EXPECT_EQ(catalogue->TreeView1.count(), 0);
}

TEST_F(LifecycleTest, AFolderOnTheCommandLineIsScannedIn)
{
    const QString folder = test::makeMediaFolder({"a.mp3", "b.wav"});
    test::whenModal<Form4>([](Form4& names) {
        names.Text1->setText("Argument");
        QTest::mouseClick(names.Command1, Qt::LeftButton);
    });
    start("\"" + folder + "\"");
    ASSERT_EQ(catalogue->TreeView1.count(), 1);
    EXPECT_EQ(catalogue->TreeView1.node(1).Text, "Argument");
    EXPECT_EQ(window->ListFiles2->model()->rowCount(), 2);
}

TEST_F(LifecycleTest, AHiddenToolbarGivesItsRoomToThePanesOnlyWhenTheWindowIsRestored)
{
    for (const char* restore : {"1", "0"}) {
        fake.settings.setValue("Options", "RestWind", restore);
        create();
        bool moved = false;
        window->lifecycle.viewOptions = {[this] { window->Toolbar1->hide(); }};
        window->lifecycle.moveFramesIntoToolbarRoom = [&moved] { moved = true; };
        Form_Load(*window, {});
        EXPECT_EQ(moved, QString(restore) == "1") << "RestWind " << restore;
    }
}

TEST_F(LifecycleTest, CancelOrABusyWindowWritesNothing)
{
    Form1& form = start();
    QStringList closing;
    form.lifecycle.CloseAllMedia = [&closing] { closing << "close media"; };
    form.lifecycle.unloadWindows = [&closing] { closing << "unload windows"; };
    catalogue->MarkCollectionChanged();
    fake.prompt.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(form.close());
    EXPECT_EQ(fake.prompt.texts(), QStringList{"Collention has changed. Do you want to save changes?"});
    form.setEnabled(false); // a long operation runs
    EXPECT_FALSE(form.close());
    EXPECT_EQ(fake.prompt.shown.size(), 1u) << "nothing is asked while busy";
    EXPECT_FALSE(fake.settings.contains("Options", "WindowState"));
    EXPECT_FALSE(fake.settings.contains("List1", "Filename"));
    EXPECT_TRUE(closing.isEmpty());

    form.setEnabled(true);
    fake.prompt.answers = {MessageAnswer::No};
    EXPECT_TRUE(form.close());
    EXPECT_EQ(closing, QStringList({"close media", "unload windows"}));
    EXPECT_EQ(fake.settings.value("List1", "Filename"), "2820");
    // 2716 twips are 181 pixels at 96 dpi: the width is kept in whole pixels.
    EXPECT_EQ(fake.settings.value("List2", "Collection"), twipsText(pixelsToTwips(pixels(2716), form.logicalDpiX())));
    EXPECT_FALSE(fake.settings.contains("List1", "NodeNR"));
    EXPECT_FALSE(fake.settings.contains("List3", "Filename"));
}

} // namespace
} // namespace twinsweep
