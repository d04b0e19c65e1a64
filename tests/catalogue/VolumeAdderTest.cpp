#include <gtest/gtest.h>

#include <deque>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "MediaFolder.h"
#include "QtPrinters.h"
#include "ScanFakes.h"
#include "TestEnvironment.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/StopRequest.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/cDirEx.h"
#include "platform/Mp3TagReader.h"
#include "platform/SettingKeys.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

using test::FakeScanningWindow;
using test::TestStopFlag;

/// The name window: records the proposed names and answers from a script ("" = its
/// close box).
class FakeNameWindow : public CollectionNameWindow
{
public:
    void SetName(const QString& Name) override { proposed << Name; }
    QString showModal() override
    {
        ++shows;
        if (answers.empty())
            return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList proposed;
    std::deque<QString> answers;
    int shows = 0;
};

class VolumeAdderTest : public ::testing::Test
{
protected:
    QStringList rows() const
    {
        QStringList names;
        for (const FileRecord& record : catalogue.ListFiles)
            names << record.fullPath();
        return names;
    }
    void add(const QString& folder, const QString& name = {})
    {
        fake.dialogs.answers.push_back(folder);
        Form4.answers.push_back(name);
        adder.cmdFind_Click();
    }

    test::FakeServices fake;
    Catalogue catalogue;
    test::FakeVolumeInfo volumes;
    cDirEx DirEx{fake.pump};
    Mp3TagReader tagReader;
    QueryList query;
    MediaFileReader reader{catalogue, query, tagReader, fake.services};
    FakeScanningWindow frmfndupd;
    MainScanner scanner{fake.services, DirEx, reader, frmfndupd};
    TestStopFlag StopFlag;
    FakeNameWindow Form4;
    VolumeAdder adder{catalogue, fake.services, scanner, volumes, StopFlag, Form4};
};

TEST_F(VolumeAdderTest, ScansAFolderIntoANewVolume)
{
    const QString root = test::makeMediaFolder({"a.mp3", "b.wav", "notes.txt", "sub/c.mp3", "sub/d.wav"});
    volumes.mount(test::scratchRoot(), qint32(0xABCD1234u), "SCRATCH");
    add(root, "Rock");

    EXPECT_EQ(fake.dialogs.titles, QStringList{"Choose Path."});
    EXPECT_EQ(rows(), (QStringList{root + "/a.mp3", root + "/sub/c.mp3", root + "/b.wav", root + "/sub/d.wav"}));
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Frequency), "44100");
    EXPECT_EQ(catalogue.ListFiles[2].value(Field::Duration), "1");
    ASSERT_EQ(catalogue.TreeView1.count(), 1);
    EXPECT_EQ(catalogue.TreeView1.node(1), (VolumeNode{root + "1", "-1412623820", "Rock"}));
    EXPECT_EQ(Form4.proposed, QStringList{root.section('/', -1)});
    for (const FileRecord& record : catalogue.ListFiles)
        EXPECT_EQ(record.value(Field::NodeNR), "1");

    EXPECT_EQ(catalogue.TreeView1.selectedIndex(), 1);
    EXPECT_EQ(catalogue.ListFiles2.size(), 4);
    EXPECT_TRUE(fake.status.history.contains("4 Item(s) added"));
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_FALSE(StopFlag.stop) << "emptied when the scan starts";
    EXPECT_TRUE(fake.prompt.shown.empty());
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_EQ(frmfndupd.shows, 1);
    EXPECT_FALSE(frmfndupd.loaded);
    EXPECT_EQ(frmfndupd.directories, (QStringList{root, root + "/sub", root, root + "/sub"}));
    EXPECT_EQ(frmfndupd.files, (QStringList{"a.mp3", "c.mp3", "b.wav", "d.wav"}));
}

