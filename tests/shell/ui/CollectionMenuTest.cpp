#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QToolBar>

#include "ActionTexts.h"
#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "TestEnvironment.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "shell/RUF.h"

namespace twinsweep {
namespace {

TEST(CollectionMenuTest, EntriesExistAndTheToolbarSaveButtonSaves)
{
    test::FakeServices fake;
    Catalogue catalogue;
    test::addVolume(catalogue, "Rock", {"a.mp3"});
    MainWindow window(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);

    const QStringList menu = test::actionTexts(window.fileMenu->actions());
    for (const char* entry : {"&New", "&Open", "&Save", "Save &As", "E&xit"})
        EXPECT_TRUE(menu.contains(entry)) << entry;
    EXPECT_LT(menu.indexOf("Save &As"), menu.indexOf("E&xit"));
    const QStringList toolbar = test::actionTexts(window.Toolbar1->actions());
    EXPECT_EQ(toolbar.mid(toolbar.indexOf("Save"), 5), QStringList({"Save", "", "Open", "", "New collection"}));
    ASSERT_NE(window.ruf, nullptr);
    EXPECT_FALSE(window.findChild<QAction*>("mnuRUF1")->isVisible()) << "no recent file yet";

    const QString path = test::scratchRoot() + "/menu & toolbar.ztw";
    catalogue.setCurrentCollectionPath(path);
    catalogue.MarkCollectionChanged();
    window.toolbarSave->trigger();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_FALSE(window.toolbarSave->isVisible());
    QAction* recent = window.findChild<QAction*>("mnuRUF1");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), test::scratchRoot() + "/menu && toolbar.ztw");
    EXPECT_TRUE(recent->isVisible());
    EXPECT_EQ(fake.settings.value("Recent Files", "1"), path);
}

} // namespace
} // namespace twinsweep
