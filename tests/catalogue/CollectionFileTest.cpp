#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <sys/resource.h>

#include <csignal>

#include "CollectionBuilder.h"
#include "CollectionTestSupport.h"
#include "FakeServices.h"
#include "catalogue/CollectionFile.h"

namespace twinsweep {
namespace {

using test::readBytes;
using test::scratchFile;
using test::writeBytes;

const QByteArray TwoVolumesFile = "ZTW:/media/cd1,305419896,Colection1\r\n"
                                  "ZTW:/home/anna/Music2,Nera,Music\r\n"
                                  "Item nr. 1\r\n01 - Intro.mp3\r\n/media/cd/Band/\r\n3145728\r\n196\r\n44100\r\n"
                                  "128\r\nIntro\r\nBand\r\nFirst\r\n\r\n1999\r\n3\r\n1.0\r\n1\r\n"
                                  "Item nr. 2\r\ntake.wav\r\n/home/anna/Music/\r\n1764044\r\n10\r\n22050\r\n"
                                  "352\r\n\r\n\r\n\r\n\r\n\r\nPCM\r\n\r\n2\r\n"
                                  "Item nr. 3\r\n02 - Outro.mp3\r\n/media/cd/Band/\r\n2097152\r\n131\r\n48000\r\n"
                                  "192\r\nOutro\r\nBand\r\nFirst\r\ngreat\r\n1999\r\n3\r\n2.0\r\n1\r\n";

/// One record block with the given values, the other values empty.
QByteArray block(int number, const QByteArray& filename, const QByteArray& node, const QByteArray& title = {})
{
    return "Item nr. " + QByteArray::number(number) + "\r\n" + filename + "\r\n/x/\r\n1\r\n2\r\n3\r\n4\r\n" + title +
           "\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + node + "\r\n";
}

class CollectionFileTest : public ::testing::Test
{
protected:
    bool save(const QString& path)
    {
        fake.dialogs.answers.push_back(path);
        return Save_Click(catalogue, fake.services, recent);
    }
    bool load(Catalogue& target, const QString& path)
    {
        QString name = path;
        return Loadlist(target, fake.services, recent, name);
    }
    /// Loads `bytes` as a file into a fresh collection.
    Catalogue& loadBytes(const QByteArray& bytes)
    {
        const QString path = scratchFile("loaded.ztw");
        writeBytes(path, bytes);
        EXPECT_TRUE(load(loaded, path)) << fake.status.current.toStdString();
        return loaded;
    }

    test::FakeServices fake;
    test::RecordingRecent recent;
    Catalogue catalogue;
    Catalogue loaded;
};

TEST_F(CollectionFileTest, SavesTheExactLinesAndLoadsThemBack)
{
    test::addTwoVolumes(catalogue);
    catalogue.MarkCollectionChanged();
    const QString path = scratchFile("two.ztw");
    ASSERT_TRUE(save(path));
    EXPECT_EQ(readBytes(path), TwoVolumesFile);
    EXPECT_EQ(fake.status.current, "Collection saved");
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_EQ(catalogue.CurrentCollectionPath(), path);

    ASSERT_TRUE(load(loaded, path));
    EXPECT_EQ(loaded.TreeView1.nodes(), catalogue.TreeView1.nodes());
    EXPECT_EQ(loaded.ListFiles, catalogue.ListFiles);
    EXPECT_EQ(loaded.TreeView1.selectedIndex(), 2) << "the last volume is selected";
    ASSERT_EQ(loaded.ListFiles2.size(), 1);
    EXPECT_EQ(loaded.ListFiles2.row(0).Tag, 2);
    EXPECT_EQ(fake.status.current, "Collection loaded");
    EXPECT_EQ(loaded.CurrentCollectionPath(), path);
    EXPECT_FALSE(loaded.CollectionChanged());
    EXPECT_EQ(recent.paths, QStringList({path, path}));
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(CollectionFileTest, EmptyCollectionIsAnEmptyFile)
{
    const QString path = scratchFile("empty.ztw");
    ASSERT_TRUE(save(path));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    ASSERT_TRUE(load(loaded, path));
    EXPECT_EQ(loaded.TreeView1.count(), 0);
    EXPECT_TRUE(loaded.ListFiles.empty());
    EXPECT_EQ(fake.status.current, "Collection loaded");
}

TEST_F(CollectionFileTest, ZtwExtensionIsAddedUnlessTheNameEndsInZtw)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"/m/list", "/m/list.ztw"},           {"/m/list.ztw", "/m/list.ztw"}, {"/m/list.ZTW", "/m/list.ZTW"},
        {"/m/list.zTw", "/m/list.zTw"},       {"/m/myztw", "/m/myztw"},       {"/m/list.txt", "/m/list.txt.ztw"},
        {"/m/list.ztw ", "/m/list.ztw .ztw"},
    };
    for (const auto& [chosen, saved] : cases)
        EXPECT_EQ(withZtwExtension(chosen), saved) << chosen.toStdString();

