#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/ListImages.h"

namespace twinsweep {
namespace {

class Form1Test : public ::testing::Test
{
protected:
    Form1Test()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
        test::addVolume(catalogue, "Jazz", {"c.mp3"});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
    }
    /// Renames the first volume in place, as the user types a name and presses Enter.
    void renameFirstVolume(const QString& name)
    {
        window->TreeView1->setCurrentItem(window->TreeView1->topLevelItem(0));
        window->Renamevolume_Click();
        auto* editor = window->TreeView1->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(name);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits the edit from its event queue, and the rename rule runs
        // from there once the editor is closed.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void clickVolume(int index)
    {
        QTreeWidgetItem* item = window->TreeView1->topLevelItem(index - 1);
        const QRect rect = window->TreeView1->visualItemRect(item);
        QTest::mouseClick(window->TreeView1->viewport(), Qt::LeftButton, {}, rect.center());
    }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
};

TEST_F(Form1Test, ClickingAVolumeFillsTheFileList)
{
    ASSERT_EQ(window->TreeView1->topLevelItemCount(), 2);
    clickVolume(2);
    ASSERT_EQ(window->ListFiles2->model()->rowCount(), 1);
    EXPECT_EQ(window->ListFiles2->model()->index(0, 0).data().toString(), "c.mp3");
    EXPECT_EQ(window->statusPanel->text(), "Done");
    clickVolume(1);
    EXPECT_EQ(window->ListFiles2->model()->rowCount(), 2);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(Form1Test, KeysThatMoveTheTreeListTheVolumeTheyReach)
{
    test::addVolume(catalogue, "Blues", {"d.mp3"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const struct
    {
        const char* keys;
        int from;
        QList<Qt::Key> pressed;
        QStringList listed;
    } cases[]{
        {"Down", 1, {Qt::Key_Down}, {"c.mp3"}},
        {"Up twice", 3, {Qt::Key_Up, Qt::Key_Up}, {"a.mp3", "b.mp3"}},
        {"End", 1, {Qt::Key_End}, {"d.mp3"}},
        {"a volume's first letter", 1, {Qt::Key_J}, {"c.mp3"}},
    };
    for (const auto& c : cases) {
        clickVolume(c.from);
        for (Qt::Key key : c.pressed)
            QTest::keyClick(window->TreeView1, key);

        QStringList listed;
        for (int row = 0; row < window->ListFiles2->model()->rowCount(); ++row)
            listed << window->ListFiles2->model()->index(row, 0).data().toString();
        EXPECT_EQ(listed, c.listed) << c.keys;
        EXPECT_EQ(catalogue.shownVolume(), catalogue.TreeView1.selectedIndex()) << c.keys;
        EXPECT_EQ(QApplication::focusWidget(), window->TreeView1) << c.keys << ": the tree keeps the keyboard";
    }
}

TEST_F(Form1Test, ListsShowTheSharedHeaderPicturesAndTheRowPicture)
{
    clickVolume(1);
    catalogue.Duplicates.assign({{1, "Rock"}});
    const auto picture = [](const QVariant& value) { return value.value<QIcon>().cacheKey(); };
    const struct
    {
        QTableView* list;
        QList<int> headerImages; // 0: none
    } cases[]{
        {window->ListFiles2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
        {window->Duplicates, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {window->query, {1, 2, 4, 14}},
    };
    for (const auto& c : cases) {
        const std::string name = c.list->objectName().toStdString();
        const QAbstractItemModel* model = c.list->model();
        ASSERT_EQ(model->columnCount(), c.headerImages.size()) << name;
        for (int column = 0; column < model->columnCount(); ++column) {
            const QVariant shown = model->headerData(column, Qt::Horizontal, Qt::DecorationRole);
            if (c.headerImages[column] == 0)
                EXPECT_FALSE(shown.isValid()) << name << ' ' << column;
            else
                EXPECT_EQ(picture(shown), headerImage(c.headerImages[column]).cacheKey()) << name << ' ' << column;
        }
    }
    for (QTableView* list : {window->ListFiles2, window->Duplicates}) {
        ASSERT_GT(list->model()->rowCount(), 0);
        EXPECT_EQ(picture(list->model()->index(0, 0).data(Qt::DecorationRole)), rowImage().cacheKey());
        EXPECT_FALSE(list->model()->index(0, 1).data(Qt::DecorationRole).isValid());
    }
}

TEST_F(Form1Test, SaveButtonsFollowTheChangedState)
{
    EXPECT_FALSE(window->toolbarSave->isVisible());
    renameFirstVolume("Blues");
    EXPECT_TRUE(window->toolbarSave->isVisible());
    EXPECT_TRUE(window->toolbarSaveSeparator->isVisible());
    EXPECT_EQ(catalogue.TreeView1.node(1).Text, "Blues");
}

TEST_F(Form1Test, RenamingInPlaceLeavesTheViewConsistent)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text.contains("editor")) // the offscreen platform has warnings of its own
                warnings << text;
        });
    renameFirstVolume("Blues");
    renameFirstVolume("Jazz");
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_EQ(window->TreeView1->topLevelItem(0)->text(0), "Blues");
    EXPECT_EQ(window->TreeView1->findChild<QLineEdit*>(), nullptr) << "the editor is closed";
}

TEST_F(Form1Test, RefusedRenameShowsTheOldName)
{
    for (const QString refused : {"Jazz", "Rock"}) {
        fake.prompt.shown.clear();
        renameFirstVolume(refused);
        EXPECT_EQ(fake.prompt.texts(), QStringList{"Collection with this name already exists."})
            << refused.toStdString();
        EXPECT_EQ(window->TreeView1->topLevelItem(0)->text(0), "Rock");
    }
    EXPECT_FALSE(catalogue.CollectionChanged());
}

TEST_F(Form1Test, ClosingAChangedCollectionAsksFirst)
{
    catalogue.MarkCollectionChanged();
    fake.prompt.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    EXPECT_FALSE(window->close()) << "Cancel keeps the program running";
    EXPECT_EQ(fake.prompt.texts(), QStringList{"Collention has changed. Do you want to save changes?"});
    EXPECT_TRUE(window->close()) << "No closes without saving";
}

} // namespace
} // namespace twinsweep
