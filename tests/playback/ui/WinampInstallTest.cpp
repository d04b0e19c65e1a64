#include <gtest/gtest.h>

#include <QDir>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QTest>

#include <memory>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "RecordingWinamp.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ui/ResultListView.h"
#include "playback/ui/WinampInstall.h"

namespace twinsweep {
namespace {

/// Three files of a playlist volume (present wherever they lie) in the result list.
class WinampInstallTest : public ::testing::Test
{
protected:
    WinampInstallTest()
    {
        const int node = catalogue.TreeView1.add({folder + "1", "Nera", "Mix"});
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) {
            test::writeFile(folder + name);
            catalogue.ListFiles.push_back(test::makeRecord(name, folder, node));
        }
        catalogue.Duplicates.assign({{1, "Mix"}, {2, "Mix"}, {3, "Mix"}});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
    }
    void selectResults(const std::vector<int>& rows)
    {
        QTableView* view = window->Duplicates;
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QAction* menuEntry(const QString& name)
    {
        QTableView* view = window->Duplicates;
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->visualRect(view->model()->index(0, 1)).center());
        QMenu* menu = window->resultList->Meniu;
        menu->hide();
        for (QAction* entry : menu->actions()) {
            if (entry->objectName() == name)
                return entry;
        }
        return nullptr;
    }
    QString added(const char* name) const { return "add " + folder + name; }

    QString folder = QDir(test::freshFolder("winamp-install")).canonicalPath() + '/';
    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
};

TEST_F(WinampInstallTest, ResultListMenuAndKeysHandTheSelectedFilesToThePlayer)
{
    test::RecordingWinamp winamp;
    installWinampControl(*window, &winamp);
    selectResults({0, 2});

    QAction* enqueue = menuEntry("winampenq1");
    ASSERT_TRUE(enqueue);
    EXPECT_EQ(enqueue->text(), "Enqueue in WinAmp");
    enqueue->trigger();
    EXPECT_EQ(winamp.sent, QStringList({added("a.mp3"), added("c.mp3")}));

    winamp.sent.clear();
    QTest::keyClick(window->Duplicates, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(winamp.sent, QStringList({"clear", added("a.mp3"), added("c.mp3"), "play"}));

    winamp.sent.clear();
    selectResults({1});
    QTest::keyClick(window->Duplicates, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(winamp.sent, QStringList(added("b.mp3")));
    EXPECT_EQ(menuEntry("winampplay1")->text(), "Play in WinAmp");
}

TEST_F(WinampInstallTest, WithoutASessionBusThePlayerIsNotRunning)
{
    const QByteArray userBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(folder) + "no-bus");
    selectResults({0});
    QTest::keyClick(window->Duplicates, Qt::Key_Return, Qt::ShiftModifier);
    qputenv("DBUS_SESSION_BUS_ADDRESS", userBus);

    EXPECT_EQ(fake.prompt.texts(), QStringList("WinAmp is not runnig. Please run WinAmp to use this function."));
}

} // namespace
} // namespace twinsweep