    const QString bare = scratchFile("bare");
    ASSERT_TRUE(save(bare));
    EXPECT_TRUE(QFileInfo::exists(bare + ".ztw"));
    EXPECT_EQ(catalogue.CurrentCollectionPath(), bare + ".ztw");
    QString name = bare;
    ASSERT_TRUE(Loadlist(loaded, fake.services, recent, name));
    EXPECT_EQ(name, bare + ".ztw") << "the caller's name gets the extension too";
}

TEST_F(CollectionFileTest, CommasInNamesAndKeysReadBack)
{
    catalogue.TreeView1.add({"/media/Best, Vol. 2, Disc 11", "-1794507343", "Rock, Pop, and more"});
    catalogue.TreeView1.add({"/music/Oldies, 60s2", "Nera", "Oldies"});
    catalogue.TreeView1.add({"/plain3", "0", "a,1,b"});
    const QString path = scratchFile("commas.ztw");
    ASSERT_TRUE(save(path));
    ASSERT_TRUE(load(loaded, path));
    EXPECT_EQ(loaded.TreeView1.nodes(), catalogue.TreeView1.nodes());
}

struct TreeLineCase
{
    const char* rest;
    VolumeNode node;
};

TEST(TreeLineTest, SplitsAtTheTagField)
{
    const std::vector<TreeLineCase> cases{
        {"/media/cd1,123,Colection1", {"/media/cd1", "123", "Colection1"}},
        {"/m1,-5,Text, with, commas", {"/m1", "-5", "Text, with, commas"}},
        {"/a, b1,Nera,c", {"/a, b1", "Nera", "c"}},
        {"/a,b,c1,42,", {"/a,b,c1", "42", ""}},
        // No field is a tag: the first two commas split, as files have always been read.
        {"/m1,tag,Text,more", {"/m1", "tag", "Text,more"}},
        {"/m1,123", {"/m1", "123", ""}},
        {"no commas at all", {"no commas at all", "", ""}},
        {"", {"", "", ""}},
    };
    for (const TreeLineCase& c : cases) {
        const VolumeNode node = saveload::splitTreeLine(c.rest);
        EXPECT_EQ(node.Key, c.node.Key) << c.rest;
        EXPECT_EQ(node.Tag, c.node.Tag) << c.rest;
        EXPECT_EQ(node.Text, c.node.Text) << c.rest;
    }
}

TEST(TreeLineTest, CommaHelpers)
{
    const std::vector<std::tuple<QString, QString, QString>> cases{
        {"a,b,c", "a", "b,c"}, {"abc,", "abc", ""}, {",abc", "", "abc"}, {"abc", "abc", ""}, {"", "", ""}};
    for (const auto& [text, left, right] : cases) {
        EXPECT_EQ(saveload::LeftOfComma(text), left) << text.toStdString();
        EXPECT_EQ(saveload::RightOfComma(text), right) << text.toStdString();
    }
}

TEST_F(CollectionFileTest, ValuesThatLookLikeHeadersStayValues)
{
    test::addTwoVolumes(catalogue);
    catalogue.ListFiles[0].setValue(Field::Title, "ZTW:/fake1,1,Fake");
    catalogue.ListFiles[1].setValue(Field::Comment, "Item nr. 7");
    catalogue.ListFiles[2].setValue(Field::Filename, "ZTW:");
    const QString path = scratchFile("lookalike.ztw");
    ASSERT_TRUE(save(path));
    ASSERT_TRUE(load(loaded, path));
    EXPECT_EQ(loaded.TreeView1.count(), 2) << "no volume from a value";
    EXPECT_EQ(loaded.ListFiles, catalogue.ListFiles);
}

TEST_F(CollectionFileTest, LineBreaksInsideValuesAreWrittenAsBlanks)
{
    catalogue.TreeView1.add({"/m1", "1", "two\nlines"});
    catalogue.ListFiles.push_back(test::makeRecord("a.mp3", "/m/", 1, "180", "one\r\ntwo\rthree\nfour"));
    const QString path = scratchFile("breaks.ztw");
    ASSERT_TRUE(save(path));
    ASSERT_TRUE(load(loaded, path));
    EXPECT_EQ(loaded.TreeView1.node(1).Text, "two lines");
    ASSERT_EQ(loaded.ListFiles.size(), 1u);
    EXPECT_EQ(loaded.ListFiles[0].value(Field::Title), "one  two three four");
    EXPECT_EQ(loaded.ListFiles[0].value(Field::Artist), "Artist") << "the values after it stay in place";
}