TEST_F(VolumeAdderTest, FileTypeAndSubfolderSettingsChooseThePasses)
{
    struct Case
    {
        const char* Filetype;
        const char* RecSubDir;
        QStringList found;
    };
    const QString root = test::makeMediaFolder({"Loud.MP3", "b.wav", "sub/c.mp3", "sub/d.WAV"});
    const std::vector<Case> cases{
        {"0", "1", {"Loud.MP3", "sub/c.mp3", "b.wav", "sub/d.WAV"}},
        {"1", "1", {"Loud.MP3", "sub/c.mp3"}},
        {"2", "1", {"b.wav", "sub/d.WAV"}},
        {"0", "0", {"Loud.MP3", "b.wav"}},
        {"2", "False", {"b.wav"}},
        {"not a number", "True", {"Loud.MP3", "sub/c.mp3", "b.wav", "sub/d.WAV"}},
        {"3", "1", {}},
    };
    test::addVolume(catalogue, "Old", {"old.mp3"}); // so that a scan finding nothing still adds a volume
    for (const Case& c : cases) {
        catalogue.DropCollectionRows({2, 3, 4, 5});
        fake.settings.setValue(Settings::Filetype, c.Filetype);
        fake.settings.setValue(Settings::RecSubDir, c.RecSubDir);
        fake.status.history.clear();
        add(root);
        QStringList expected;
        for (const QString& file : c.found)
            expected << root + "/" + file;
        EXPECT_EQ(rows().mid(1), expected) << c.Filetype << " / " << c.RecSubDir;
        EXPECT_TRUE(fake.status.history.contains(QString::number(c.found.size()) + " Item(s) added"))
            << c.Filetype << " / " << c.RecSubDir;
    }
}

TEST_F(VolumeAdderTest, ConfirmedCancelKeepsTheFilesFoundAndStartsNoOtherPass)
{
    const QString root = test::makeMediaFolder({"a.mp3", "b.mp3", "c.wav"});
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        catalogue.clearCollection();
        // The user presses Cancel in the scanning window while the first file is read.
        const QMetaObject::Connection pressCancel = QObject::connect(&DirEx, &cDirEx::CurrentFile, [&] {
            if (catalogue.ListFiles.size() == 1 && fake.prompt.shown.empty())
                scanner.frmfndupd_Cancel();
        });
        fake.prompt.shown.clear();
        fake.prompt.answers = {answer};
        add(root, "Part");
        QObject::disconnect(pressCancel);

        ASSERT_EQ(fake.prompt.shown.size(), 1u);
        const test::FakePrompt::Shown& question = fake.prompt.shown[0];
        EXPECT_EQ(question.text, "Do you want to stop adding files to volume? (Only a part of files would be added)");
        EXPECT_EQ(question.icon, MessageIcon::Exclamation);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.defaultButton, 2);
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(rows(), (QStringList{root + "/a.mp3", root + "/b.mp3", root + "/c.wav"}));
            continue;
        }
        EXPECT_EQ(rows(), QStringList{root + "/a.mp3"});
        EXPECT_TRUE(fake.status.history.contains("1 Item(s) added"));
        ASSERT_EQ(catalogue.TreeView1.count(), 1) << "the volume is added with what was found";
        EXPECT_EQ(catalogue.TreeView1.node(1).Text, "Part");
    }
}

TEST_F(VolumeAdderTest, AStopRequestedDuringAPassStartsNoOtherPass)
{
    const QString root = test::makeMediaFolder({"a.mp3", "b.mp3", "c.wav"});
    // The Search window's Cancel does not stop the scanner; the next pass sees it.
    QObject::connect(&DirEx, &cDirEx::CurrentFile, [this] { StopFlag.stop = true; });
    add(root, "Part");
    EXPECT_EQ(rows(), (QStringList{root + "/a.mp3", root + "/b.mp3"}));
    EXPECT_EQ(catalogue.TreeView1.count(), 1);
}

