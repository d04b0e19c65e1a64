#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>
#include <QUuid>

#include <sys/stat.h>
#include <unistd.h>

#include "FakeServices.h"
#include "FileTree.h"
#include "OrdinaryUser.h"
#include "QtPrinters.h"
#include "TestEnvironment.h"
#include "catalogue/cDirEx.h"
#include "platform/DirectoryListing.h"

namespace twinsweep {
namespace {

/// A scanner whose events are written down with the tree's root shown as "~".
class cDirExTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = test::scratchRoot() + "/scan-" + QUuid::createUuid().toString(QUuid::Id128);
        QDir().mkpath(root);
        listenTo(root);
    }

    void listenTo(const QString& treeRoot)
    {
        root = treeRoot;
        QObject::disconnect(&dirEx, nullptr, nullptr, nullptr);
        QObject::connect(&dirEx, &cDirEx::CurrentFolder,
                         [this](const QString& folder) { events.append("folder " + shown(folder)); });
        QObject::connect(&dirEx, &cDirEx::CurrentFile, [this](const QString& folder, const QString& name, int bits) {
            events.append("file " + shown(folder) + " " + name + " " + QString::number(bits));
            if (onFile)
                onFile();
        });
        QObject::connect(&dirEx, &cDirEx::Finished, [this](qint64 count, int result) {
            events.append("finished " + QString::number(count) + " " + QString::number(result));
        });
    }

    QString shown(QString path) const { return path.replace(root, "~"); }

    QStringList search(const QString& pattern, bool recursive, bool caseSensitive = false, int attributes = 0,
                       int notAttributes = 0)
    {
        events.clear();
        dirEx.setRecursiveSearch(recursive);
        dirEx.setCaseSensitive(caseSensitive);
        dirEx.SearchFile(pattern, attributes, notAttributes);
        return events;
    }

    test::FakePump pump;
    cDirEx dirEx{pump};
    QString root;
    QStringList events;
    std::function<void()> onFile;
};

TEST_F(cDirExTest, WalksDepthFirstAnnouncingEachFolderBeforeItsFiles)
{
    test::makeTree(root, {"b.mp3", "A.mp3", "notes.txt", "sub2/c.mp3", "Sub1/d.MP3", "Sub1/deep/e.mp3", "empty/"});
    EXPECT_EQ(search(root + "/*.mp3", true),
              (QStringList{"folder ~", "file ~/ A.mp3 0", "file ~/ b.mp3 0", "folder ~/empty", "folder ~/Sub1",
                           "file ~/Sub1/ d.MP3 0", "folder ~/Sub1/deep", "file ~/Sub1/deep/ e.mp3 0", "folder ~/sub2",
                           "file ~/sub2/ c.mp3 0", "finished 5 0"}));
    EXPECT_EQ(search(root + "/*.mp3", false),
              (QStringList{"folder ~", "file ~/ A.mp3 0", "file ~/ b.mp3 0", "finished 2 0"}));
}

TEST_F(cDirExTest, MatchesPatternsWithAndWithoutCase)
{
    test::makeTree(root, {"Song1.mp3", "song2.MP3", "Track07.mp3", "README", "x.mp3.bak", "sub/"});
    const struct
    {
        QString path;
        bool caseSensitive;
        QString files;
    } cases[] = {
        {"/*.mp3", false, "Song1.mp3 song2.MP3 Track07.mp3"},
        {"/*.mp3", true, "Song1.mp3 Track07.mp3"},
        {"/Track##.mp3", true, "Track07.mp3"},
        {"/[!s]*", true, "README Track07.mp3 x.mp3.bak"}, // the listing itself ignores case
        {"/s*", false, "Song1.mp3 song2.MP3 sub"},
        {"/", false, "README Song1.mp3 song2.MP3 sub Track07.mp3 x.mp3.bak"}, // every entry
        {"/", true, "Song1.mp3 song2.MP3 Track07.mp3 x.mp3.bak"},             // "*.*" then wants a dot
        {"/sub/../Song1.mp3", false, "Song1.mp3"},                            // a file names itself
    };
    for (const auto& c : cases) {
        QStringList files;
        for (const QString& event : search(root + c.path, false, c.caseSensitive))
            if (event.startsWith("file "))
                files.append(event.section(' ', 2, 2));
        EXPECT_EQ(files.join(' '), c.files) << qPrintable(c.path) << " " << c.caseSensitive;
    }
}

