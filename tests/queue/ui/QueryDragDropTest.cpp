#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QTableView>
#include <QUrl>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFolder.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/VolumeFileList.h"
#include "queue/QueryList.h"
#include "queue/ui/QueryDragDrop.h"

namespace twinsweep {
namespace {

class QueryDragDropTest : public ::testing::Test
{
protected:
    QueryDragDropTest()
    {
        test::addVolume(catalogue, "Rock", {"r1.mp3", "r2.mp3"});
        test::addVolume(catalogue, "Jazz", {"j1.mp3"});
        for (const char* name : {"1.mp3", "2.mp3", "3.mp3"})
            window.queryRows().append({name, "/m/", "01:00", "Rock", true});
        catalogue.showLowerList(LowerList::Query);
        window.resize(900, 700);
        window.show();
        QCoreApplication::processEvents();
        dragDrop = window.findChild<QueryDragDrop*>();
    }
    QPoint rowCenter(int row) const { return window.query->visualRect(window.query->model()->index(row, 0)).center(); }
    QPoint belowRows() const { return {5, window.query->viewport()->height() - 3}; }
    void dragTo(QMimeData* data, const QPoint& position)
    {
        EXPECT_TRUE(dragDrop->query_DragOver(*data, position));
        dragDrop->query_DragDrop(*data);
        delete data;
    }
    QMimeData* fileRowDrag(qsizetype tag)
    {
        auto* data = new QMimeData;
        data->setData(DraggedFileMimeType, draggedFilePayload(tag));
        return data;
    }
    QString status() { return window.services().status.statusText(); }
    QStringList names()
    {
        QStringList result;
        for (qsizetype i = 0; i < window.queryRows().size(); ++i)
            result << window.queryRows().row(i).Filename;
        return result;
    }

    test::FakeServices fake;
    Catalogue catalogue;
    MainWindow window{catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop};
    QueryDragDrop* dragDrop = nullptr;
};

TEST_F(QueryDragDropTest, ReordersRowsByDragging)
{
    ASSERT_NE(dragDrop, nullptr);
    dragTo(dragDrop->beginRowDrag(0), rowCenter(2));
    EXPECT_EQ(names(), (QStringList{"2.mp3", "1.mp3", "3.mp3"}));
    dragTo(dragDrop->beginRowDrag(0), belowRows());
    EXPECT_EQ(names(), (QStringList{"2.mp3", "1.mp3", "3.mp3"})) << "empty space";

    QMimeData* stale = dragDrop->beginRowDrag(0);
    window.queryRows().removeRow(0);
    dragTo(stale, rowCenter(1));
    EXPECT_EQ(names(), (QStringList{"1.mp3", "3.mp3"})) << "the dragged row is gone";
}

TEST_F(QueryDragDropTest, FileListRowIsAppendedUnlessTheListWasRefilled)
{
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    dragTo(fileRowDrag(2), rowCenter(0));
    ASSERT_EQ(window.queryRows().size(), 4);
    EXPECT_EQ(window.queryRows().row(3).Filename, "r2.mp3");
    EXPECT_EQ(window.queryRows().row(3).Collection, "Rock");

    QMimeData* stale = fileRowDrag(1);
    catalogue.TreeView1.select(2);
    catalogue.ClickNOD(fake.services);
    dragTo(stale, belowRows());
    EXPECT_EQ(window.queryRows().size(), 4);
}

TEST_F(QueryDragDropTest, ShellDropOfFilesPlaylistsAndFolders)
{
    const QString folder = test::makeMediaFolder({"a.mp3", "list/b.mp3", "songs/c.wav"});
    test::writeFile(folder + "/list/l.m3u", "#EXTM3U\nb.mp3\n");
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(folder + "/a.mp3"), QUrl("https://example.org/x.mp3"),
                   QUrl::fromLocalFile(folder + "/list/l.m3u"), QUrl::fromLocalFile(folder + "/songs")});
    dragTo(data, belowRows());
    QCoreApplication::processEvents(); // a drop from the shell is taken in once the drag has ended
    EXPECT_EQ(names(), (QStringList{"1.mp3", "2.mp3", "3.mp3", "a.mp3", "b.mp3", "c.wav"}));
    EXPECT_EQ(status(), "1 Item(s) added");
}

TEST_F(QueryDragDropTest, PlaylistEntriesInTheMenus)
{
    for (const char* name : {"m3ulist", "plslist", "m3ulistimp", "plslistimp", "m3ulist1", "plslist1", "queryIMPmp3",
                             "queryIMPpls", "queryEXPmp3", "queryEXPpls"})
        EXPECT_NE(window.findChild<QAction*>(name), nullptr) << name;
    const QString path = test::freshFolder("query-export") + "/q";
    fake.dialogs.answers = {path};
    window.findChild<QAction*>("queryEXPpls")->trigger();
    EXPECT_EQ(status(), "PLS playlist saved");
    EXPECT_TRUE(test::readFile(path + ".pls").startsWith("[playlist]\r\nFile1=/m/1.mp3\r\nTitle1=1\r\nLength1=-1\r\n"));
}

} // namespace
} // namespace twinsweep