TEST_F(CollectionFileTest, UnicodeIsWrittenAsUtf8)
{
    catalogue.TreeView1.add({"/media/Musik1", "1", "Grüße"});
    catalogue.ListFiles.push_back(test::makeRecord(QStringLiteral("Ünïcödé ♫ 𝄞.mp3"), "/media/Musik/", 1));
    const QString path = scratchFile("unicode.ztw");
    ASSERT_TRUE(save(path));
    EXPECT_TRUE(readBytes(path).startsWith("ZTW:/media/Musik1,1,Gr\xC3\xBC\xC3\x9F"
                                           "e\r\n"));
    ASSERT_TRUE(load(loaded, path));
    EXPECT_EQ(loaded.ListFiles, catalogue.ListFiles);
    EXPECT_EQ(loaded.TreeView1.node(1).Text, "Grüße");
}

TEST_F(CollectionFileTest, DamagedFilesLoadWhatIsWhole)
{
    // Junk lines are passed over; a tree line without commas still makes its
    // volume, so the volume numbers of the files stay right; the block cut short
    // by the end of the file is dropped, not filled from the block before.
    const QByteArray bytes = "ZTW:/first1,77,First\r\nstray line\r\nZTW:nocommas\r\nZTW:/third3,9,Third\r\n" +
                             block(1, "a.mp3", "1", "Title A") + "garbage\r\n" + block(2, "b.mp3", "3") +
                             "Item nr. 3\r\nc.mp3\r\n/x/\r\n";
    Catalogue& result = loadBytes(bytes);
    ASSERT_EQ(result.TreeView1.count(), 3);
    EXPECT_EQ(result.TreeView1.node(2), (VolumeNode{"nocommas", "", ""}));
    EXPECT_EQ(result.TreeView1.node(3), (VolumeNode{"/third3", "9", "Third"}));
    ASSERT_EQ(result.ListFiles.size(), 2u);
    EXPECT_EQ(result.ListFiles[1].value(Field::Filename), "b.mp3");
    EXPECT_EQ(result.ListFiles[1].value(Field::Title), "");
    EXPECT_EQ(result.ListFiles[1].nodeNumber(), 3);
    EXPECT_EQ(result.ListFiles2.size(), 1) << "the third volume is selected and shown";
}

TEST_F(CollectionFileTest, LaterDuplicateKeyIsLeftEmpty)
{
    Catalogue& result = loadBytes("ZTW:/m1,1,One\r\nZTW:/m1,2,Two\r\nZTW:,3,Three\r\nZTW:,4,Four\r\n");
    ASSERT_EQ(result.TreeView1.count(), 4);
    EXPECT_EQ(result.TreeView1.node(1).Key, "/m1");
    EXPECT_EQ(result.TreeView1.node(2).Key, "");
    EXPECT_EQ(result.TreeView1.node(2).Tag, "2");
}

TEST_F(CollectionFileTest, OldWindowsFileLoads)
{
    // Windows paths, the ANSI code page and a last line without a line break.
    const QByteArray bytes = "ZTW:E:\\1,-1794507343,Caf\xE9 CD\r\n"
                             "Item nr. 1\r\n\x93Hello\x94.mp3\r\nE:\\Music\\\r\n4000000\r\n180\r\n44100\r\n128\r\n"
                             "Hello\r\nJos\xE9\r\n\r\n\r\n2001\r\n3\r\n1.0\r\n1";
    Catalogue& result = loadBytes(bytes);
    ASSERT_EQ(result.TreeView1.count(), 1);
    EXPECT_EQ(result.TreeView1.node(1), (VolumeNode{"E:\\1", "-1794507343", "Café CD"}));
    ASSERT_EQ(result.ListFiles.size(), 1u);
    EXPECT_EQ(result.ListFiles[0].fullPath(), QStringLiteral("E:\\Music\\“Hello”.mp3"));
    EXPECT_EQ(result.ListFiles[0].value(Field::Artist), "José");
    EXPECT_EQ(result.ListFiles[0].nodeNumber(), 1);
    EXPECT_EQ(result.ListFiles2.size(), 1);
}