TEST_F(cDirExTest, EndsWithTheResultCodes)
{
    test::makeTree(root, {"a.mp3", "sub/b.txt"});
    EXPECT_EQ(search("", true), QStringList{"finished 0 1121"});
    EXPECT_EQ(search(root + "/missing/*.mp3", true), QStringList{"finished 0 1121"});
    EXPECT_EQ(search(root + "/*.flac", true), (QStringList{"folder ~", "folder ~/sub", "finished 0 1122"}));
    EXPECT_EQ(search(root + "/*.mp3", true),
              (QStringList{"folder ~", "file ~/ a.mp3 0", "folder ~/sub", "finished 1 0"}));
    dirEx.StopSearch(); // outside a search: forgotten by the next one
    EXPECT_EQ(search(root + "/*.mp3", true).last(), "finished 1 0");
    EXPECT_EQ(search("/*.no-such-type", false), (QStringList{"folder /", "finished 0 1122"}));
}

TEST_F(cDirExTest, StopFromAHandlerEndsBeforeTheNextEntry)
{
    test::makeTree(root, {"a.mp3", "b.mp3", "c.mp3", "sub/d.mp3"});
    onFile = [this] {
        if (events.size() == 3)
            dirEx.StopSearch();
    };
    EXPECT_EQ(search(root + "/*.mp3", true),
              (QStringList{"folder ~", "file ~/ a.mp3 0", "file ~/ b.mp3 0", "finished 2 1120"}));
}

TEST_F(cDirExTest, CancelSeenWhileTheEventLoopTurns)
{
    test::makeTree(root, {"a.mp3", "b.mp3", "sub/c.mp3"});
    onFile = [] { QThread::msleep(40); }; // long enough for the next stop test to yield
    // The Cancel button is pressed once the first file is shown.
    pump.onProcessEvents = [this] {
        if (events.size() == 2)
            dirEx.StopSearch();
    };
    EXPECT_EQ(search(root + "/*.mp3", true), (QStringList{"folder ~", "file ~/ a.mp3 0", "finished 1 1120"}));
}

TEST_F(cDirExTest, ReportsFoldersHiddenEntriesAndLinksAsTheMasksAsk)
{
    test::makeTree(root, {"x.mp3/inner.mp3", ".secret.mp3", ".hidden/h.mp3", "real.mp3"});
    QFile::link(root, root + "/loop");
    QFile::link(root + "/real.mp3", root + "/alias.mp3");
    const QStringList walked{"folder ~",
                             "file ~/ .secret.mp3 2",
                             "file ~/ alias.mp3 0",
                             "file ~/ real.mp3 0",
                             "file ~/ x.mp3 16",
                             "folder ~/.hidden",
                             "file ~/.hidden/ h.mp3 0",
                             "folder ~/x.mp3",
                             "file ~/x.mp3/ inner.mp3 0",
                             "finished 6 0"};
    EXPECT_EQ(search(root + "/*.mp3", true), walked) << "the link loop is not followed";
    EXPECT_EQ(search(root + "/*.mp3", false, false, 2),
              (QStringList{"folder ~", "file ~/ .secret.mp3 2", "finished 1 0"}));
    EXPECT_EQ(search(root + "/*", false, false, 0, 16),
              (QStringList{"folder ~", "file ~/ .secret.mp3 2", "file ~/ alias.mp3 0", "file ~/ real.mp3 0",
                           "finished 3 0"}));
    EXPECT_EQ(search(root + "/*", false, false, 128),
              (QStringList{"folder ~", "file ~/ alias.mp3 0", "file ~/ real.mp3 0", "finished 2 0"}));
    EXPECT_EQ(search(root + "/*", false, false, 16),
              (QStringList{"folder ~", "file ~/ .hidden 18", "file ~/ loop 16", "file ~/ x.mp3 16", "finished 3 0"}));
}

