#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <functional>

#include "FakeServices.h"
#include "MediaFolder.h"
#include "ModalWindows.h"
#include "QtPrinters.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/cDirEx.h"
#include "catalogue/ui/Form4.h"
#include "catalogue/ui/frmfndupd.h"
#include "controls/ui/WinXPbut.h"
#include "platform/VolumeLayer.h"
#include "shell/ui/VolumeAddingInstall.h"

namespace twinsweep {
namespace {

using test::whenModal;

void typeName(Form4& window, const QString& name)
{
    window.Text1->setText(name);
    QTest::mouseClick(window.Command1, Qt::LeftButton);
}

class AddVolumeWindowsTest : public ::testing::Test
{
protected:
    AddVolumeWindowsTest()
    {
        window.show();
        adding = window.findChild<VolumeAdding*>();
    }
    QAction* editEntry(const QString& name) const
    {
        for (QAction* action : window.editMenu->actions()) {
            if (action->objectName() == name)
                return action;
        }
        return nullptr;
    }
    /// Calls `during` for every file the scanner reports.
    void duringScan(std::function<void()> during)
    {
        QObject::connect(&adding->scanner().DirEx, &cDirEx::CurrentFile, &window, during);
    }
    QString cell(int row, int column) const { return window.ListFiles2->model()->index(row, column).data().toString(); }

    test::FakeServices fake;
    Catalogue catalogue;
    MainWindow window{catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop};
    VolumeAdding* adding = nullptr;
};

TEST_F(AddVolumeWindowsTest, EditMenuAddsAFolderAsANamedVolume)
{
    const QString root = test::makeMediaFolder({"a.mp3", "b.wav"});
    ASSERT_NE(adding, nullptr);
    QAction* cmdFind = editEntry("cmdFind");
    ASSERT_NE(cmdFind, nullptr);
    EXPECT_EQ(cmdFind->text(), "&Add volume");
    EXPECT_EQ(window.editMenu->actions().value(0), cmdFind);
    EXPECT_EQ(window.Toolbar1->actions().value(0)->text(), "Add volume");

    bool scanningWindowUsable = false;
    duringScan([&] {
        const frmfndupd* scanning = adding->scanningWindow().window();
        scanningWindowUsable = !window.isEnabled() && scanning && scanning->isVisible() && scanning->isEnabled() &&
                               scanning->windowTitle() == "Scanning" && scanning->Command1->Caption() == "Cancel";
    });
    QString proposed;
    whenModal<Form4>([&](Form4& names) {
        proposed = names.Text1->selectedText();
        EXPECT_EQ(names.windowTitle(), "Add collection");
        EXPECT_TRUE(names.isEnabled());
        typeName(names, "Disco");
    });
    fake.dialogs.answers = {root};
    cmdFind->trigger();

    EXPECT_TRUE(scanningWindowUsable) << "Cancel must stay usable while the main window is disabled";
    EXPECT_EQ(proposed, root.section('/', -1));
    ASSERT_EQ(window.TreeView1->topLevelItemCount(), 1);
    EXPECT_EQ(window.TreeView1->topLevelItem(0)->text(0), "Disco");
    EXPECT_EQ(catalogue.TreeView1.node(1).Key, root + "1");
    const SystemVolumeInfo volumes;
    EXPECT_EQ(catalogue.TreeView1.node(1).Tag, QString::number(volumes.serialNumber(volumes.mountPointOf(root))));
    ASSERT_EQ(window.ListFiles2->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), "a.mp3");
    EXPECT_EQ(cell(0, 4), "44100");
    EXPECT_EQ(cell(1, 0), "b.wav");
    EXPECT_EQ(cell(1, 2), QString::number(176400 + 44));
    EXPECT_EQ(window.statusPanel->text(), "Done");
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(window.toolbarSave->isVisible());
    EXPECT_EQ(adding->scanningWindow().window(), nullptr);
}

TEST_F(AddVolumeWindowsTest, CancelInTheScanningWindowEndsTheScanAfterAYes)
{
    const QString root = test::makeMediaFolder({"a.mp3", "b.mp3", "c.wav"});
    bool clicked = false;
    duringScan([&] {
        if (clicked)
            return;
        clicked = true;
        QTest::mouseClick(adding->scanningWindow().window()->Command1, Qt::LeftButton);
        EXPECT_EQ(adding->scanningWindow().window(), nullptr) << "the window unloads itself";
    });
    whenModal<Form4>([](Form4& names) { names.close(); });
    fake.prompt.answers = {MessageAnswer::Yes};
    fake.dialogs.answers = {root};
    window.Toolbar1->actions().value(0)->trigger();

    EXPECT_EQ(fake.prompt.texts(),
              QStringList{"Do you want to stop adding files to volume? (Only a part of files would be added)"});
    ASSERT_EQ(catalogue.ListFiles.size(), 1u);
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Filename), "a.mp3");
    EXPECT_EQ(window.TreeView1->topLevelItem(0)->text(0), "Colection1") << "the close box gives the default name";
}

TEST_F(AddVolumeWindowsTest, BothUpdateEntriesAskToUpdateTheSelectedVolume)
{
    const struct
    {
        QMenu* menu;
        const char* entry;
        const char* caption;
    } cases[]{{window.editMenu, "Updatevolume", "&Update volume"}, {window.popMNU, "upd", "Update"}};
    catalogue.TreeView1.add({"/music1", "Nera", "Music"});
    catalogue.TreeView1.select(1);
    for (const auto& c : cases) {
        QAction* entry = window.findChild<QAction*>(c.entry);
        ASSERT_NE(entry, nullptr) << c.entry;
        EXPECT_TRUE(c.menu->actions().contains(entry)) << c.entry;
        EXPECT_EQ(entry->text(), c.caption);
        fake.prompt.shown.clear();
        fake.prompt.answers = {MessageAnswer::No};
        entry->trigger();
        EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you want to update selected volume?"}) << c.entry;
    }
}

TEST(Form4Test, OkAcceptsOnlyANewNameAndEscDoesNotClose)
{
    VolumeTree tree;
    tree.add({"/media/rock1", "1", "Rock"});
    test::FakePrompt prompt;
    Form4 names(tree, prompt, nullptr);
    names.SetName("Rock");
    EXPECT_EQ(names.Text1->selectedText(), "Rock");

    whenModal<Form4>([&](Form4& shown) {
        QTest::mouseClick(shown.Command1, Qt::LeftButton);
        QTest::keyClick(&shown, Qt::Key_Escape);
        EXPECT_TRUE(shown.isVisible());
        typeName(shown, "rock");
    });
    EXPECT_EQ(names.showModal(), "rock");
    EXPECT_EQ(prompt.texts(), QStringList{"Collection with this name already exists."});

    names.SetName("Jazz");
    whenModal<Form4>([](Form4& shown) { shown.close(); });
    EXPECT_EQ(names.showModal(), "");
    EXPECT_EQ(names.Text1->text(), "") << "the close box unloads the name";
}

} // namespace
} // namespace twinsweep
