#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>

#include <functional>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/SettingKeys.h"
#include "platform/VolumeLayer.h"
#include "shell/ui/ViewToggles.h"

namespace twinsweep {
namespace {

/// The main window over real files on the volume the tests run on; the results list
/// one.mp3 and two.mp3.
class FileCommandsTest : public ::testing::Test
{
protected:
    FileCommandsTest()
    {
        const SystemVolumeInfo system;
        const qint32 serial = system.serialNumber(system.mountPointOf(folder));
        catalogue.TreeView1.add({folder + "1", serial != 0 ? QString::number(serial) : "Nera", "Here"});
        for (const char* name : {"one.mp3", "two.mp3", "three.mp3"}) {
            test::writeFile(folder + name, name);
            catalogue.ListFiles.push_back(test::makeRecord(name, folder, 1));
        }
        catalogue.TreeView1.select(1);
        catalogue.Duplicates.assign({{1, "Here", 255, true}, {2, "Here", 255, false}});
        fake.settings.setValue(Settings::Backup, "0");
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
        window->ClickNOD();
        view = window->Duplicates;
    }
    void selectOnly(int row)
    {
        view->setCurrentIndex(view->model()->index(row, 0));
        view->selectRow(row);
    }
    void run(const QString& handler)
    {
        window->resultList->commands().run(handler, window->resultList->selectedRows());
    }
    QString text(QTableView* list, int row) const { return list->model()->index(row, 0).data().toString(); }

    QString folder = QDir(test::freshFolder("commands")).canonicalPath() + '/';
    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
    QTableView* view = nullptr;
};

TEST_F(FileCommandsTest, RenameEditsTheNameInPlaceAndItsEnterPlaysNothing)
{
    QStringList played;
    window->resultList->commands().add("Play1_Click", [&played](const auto&) { played << "Duplicates"; });
    window->volumeFileList->commands().add("play_Click", [&played](const auto&) { played << "ListFiles2"; });
    const struct
    {
        QTableView* list;
        ListCommands& commands;
        std::function<std::vector<qsizetype>()> selectedRows;
        const char* handler;
        int row;
        QString oldName;
        QString newName;
    } cases[]{
        {window->Duplicates, window->resultList->commands(), [this] { return window->resultList->selectedRows(); },
         "renamefile_Click", 1, "two.mp3", "deux.mp3"},
        {window->ListFiles2, window->volumeFileList->commands(),
         [this] { return window->volumeFileList->selectedRows(); }, "renamefile1_Click", 2, "three.mp3", "trois.mp3"},
    };
    for (const auto& c : cases) {
        const std::string list = c.list->objectName().toStdString();
        c.list->setCurrentIndex(c.list->model()->index(c.row, 0));
        c.list->selectRow(c.row);
        c.commands.run(c.handler, c.selectedRows());
        auto* editor = c.list->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "the name editor is open in " << list;
        EXPECT_EQ(editor->text(), c.oldName);
        editor->setText(c.newName);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the editor hands its text over in a queued call

        EXPECT_EQ(window->statusPanel->text(), "File renamed") << list;
        EXPECT_EQ(test::readFile(folder + c.newName), c.oldName) << list;
        EXPECT_EQ(text(c.list, c.row), c.newName) << list;
        EXPECT_TRUE(played.isEmpty()) << "the Enter that ends a rename plays nothing in " << list;
    }
    EXPECT_EQ(text(window->ListFiles2, 1), "deux.mp3");
    EXPECT_TRUE(window->toolbarSave->isVisible());

    QTest::keyClick(window->Duplicates, Qt::Key_Return);
    QTest::keyClick(window->ListFiles2, Qt::Key_Return);
    EXPECT_EQ(played, (QStringList{"Duplicates", "ListFiles2"})) << "Enter on a row not being edited plays";
}

TEST_F(FileCommandsTest, ARowRenamedInASortedListTakesItsPlaceAndKeepsTheSelection)
{
    window->viewToggles->entry("Sorted")->trigger();
    QTableView* files = window->ListFiles2;
    files->setCurrentIndex(files->model()->index(0, 0));
    files->selectRow(0);
    window->volumeFileList->commands().run("renamefile1_Click", window->volumeFileList->selectedRows());
    auto* editor = files->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->text(), "one.mp3");
    editor->setText("zero.mp3");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor hands its text over in a queued call

    EXPECT_EQ((QStringList{text(files, 0), text(files, 1), text(files, 2)}),
              (QStringList{"three.mp3", "two.mp3", "zero.mp3"}));
    EXPECT_EQ(files->currentIndex().row(), 2);
    EXPECT_EQ(window->volumeFileList->selectedRows(), std::vector<qsizetype>{2});
    QTest::keyClick(files, Qt::Key_Up);
    EXPECT_EQ(window->volumeFileList->selectedRows(), std::vector<qsizetype>{1}) << "the keys go on from the row";
}

TEST_F(FileCommandsTest, RefusedRenameShowsTheOldName)
{
    selectOnly(0);
    run("renamefile_Click");
    auto* editor = view->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("two.mp3");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor hands its text over in a queued call

    EXPECT_EQ(window->statusPanel->text(), "Can't rename file");
    EXPECT_EQ(text(view, 0), "one.mp3");
    EXPECT_EQ(test::readFile(folder + "two.mp3"), "two.mp3");
}

TEST_F(FileCommandsTest, DeleteKeyDeletesTheSelectedResult)
{
    selectOnly(0);
    fake.prompt.answers.push_back(MessageAnswer::Yes);
    QTest::keyClick(view, Qt::Key_Delete);

    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you really want to delete selected file(s)?"});
    EXPECT_FALSE(QFile::exists(folder + "one.mp3"));
    EXPECT_EQ(window->statusPanel->text(), "1 of 1 file(s) deleted successfully.");
    EXPECT_EQ(view->model()->rowCount(), 1);
    EXPECT_EQ(text(view, 0), "two.mp3");
    EXPECT_EQ(window->ListFiles2->model()->rowCount(), 2);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(FileCommandsTest, CopyFileToClipboardOffersTheFilesToFileManagers)
{
    view->selectAll();
    run("Copyfile_Click");

    EXPECT_EQ(window->statusPanel->text(), "2 file(s) copied to clipboard successfully.");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              "copy\nfile://" + QFile::encodeName(folder) + "one.mp3\nfile://" + QFile::encodeName(folder) + "two.mp3");
    EXPECT_EQ(data->urls().size(), 2);

    run("Copy_Click");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), folder + "one.mp3\r\n" + folder + "two.mp3");
}

} // namespace
} // namespace twinsweep
