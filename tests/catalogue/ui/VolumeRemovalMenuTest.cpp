#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTreeWidget>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"

namespace twinsweep {
namespace {

QAction* findAction(QMenu* menu, const QString& name)
{
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

class VolumeRemovalMenuTest : public ::testing::Test
{
protected:
    VolumeRemovalMenuTest()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3"});
        test::addVolume(catalogue, "Jazz", {"b.mp3", "c.mp3"});
        test::addVolume(catalogue, "Pop", {"d.mp3"});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
        window->TreeView1->setCurrentItem(window->TreeView1->topLevelItem(1));
        window->ClickNOD();
    }
    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
};

TEST_F(VolumeRemovalMenuTest, BothEntriesRemoveTheSelectedVolumeAndShowTheLast)
{
    QAction* remove = findAction(window->popMNU, "delnode");
    QAction* Removevolume = findAction(window->editMenu, "Removevolume");
    ASSERT_TRUE(remove && Removevolume);
    EXPECT_EQ(remove->text(), "Remove");
    EXPECT_EQ(Removevolume->text(), "Re&move volume");

    fake.prompt.answers = {MessageAnswer::Yes};
    remove->trigger();
    ASSERT_EQ(window->TreeView1->topLevelItemCount(), 2);
    EXPECT_EQ(window->TreeView1->currentItem(), window->TreeView1->topLevelItem(1));
    EXPECT_EQ(window->TreeView1->currentItem()->text(0), "Pop");
    ASSERT_EQ(window->ListFiles2->model()->rowCount(), 1);
    EXPECT_EQ(window->ListFiles2->model()->index(0, 0).data().toString(), "d.mp3");
    EXPECT_EQ(window->ListFiles2->model()->index(0, 13).data().toString(), "2");
    EXPECT_EQ(window->statusPanel->text(), "Collection removed");
    EXPECT_TRUE(window->toolbarSave->isVisible());
    EXPECT_TRUE(window->isEnabled());

    fake.prompt.answers = {MessageAnswer::Yes};
    Removevolume->trigger();
    EXPECT_EQ(window->TreeView1->topLevelItemCount(), 1);
    EXPECT_EQ(window->TreeView1->currentItem()->text(0), "Rock");
    EXPECT_EQ(window->ListFiles2->model()->index(0, 0).data().toString(), "a.mp3");
    EXPECT_EQ(fake.prompt.texts(),
              (QStringList{"Do you want to remove selected volume?", "Do you want to remove selected volume?"}));
}

} // namespace
} // namespace twinsweep
