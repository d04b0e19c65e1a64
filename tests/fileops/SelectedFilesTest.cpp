#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <numeric>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "RecordingChannels.h"
#include "ScratchFiles.h"
#include "catalogue/VolumePresenceCheck.h"
#include "fileops/ClipboardCopies.h"
#include "fileops/CopyMoveFiles.h"
#include "fileops/DeleteCheckedResults.h"
#include "fileops/DeleteSelectedFiles.h"
#include "fileops/FileOpSteps.h"
#include "fileops/RenameFile.h"
#include "platform/Clipboard.h"
#include "platform/FileLayer.h"
#include "platform/SettingKeys.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

/// The system's files, every copy and move recorded; with `onlyRecord` nothing is done
/// and every copy and move succeeds.
class RecordingFiles : public SystemFileLayer
{
public:
    bool copyFile(const QString& from, const QString& to) override
    {
        calls << "copy " + from + " -> " + to;
        return onlyRecord || SystemFileLayer::copyFile(from, to);
    }
    bool moveFile(const QString& from, const QString& to) override
    {
        calls << "move " + from + " -> " + to;
        return onlyRecord || SystemFileLayer::moveFile(from, to);
    }
    bool onlyRecord = false;
    QStringList calls;
};

class FakeClipboard : public Clipboard
{
public:
    void setText(const QString& value) override { text = value; }
    bool setFiles(const FileDropList& value) override
    {
        files = value.text;
        return accepts;
    }
    QString text = "before";
    QString files = "before";
    bool accepts = true;
};

/// Real files on one fake medium: Rock (Tags 1 to 3: a, b, c) and Jazz (4, 5: a, d) are
/// mounted; Away (6: e) is a volume of another medium. The file list shows Rock.
class SelectedFilesTest : public ::testing::Test
{
protected:
    static constexpr qint32 Serial = 4242;

    SelectedFilesTest()
    {
        volumes.mount(root, Serial);
        addVolumeOnDisk("Rock", {"a.mp3", "b.mp3", "c.mp3"}, QString::number(Serial));
        addVolumeOnDisk("Jazz", {"a.mp3", "d.mp3"}, QString::number(Serial));
        addVolumeOnDisk("Away", {"e.mp3"}, "777");
        catalogue.TreeView1.select(1);
        catalogue.ClickNOD(fake.services);
        fake.settings.setValue(Settings::Backup, "0");
        QObject::connect(&catalogue, &Catalogue::filesRelocated, &query, &QueryList::followRelocatedFiles);
        fake.status.history.clear();
    }

    void addVolumeOnDisk(const QString& name, const QStringList& filenames, const QString& tag)
    {
        const int index = catalogue.TreeView1.add({root + '/' + name + "1", tag, name});
        for (const QString& filename : filenames) {
            test::writeFile(path(name + '/' + filename), name.toUtf8() + filename.toUtf8());
            catalogue.ListFiles.push_back(test::makeRecord(filename, root + '/' + name + '/', index));
        }
    }
    void showResults(const std::vector<qsizetype>& tags)
    {
        std::vector<ListRow> rows;
        for (const qsizetype tag : tags)
            rows.push_back({tag, "volume", ColorValue(tag * 1000), tag % 2 == 1});
        catalogue.Duplicates.assign(std::move(rows));
    }
    void queueFile(const QString& relative)
    {
        const QFileInfo file(path(relative));
        query.append({file.fileName(), file.path() + '/', "03:00", "volume", true});
    }
    FileOpsContext ops() { return {catalogue, fake.services, volumes, files, channels}; }
    void run(void (*operation)(FileOpsContext&, ActingList, const std::vector<qsizetype>&), ActingList list,
             const std::vector<qsizetype>& rows)
    {
        FileOpsContext context = ops();
        operation(context, list, rows);
    }
    QString path(const QString& relative) const { return root + '/' + relative; }
    static QStringList filesOf(const FileList& list)
    {
        QStringList paths;
        for (qsizetype i = 0; i < list.size(); ++i)
            paths << list.text(i, int(Field::Path)) + list.text(i, 0);
        return paths;
    }

    QString root = QDir(test::freshFolder("selected")).canonicalPath();
    test::FakeServices fake;
    test::FakeVolumeInfo volumes;
    RecordingFiles files;
    test::RecordingChannels channels;
    Catalogue catalogue;
    QueryList query;
};