TEST_F(CollectionFileTest, LinuxLineEndsAndLongFilesLoad)
{
    // More than one read chunk, with LF line ends.
    QByteArray bytes = "ZTW:/m1,1,One\n";
    const QByteArray title(200, 'x');
    for (int i = 1; i <= 30000; ++i)
        bytes += block(i, "f" + QByteArray::number(i) + ".mp3", "1", title).replace("\r\n", "\n");
    Catalogue& result = loadBytes(bytes);
    ASSERT_EQ(result.ListFiles.size(), 30000u);
    EXPECT_EQ(result.ListFiles[29999].value(Field::Filename), "f30000.mp3");
    EXPECT_EQ(result.ListFiles[12345].value(Field::Title), QString::fromLatin1(title));
    EXPECT_EQ(result.ListFiles[12345].value(Field::Path), "/x/");
}

TEST_F(CollectionFileTest, LargeUtf8FileStaysUtf8)
{
    // The file is read in chunks; a character cut by a chunk's end is still UTF-8.
    // Three shifts by one byte make sure some character is cut.
    const QByteArray notes = QStringLiteral("♫").toUtf8().repeated(1000);
    for (int shift = 0; shift < 3; ++shift) {
        QByteArray bytes = "ZTW:/m1,1,One" + QByteArray(shift, '!') + "\r\n";
        for (int i = 1; i <= 3000; ++i)
            bytes += block(i, "f.mp3", "1", notes);
        Catalogue& result = loadBytes(bytes);
        ASSERT_EQ(result.ListFiles.size(), 3000u);
        EXPECT_EQ(result.ListFiles[2999].value(Field::Title), QString::fromUtf8(notes)) << shift;
        result.clearCollection();
    }
}

TEST_F(CollectionFileTest, FailedSaveKeepsTheOldFileAndTheChangedState)
{
    // A file size limit makes the write fail, for any user.
    const QString path = scratchFile("kept.ztw");
    writeBytes(path, "old content\r\n");
    catalogue.setCurrentCollectionPath(path);
    test::addTwoVolumes(catalogue);
    catalogue.MarkCollectionChanged();
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = Save1_Click(catalogue, fake.services, recent);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(fake.status.current.startsWith("Collection not saved: ")) << fake.status.current.toStdString();
    EXPECT_FALSE(fake.status.history.contains("Collection saved"));
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_TRUE(recent.paths.isEmpty());
    EXPECT_EQ(readBytes(path), "old content\r\n");
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList({"*kept*"}, QDir::Files), QStringList{QFileInfo(path).fileName()})
        << "no temporary file is left behind";
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(CollectionFileTest, SaveAsIntoAMissingFolderKeepsThePath)
{
    const QString current = scratchFile("current.ztw");
    catalogue.setCurrentCollectionPath(current);
    catalogue.MarkCollectionChanged();
    EXPECT_FALSE(save(test::scratchRoot() + "/no such folder/list.ztw"));
    EXPECT_TRUE(fake.status.current.startsWith("Collection not saved: "));
    EXPECT_EQ(catalogue.CurrentCollectionPath(), current);
    EXPECT_TRUE(catalogue.CollectionChanged());
}

TEST_F(CollectionFileTest, UnreadableOrMissingFilesAreRefused)
{
    test::addTwoVolumes(catalogue);
    const QString folder = scratchFile("folder.ztw");
    QDir().mkpath(folder);
    const QString hidden = test::scratchRoot() + "/.hidden.ztw";
    writeBytes(hidden, TwoVolumesFile);
    for (const QString& path : {scratchFile("missing.ztw"), folder, hidden}) {
        QString name = path;
        EXPECT_FALSE(Loadlist(catalogue, fake.services, recent, name)) << path.toStdString();
        EXPECT_EQ(fake.status.current, "Incorrect or damaged file!");
        EXPECT_EQ(catalogue.TreeView1.count(), 0) << "the collection was emptied before";
        EXPECT_EQ(catalogue.CurrentCollectionPath(), "");
    }
    EXPECT_TRUE(recent.paths.isEmpty());
}

TEST_F(CollectionFileTest, FilesWithoutVolumeOrRecordAreNoCollection)
{
    const QString path = scratchFile("chosen by mistake.ztw");
    const QByteArray notCollections[] = {QByteArray("\x7f"
                                                    "ELF\x02\x01\x01\0\0\0",
                                                    10),
                                         "Dear Ann,\r\nsee you.\r\n", "\r\n"};
    for (const QByteArray& bytes : notCollections) {
        writeBytes(path, bytes);
        QString name = path;
        EXPECT_FALSE(Loadlist(loaded, fake.services, recent, name)) << bytes.toStdString();
        EXPECT_EQ(fake.status.current, "Incorrect or damaged file!");
        EXPECT_EQ(loaded.CurrentCollectionPath(), "") << "a later Save must not overwrite it";
    }
    EXPECT_TRUE(recent.paths.isEmpty());
    EXPECT_EQ(readBytes(path), "\r\n");
}

} // namespace
} // namespace twinsweep