TEST_F(VolumeAdderTest, NothingFoundInTheWholeCollectionAddsNoVolume)
{
    add(test::makeMediaFolder({"notes.txt"}));
    add(test::scratchRoot() + "/no such folder/");

    EXPECT_EQ(fake.prompt.texts(), (QStringList{"No media files found.", "No media files found."}));
    EXPECT_EQ(fake.prompt.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(fake.status.history.contains("Path name does not exist."));
    EXPECT_EQ(fake.status.current, "No media files found. Canceled");
    EXPECT_EQ(Form4.shows, 0);
    EXPECT_EQ(catalogue.TreeView1.count(), 0);
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_FALSE(frmfndupd.loaded);
}

TEST_F(VolumeAdderTest, CancelledPickerChangesNothing)
{
    add("");
    EXPECT_EQ(fake.status.history, QStringList{"Canceled"});
    EXPECT_EQ(frmfndupd.shows, 0);
    EXPECT_EQ(fake.busy.timesBusy, 0);
    EXPECT_FALSE(StopFlag.stop);
}

TEST_F(VolumeAdderTest, NodeKeyTagAndNameFollowTheChosenPlace)
{
    struct Case
    {
        const char* what;
        QString folder; // relative to a fresh media folder
        QString mount;  // relative to it too
        qint32 serial;
        QString label;
        QString typed;
        QString proposed;
        QString text;
    };
    const std::vector<Case> cases{
        {"a folder on a volume", "Music/Rock", "", 77, "DISK", "", "Rock", "Colection2"},
        {"a labelled mount point", "Stick", "Stick", -5, " MUSIC ", "Tunes", "MUSIC", "Tunes"},
        {"a mount point without a label", "Card", "Card", 0, "", "  Jazz ", "Card", "  Jazz "},
    };
    test::addVolume(catalogue, "Old", {"old.mp3"});
    for (const Case& c : cases) {
        catalogue.TreeView1.remove(2);
        catalogue.DropCollectionRows({2});
        const QString base = test::makeMediaFolder({c.folder + "/x.mp3"});
        volumes.mount(c.mount.isEmpty() ? base : base + "/" + c.mount, c.serial, c.label);
        add(base + "/" + c.folder + "/", c.typed);
        EXPECT_EQ(Form4.proposed.constLast(), c.proposed) << c.what;
        ASSERT_EQ(catalogue.TreeView1.count(), 2) << c.what;
        EXPECT_EQ(catalogue.TreeView1.node(2),
                  (VolumeNode{base + "/" + c.folder + "2", QString::number(c.serial), c.text}))
            << c.what;
    }
}

TEST_F(VolumeAdderTest, TheRootFolderKeepsItsSlashInTheKey)
{
    test::addVolume(catalogue, "Old", {"old.mp3"});
    volumes.mount("/", 42, "SYSTEM");
    fake.settings.setValue(Settings::RecSubDir, "0");
    add("/", "Root");
    EXPECT_EQ(Form4.proposed, QStringList{"SYSTEM"});
    EXPECT_EQ(catalogue.TreeView1.node(2).Key, "/2");
    EXPECT_EQ(catalogue.TreeView1.node(2).Tag, "42");
}

TEST_F(VolumeAdderTest, AKeyAlreadyTakenGetsTheNextFreeNumber)
{
    // Two volumes of one folder, then the first removed: the second keeps Key "...2" at Index 1.
    const QString root = test::makeMediaFolder({"a.mp3"});
    volumes.mount(root, 9);
    test::addVolume(catalogue, "First", {"first.mp3"});
    catalogue.TreeView1.add({root + "2", "1234", "Second"});
    catalogue.TreeView1.remove(1);
    catalogue.DropCollectionRows({1});
    catalogue.TreeView1.add({root + "3", "5678", "Third"});

    add(root, "New");
    ASSERT_EQ(catalogue.TreeView1.count(), 3);
    EXPECT_EQ(catalogue.TreeView1.node(1), (VolumeNode{root + "2", "1234", "Second"}));
    EXPECT_EQ(catalogue.TreeView1.node(2), (VolumeNode{root + "3", "5678", "Third"}));
    EXPECT_EQ(catalogue.TreeView1.node(3), (VolumeNode{root + "4", "9", "New"}));
    EXPECT_EQ(catalogue.ListFiles.back().value(Field::NodeNR), "3");
    EXPECT_EQ(catalogue.TreeView1.selectedIndex(), 3);
}

TEST(CollectionNameTest, OkRefusesEmptyBlankAndTakenNames)
{
    VolumeTree tree;
    tree.add({"/a1", "1", "Rock"});
    tree.add({"/b2", "2", "Jazz Live"});
    const std::vector<std::pair<QString, QString>> cases{
        {"", "Please enter collection name."},
        {"   ", "Please enter collection name."},
        {"Rock", "Collection with this name already exists."},
        {"Jazz Live", "Collection with this name already exists."},
        {"rock", ""},
        {"Rock ", ""},
        {"Blues", ""},
    };
    for (const auto& [name, message] : cases) {
        test::FakePrompt prompt;
        EXPECT_EQ(CollectionNameAccepted(tree, prompt, name), message.isEmpty()) << qPrintable(name);
        EXPECT_EQ(prompt.texts(), message.isEmpty() ? QStringList{} : QStringList{message}) << qPrintable(name);
        for (const test::FakePrompt::Shown& shown : prompt.shown)
            EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    }
}

TEST(VolumeTextsTest, TrimAtNullAndFolderPicker)
{
    const std::vector<std::pair<QString, QString>> trims{
        {QString("MUSIC") + QChar(0) + "junk", "MUSIC"},
        {QString(QChar(0)) + "MUSIC", ""},
        {QString(" MUSIC ") + QChar(0), " MUSIC "},
        {"  MUSIC  ", "MUSIC"},
        {"", ""},
    };
    for (const auto& [text, trimmed] : trims)
        EXPECT_EQ(Module1::TrimAtNull(text), trimmed);

    test::FakeDialogs dialogs;
    dialogs.answers = {"", "/music/rock", "/music/", "/"};
    EXPECT_EQ(Module1::BrowseForFolder(dialogs, "Choose Path."), "");
    EXPECT_EQ(Module1::BrowseForFolder(dialogs, "Choose Path."), "/music/rock/");
    EXPECT_EQ(Module1::BrowseForFolder(dialogs, "Choose Path."), "/music/");
    EXPECT_EQ(Module1::BrowseForFolder(dialogs, "Choose Path."), "/");
}

TEST(VolumeTextsTest, ShortenPathKeepsTheRootAndTheEndFromAFolderBoundary)
{
    const QString thirty = "/media/usb/Music/Rock/Live/abc";              // 30 characters
    const QString forty = "/media/usb/Music/Rock/Live/Concerts/abcd";     // 40
    const QString eighty = "/media/usb/Music/Collection/Various/Artists/" // 44
                           "Greatest Hits/Nineteen-Eighty/Disc 1";        // 80
    const QString longName = "/media/" + QString(60, 'x');
    const QString noSlash = QString(60, 'y');
    struct Case
    {
        QString path;
        int MaxLen;
        QString shortened;
    };
    const std::vector<Case> cases{
        {thirty, 50, thirty},
        {thirty, 10, thirty},
        {forty, 10, "/.../Music/Rock/Live/Concerts/abcd"},
        {forty, 40, forty},
        {eighty, 50, "/.../Artists/Greatest Hits/Nineteen-Eighty/Disc 1"},
        {longName, 50, "/.../" + QString(60, 'x')},
        {"/" + QString(60, 'z'), 50, "/.../" + QString(60, 'z')},
        {noSlash, 50, "yyy..." + noSlash},
    };
    ASSERT_EQ(thirty.size(), 30);
    ASSERT_EQ(forty.size(), 40);
    ASSERT_EQ(eighty.size(), 80);
    for (const Case& c : cases)
        EXPECT_EQ(ShortenPath(c.path, c.MaxLen), c.shortened) << qPrintable(c.path) << " " << c.MaxLen;
}

} // namespace
} // namespace twinsweep