// Deleting selected files

TEST_F(SelectedFilesTest, DeletingTwoAdjacentRowsKeepsEveryTagOnItsOwnFile)
{
    showResults({4, 1, 4, 3, 5}); // Jazz/a heads two groups
    fake.prompt.answers.push_back(MessageAnswer::Yes);
    run(deleteSelectedFiles, ActingList::ListFiles2, {0, 1});

    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you really want to delete selected file(s)?"});
    EXPECT_EQ(fake.prompt.shown.front().defaultButton, 2);
    EXPECT_FALSE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_FALSE(QFile::exists(path("Rock/b.mp3")));
    EXPECT_EQ(filesOf(catalogue.ListFiles2), QStringList{path("Rock/c.mp3")});
    EXPECT_EQ(filesOf(catalogue.Duplicates),
              (QStringList{path("Jazz/a.mp3"), path("Jazz/a.mp3"), path("Rock/c.mp3"), path("Jazz/d.mp3")}));
    EXPECT_EQ(catalogue.ListFiles.size(), 4u);
    EXPECT_EQ(fake.status.history.first(), "Deleting file(s)...");
    EXPECT_EQ(fake.status.current, "2 of 2 file(s) deleted successfully.");
    EXPECT_EQ(channels.closed, (QStringList{"f1", "f2"}));
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(SelectedFilesTest, DeletingFromTheResultsPassesOverAFileOfAnotherMedium)
{
    showResults({1, 6, 4, 1});
    fake.prompt.answers.push_back(MessageAnswer::Yes);
    run(deleteSelectedFiles, ActingList::Duplicates, {0, 1});

    EXPECT_TRUE(QFile::exists(path("Away/e.mp3")));
    EXPECT_FALSE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_TRUE(fake.status.history.contains("Can't find source! Please check is device connected or cd is inserted."));
    EXPECT_EQ(filesOf(catalogue.Duplicates), (QStringList{path("Away/e.mp3"), path("Jazz/a.mp3")}))
        << "both rows of the deleted file leave";
    EXPECT_EQ(filesOf(catalogue.ListFiles2), (QStringList{path("Rock/b.mp3"), path("Rock/c.mp3")}));
    EXPECT_TRUE(fake.status.history.contains("Done")) << "the volume file list was refilled";
    EXPECT_EQ(fake.status.current, QString("1 of 2 file(s) deleted successfully. 1 passed over: ") + CantFindSource);
}

TEST_F(SelectedFilesTest, DeletingAnsweredNoChangesNothing)
{
    fake.prompt.answers.push_back(MessageAnswer::No);
    run(deleteSelectedFiles, ActingList::ListFiles2, {0});

    EXPECT_EQ(fake.status.history, QStringList{"Calceled"});
    EXPECT_TRUE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_TRUE(channels.closed.isEmpty());
    EXPECT_FALSE(catalogue.CollectionChanged());
}

// Copying and moving to a folder

using Operation = void (*)(FileOpsContext&, ActingList, const std::vector<qsizetype>&);

struct CancelCase
{
    const char* name;
    Operation operation;
    QStringList texts;
};

void PrintTo(const CancelCase& c, std::ostream* out)
{
    *out << c.name;
}

class CancelledFolder : public SelectedFilesTest, public ::testing::WithParamInterface<CancelCase>
{};

TEST_P(CancelledFolder, TouchesNothing)
{
    fake.dialogs.answers.push_back("");
    run(GetParam().operation, ActingList::ListFiles2, {0, 1});

    EXPECT_EQ(fake.dialogs.titles, QStringList{"Select destination"});
    EXPECT_EQ(fake.status.history, GetParam().texts);
    EXPECT_TRUE(files.calls.isEmpty());
    EXPECT_TRUE(channels.closed.isEmpty()) << "playback goes on";
    EXPECT_FALSE(catalogue.CollectionChanged());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CancelledFolder,
    ::testing::Values(CancelCase{"Copy", copyToFolder, {"Canceled"}},
                      CancelCase{"Move",
                                 moveToFolder,
                                 {"WARNING If you'll move file to other drive in that it isn't now the volume couldn't "
                                  "be updated and you'll can't access to file!",
                                  "Canceled"}}),
    ::testing::PrintToStringParamName());

TEST_F(SelectedFilesTest, MovingThreeRowsOfWhichOneIsAwayAndOneIsInTheWay)
{
    const QString target = test::freshFolder("target");
    test::writeFile(target + "/d.mp3", "in the way");
    showResults({2, 6, 5});
    queueFile("Rock/b.mp3");
    queueFile("Jazz/d.mp3");
    fake.dialogs.answers.push_back(target);
    run(moveToFolder, ActingList::Duplicates, {0, 1, 2});

    EXPECT_EQ(fake.status.current, QString("1 of 3 file(s) moved successfully. 1 passed over: ") + CantFindSource);
    EXPECT_EQ(test::readFile(target + "/b.mp3"), "Rockb.mp3");
    EXPECT_FALSE(QFile::exists(path("Rock/b.mp3")));
    EXPECT_EQ(test::readFile(target + "/d.mp3"), "in the way");
    EXPECT_EQ(test::readFile(path("Jazz/d.mp3")), "Jazzd.mp3");
    EXPECT_TRUE(QFile::exists(path("Away/e.mp3")));

    EXPECT_EQ(catalogue.ListFiles[1].value(Field::Path), target + '/');
    EXPECT_EQ(filesOf(catalogue.Duplicates), (QStringList{target + "/b.mp3", path("Away/e.mp3"), path("Jazz/d.mp3")}));
    EXPECT_EQ(filesOf(catalogue.ListFiles2), (QStringList{path("Rock/a.mp3"), target + "/b.mp3", path("Rock/c.mp3")}));
    EXPECT_EQ(query.row(0).Path + query.row(0).Filename, target + "/b.mp3");
    EXPECT_EQ(query.row(1).Path + query.row(1).Filename, path("Jazz/d.mp3"));
    EXPECT_EQ(channels.closed, (QStringList{"f1", "f2"}));
    EXPECT_TRUE(catalogue.CollectionChanged());
}

TEST_F(SelectedFilesTest, CopyingThreeRowsOfWhichOneIsAwayAndOneIsInTheWay)
{
    const QString target = test::freshFolder("target");
    test::writeFile(target + "/d.mp3", "in the way");
    showResults({2, 6, 5});
    fake.dialogs.answers.push_back(target);
    run(copyToFolder, ActingList::Duplicates, {0, 1, 2});

    EXPECT_EQ(fake.status.current, QString("1 of 3 file(s) copied successfully. 1 passed over: ") + CantFindSource);
    EXPECT_TRUE(fake.status.history.contains("Can't copy the file   " + path("Away/e.mp3") + "   to   " + target +
                                             "/e.mp3   Please check is device connected or cd is inserted."));
    EXPECT_EQ(test::readFile(target + "/b.mp3"), "Rockb.mp3");
    EXPECT_EQ(test::readFile(path("Rock/b.mp3")), "Rockb.mp3");
    EXPECT_EQ(test::readFile(target + "/d.mp3"), "in the way");
    EXPECT_EQ(filesOf(catalogue.Duplicates), (QStringList{path("Rock/b.mp3"), path("Away/e.mp3"), path("Jazz/d.mp3")}));
    EXPECT_TRUE(channels.closed.isEmpty());
    EXPECT_FALSE(catalogue.CollectionChanged());
}

TEST_F(SelectedFilesTest, CopyingIntoTheSourceFolderLeavesTheSourceWhole)
{
    fake.dialogs.answers.push_back(path("Rock"));
    run(copyToFolder, ActingList::ListFiles2, {0, 1});

    EXPECT_EQ(test::readFile(path("Rock/a.mp3")), "Rocka.mp3");
    EXPECT_EQ(test::readFile(path("Rock/b.mp3")), "Rockb.mp3");
    EXPECT_EQ(QDir(path("Rock")).entryList(QDir::Files | QDir::Hidden).size(), 3);
    EXPECT_EQ(fake.status.current, "0 of 2 file(s) copied successfully.");
}

TEST_F(SelectedFilesTest, EveryFileCopiedEndsWithDone)
{
    const QString target = test::freshFolder("target");
    fake.dialogs.answers.push_back(target + '/');
    run(copyToFolder, ActingList::ListFiles2, {0, 2});

    EXPECT_EQ(fake.status.history,
              (QStringList{"Coping files...", "Coping file a.mp3", "Coping file c.mp3", "Coping files done."}));
    EXPECT_EQ(QDir(target).entryList(QDir::Files), (QStringList{"a.mp3", "c.mp3"}));
}

TEST_F(SelectedFilesTest, TheRootAsTarget)
{
    files.onlyRecord = true;
    volumes.mount("/", Serial);
    catalogue.ListFiles.push_back(test::makeRecord("r.mp3", "/music/", 1));
    catalogue.ListFiles2.append({7, {}, SystemWindowText, false});
    fake.dialogs.answers = {"/", "/"};
    run(copyToFolder, ActingList::ListFiles2, {3});
    run(moveToFolder, ActingList::ListFiles2, {3});

    EXPECT_EQ(files.calls, (QStringList{"copy /music/r.mp3 -> /r.mp3", "move /music/r.mp3 -> /r.mp3"}));
    EXPECT_EQ(catalogue.ListFiles[6].value(Field::Path), "/");
}

// What stays on screen when files are passed over

/// Runs a file operation on every row of the results, all of them selected and checked.
using ResultsOperation = void (*)(FileOpsContext&);

struct PassedOverCase
{
    const char* name;
    ResultsOperation operation;
    const char* closing; // the count's words after "N of M"
};

void PrintTo(const PassedOverCase& c, std::ostream* out)
{
    *out << c.name;
}

class PassedOver : public SelectedFilesTest, public ::testing::WithParamInterface<PassedOverCase>
{};

std::vector<qsizetype> everyResultRow(const FileOpsContext& ops)
{
    std::vector<qsizetype> rows(size_t(ops.catalogue.Duplicates.size()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

TEST_P(PassedOver, TheClosingTextCountsThemAndSaysWhy)
{
    const QString target = test::freshFolder("target");
    const struct
    {
        std::vector<qsizetype> tags; // Away/e.mp3 (6) is on a medium that is not mounted
        QString count;
    } choices[]{{{6}, "0 of 1"}, {{6, 3}, "1 of 2"}};
    for (const auto& chosen : choices) {
        std::vector<ListRow> rows;
        for (const qsizetype tag : chosen.tags)
            rows.push_back({tag, "volume", 0, true});
        catalogue.Duplicates.assign(std::move(rows));
        fake.prompt.answers = {MessageAnswer::Yes};
        fake.dialogs.answers = {target};
        fake.status.history.clear();
        FileOpsContext context = ops();
        GetParam().operation(context);

        const std::string name = chosen.count.toStdString();
        EXPECT_EQ(fake.status.current, chosen.count + GetParam().closing + " 1 passed over: " + CantFindSource) << name;
        EXPECT_EQ(fake.status.history.filter("Please check is device connected or cd is inserted.").size(), 2)
            << name << ": the file's own refusal, then the closing text";
        EXPECT_TRUE(QFile::exists(path("Away/e.mp3"))) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, PassedOver,
    ::testing::Values(
        PassedOverCase{"Copy",
                       [](FileOpsContext& ops) { copyToFolder(ops, ActingList::Duplicates, everyResultRow(ops)); },
                       " file(s) copied successfully."},
        PassedOverCase{"Move",
                       [](FileOpsContext& ops) { moveToFolder(ops, ActingList::Duplicates, everyResultRow(ops)); },
                       " file(s) moved successfully."},
        PassedOverCase{
            "DeleteSelected",
            [](FileOpsContext& ops) { deleteSelectedFiles(ops, ActingList::Duplicates, everyResultRow(ops)); },
            " file(s) deleted successfully."},
        PassedOverCase{"DeleteChecked", Delete_Click, " files deleted successfully."}),
    ::testing::PrintToStringParamName());

// Clipboard copies

struct ShortcutCase
{
    std::vector<qsizetype> rows;
    QString text;
};

TEST_F(SelectedFilesTest, ShortcutTextOfZeroOneAndThreeRows)
{
    const std::vector<ShortcutCase> cases{
        {{}, ""},
        {{1}, path("Rock/b.mp3")},
        {{0, 1, 2}, path("Rock/a.mp3") + "\r\n" + path("Rock/b.mp3") + "\r\n" + path("Rock/c.mp3")},
    };
    for (const ShortcutCase& shortcut : cases) {
        FakeClipboard clipboard;
        fake.status.history.clear();
        copyShortcut(catalogue.ListFiles2, shortcut.rows, fake.status, clipboard);
        EXPECT_EQ(clipboard.text, shortcut.text);
        EXPECT_EQ(fake.status.history, (QStringList{"Coping shortcut(s) to clipboard...", "Coping shortcut(s) done."}));
    }
}

struct FileCopyCase
{
    ActingList list;
    std::vector<qsizetype> rows;
    bool accepts;
    QString files;
    QString closing;
};

TEST_F(SelectedFilesTest, FileCopyToTheClipboard)
{
    showResults({4, 5});
    const std::vector<FileCopyCase> cases{
        {ActingList::ListFiles2,
         {0, 2},
         true,
         path("Rock/a.mp3") + '\n' + path("Rock/c.mp3"),
         "2 file(s) copied to clipboard successfully."},
        {ActingList::Duplicates, {1}, true, path("Jazz/d.mp3"), "1 file(s) copied to clipboard successfully."},
        {ActingList::ListFiles2, {}, true, "before", "0 file(s) copied to clipboard successfully."},
        {ActingList::ListFiles2, {0}, false, path("Rock/a.mp3"), "Copy file(s) to clipboard failed..."},
        {ActingList::Duplicates, {0}, false, path("Jazz/a.mp3"), "Copying file(s) to clipboard failed..."},
    };
    for (const FileCopyCase& copy : cases) {
        FakeClipboard clipboard;
        clipboard.accepts = copy.accepts;
        copyFilesToClipboard(copy.list, actingRows(catalogue, copy.list), copy.rows, fake.status, clipboard);
        EXPECT_EQ(clipboard.files, copy.files);
        EXPECT_EQ(fake.status.current, copy.closing);
    }
}

// Renaming in place

class FileRenameTest : public SelectedFilesTest
{
protected:
    bool rename(ActingList list, qsizetype row, const QString& name)
    {
        FileRename renaming;
        renaming.BeforeLabelEdit(actingRows(catalogue, list), row);
        FileOpsContext context = ops();
        return renaming.AfterLabelEdit(context, list, name);
    }
};

TEST_F(FileRenameTest, RefusedNamesLeaveEverythingAsItWas)
{
    for (const QString& name : {QString("b.mp3"), QString(), QString("."), QString(".."), QString("../a.mp3"),
                                QString("sub/a.mp3"), QString(QString("a") + QChar(0) + "b.mp3"), QString("a.mp3")}) {
        channels.closed.clear();
        EXPECT_TRUE(rename(ActingList::ListFiles2, 0, name)) << qPrintable(name);
        EXPECT_EQ(fake.status.current, "Can't rename file");
        EXPECT_EQ(channels.closed, (QStringList{"f1", "f2"})) << "released even when the rename fails";
    }
    EXPECT_EQ(test::readFile(path("Rock/a.mp3")), "Rocka.mp3");
    EXPECT_EQ(test::readFile(path("Rock/b.mp3")), "Rockb.mp3");
    EXPECT_EQ(QDir(path("Rock")).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(QDir(root).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Filename), "a.mp3");
    EXPECT_FALSE(catalogue.CollectionChanged());
}

TEST_F(FileRenameTest, FromTheResultsEveryListShowsTheNewName)
{
    showResults({4, 2});
    queueFile("Rock/b.mp3");
    EXPECT_FALSE(rename(ActingList::Duplicates, 1, "b side.mp3"));

    EXPECT_EQ(test::readFile(path("Rock/b side.mp3")), "Rockb.mp3");
    EXPECT_FALSE(QFile::exists(path("Rock/b.mp3")));
    EXPECT_EQ(catalogue.ListFiles[1].value(Field::Filename), "b side.mp3");
    EXPECT_EQ(catalogue.ListFiles[1].value(Field::Path), path("Rock/"));
    EXPECT_EQ(filesOf(catalogue.ListFiles2)[1], path("Rock/b side.mp3"));
    EXPECT_EQ(filesOf(catalogue.Duplicates)[1], path("Rock/b side.mp3"));
    EXPECT_EQ(query.row(0).Filename, "b side.mp3");
    EXPECT_TRUE(fake.status.history.contains("Reading collection's data... Please wait..."))
        << "the volume file list was refilled";
    EXPECT_EQ(fake.status.current, "File renamed");
    EXPECT_TRUE(catalogue.CollectionChanged());
}

} // namespace
} // namespace twinsweep