TEST_F(cDirExTest, UnreadableFolderIsAnnouncedAndYieldsNothing)
{
    test::OrdinaryUser user;
    if (!user.available())
        GTEST_SKIP() << "cannot act as an ordinary user";
    listenTo(user.folder());
    test::makeTree(root, {"a.mp3", "locked/x.mp3", "locked/inner/", "z/y.mp3", "mine.mp3"});
    QFile::setPermissions(root + "/locked", {});
    QFile::setPermissions(root + "/mine.mp3", QFile::ReadOwner);
    const QStringList events = search(root + "/*.mp3", true);
    QFile::setPermissions(root + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(events, (QStringList{"folder ~", "file ~/ a.mp3 0", "file ~/ mine.mp3 1", "folder ~/locked", "folder ~/z",
                                   "file ~/z/ y.mp3 0", "finished 3 0"}));
    int bits = 0;
    EXPECT_TRUE(cDirEx::ExistFile(root + "/mine.mp3", bits));
    EXPECT_EQ(bits, FileAttribute::ReadOnly);
}

TEST_F(cDirExTest, WalksPathsLongerThanTheOldLimit)
{
    QString deep = root;
    for (int level = 0; level < 12; ++level)
        deep += "/" + QString(50, QChar('a' + level));
    test::makeTree(deep, {"song.mp3"});
    ASSERT_GT(deep.size(), 600);
    EXPECT_EQ(search(root + "/*.mp3", true).last(), "finished 1 0");
    EXPECT_TRUE(cDirEx::ExistFile(deep + "/song.mp3"));
}

TEST_F(cDirExTest, CountsBeyondSixteenBits)
{
    // Links to one empty file are much quicker to make than as many files.
    constexpr int Folders = 4, PerFolder = 8200;
    test::makeTree(root, {"source.txt"});
    const QByteArray source = QFile::encodeName(root + "/source.txt");
    for (int folder = 0; folder < Folders; ++folder) {
        const QByteArray path = QFile::encodeName(root + "/f" + QString::number(folder) + "/");
        mkdir(path.constData(), 0755);
        for (int file = 0; file < PerFolder; ++file)
            ASSERT_EQ(link(source.constData(), QByteArray(path + QByteArray::number(file) + ".mp3").constData()), 0);
    }
    qint64 files = 0;
    onFile = [&] { ++files; };
    EXPECT_EQ(search(root + "/*.mp3", true).last(), "finished 32800 0");
    EXPECT_EQ(files, 32800);
}

TEST_F(cDirExTest, ExistFileTellsFilesFromFoldersAndGivesTheirBits)
{
    test::makeTree(root, {"song.mp3", ".hidden", "folder/"});
    const struct
    {
        QString path;
        int asked;
        bool exists;
        int bits;
    } cases[] = {
        {"", 0, false, 0},          {"/song.mp3", 0, true, 0}, {"/song.mp3", 16, false, 16}, {"/folder", 16, true, 16},
        {"/folder/", 16, true, 16}, {"/.hidden", 0, true, 2},  {"/missing", 0, false, 0},
    };
    for (const auto& c : cases) {
        int bits = c.asked;
        const QString path = c.path.isEmpty() ? QString() : root + c.path;
        EXPECT_EQ(cDirEx::ExistFile(path, bits), c.exists) << qPrintable(c.path);
        EXPECT_EQ(bits, c.bits) << qPrintable(c.path);
    }
    EXPECT_TRUE(cDirEx::ExistFile("/"));
}

} // namespace
} // namespace twinsweep
