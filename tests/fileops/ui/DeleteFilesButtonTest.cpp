#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/VolumeLayer.h"

namespace twinsweep {
namespace {

QAction* deleteButton(Form1& window)
{
    const QList<QAction*> actions = window.Toolbar2->actions();
    for (qsizetype i = 1; i < actions.size(); ++i) {
        if (actions[i]->text() == "Delete file(s)" && actions[i - 1]->isSeparator())
            return actions[i];
    }
    return nullptr;
}

TEST(DeleteFilesButtonTest, DeletesTheCheckedResultsOfTheMainWindow)
{
    // Real files on the real volume the tests run on, and the test's own trash.
    const QString folder = QDir(test::freshFolder("button")).canonicalPath() + '/';
    const SystemVolumeInfo system;
    const qint32 serial = system.serialNumber(system.mountPointOf(folder));
    test::FakeServices fake;
    Catalogue catalogue;
    catalogue.TreeView1.add({folder + "1", serial != 0 ? QString::number(serial) : "Nera", "Here"});
    for (const char* name : {"one.mp3", "two.mp3", "three.mp3"}) {
        test::writeFile(folder + name);
        catalogue.ListFiles.push_back(test::makeRecord(name, folder, 1));
    }
    catalogue.TreeView1.select(1);
    catalogue.Duplicates.assign({{2, "Here", 255, true}, {3, "Here", 255, false}});
    MainWindow window(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
    window.show();
    window.ClickNOD();

    QAction* button = deleteButton(window);
    ASSERT_NE(button, nullptr) << "\"Delete file(s)\" after a separator on the result toolbar";
    fake.prompt.answers.push_back(MessageAnswer::Yes);
    QTest::mouseClick(window.Toolbar2->widgetForAction(button), Qt::LeftButton);

    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you really want to delete checked files?"});
    EXPECT_FALSE(QFile::exists(folder + "two.mp3"));
    EXPECT_FALSE(test::trashedFrom(folder + "two.mp3").isEmpty());
    EXPECT_EQ(window.statusPanel->text(), "1 of 1 files deleted successfully.");
    EXPECT_EQ(window.Duplicates->model()->rowCount(), 1);
    EXPECT_EQ(window.Duplicates->model()->index(0, 0).data().toString(), "three.mp3");
    EXPECT_EQ(window.ListFiles2->model()->rowCount(), 2);
    EXPECT_TRUE(window.toolbarSave->isVisible()) << "the collection has changed";
    EXPECT_TRUE(window.isEnabled());

    // With the query list in the lower pane the checked results are out of sight.
    window.resultList->querysel_Click();
    fake.prompt.answers.push_back(MessageAnswer::Yes);
    button->trigger();
    EXPECT_EQ(fake.prompt.texts().size(), 1) << "no second question";
    EXPECT_TRUE(QFile::exists(folder + "three.mp3"));
}

} // namespace
} // namespace twinsweep
