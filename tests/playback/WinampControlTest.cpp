#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "RecordingWinamp.h"
#include "ScratchFiles.h"
#include "playback/WinampControl.h"

namespace twinsweep {
namespace {

constexpr char NotRunning[] = "WinAmp is not runnig. Please run WinAmp to use this function.";
constexpr char CantFind[] = "Can't find source! Please check is device connected or cd is inserted.";

/// Real files on one fake medium: Rock (a, b, c, d) with the medium's serial, Moved (e)
/// catalogued from another medium, and a playlist volume Nera (f) without serial.
class WinampControlTest : public ::testing::Test
{
protected:
    static constexpr qint32 Serial = 777;

    WinampControlTest()
    {
        volumes.mount(root, Serial);
        addVolumeOnDisk("Rock", {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}, QString::number(Serial));
        addVolumeOnDisk("Moved", {"e.mp3"}, "778");
        addVolumeOnDisk("Nera", {"f.mp3"}, "Nera");
        catalogue.TreeView1.select(1);
        catalogue.ClickNOD(fake.services);
        fake.status.history.clear();
    }

    void addVolumeOnDisk(const QString& name, const QStringList& filenames, const QString& tag)
    {
        const int index = catalogue.TreeView1.add({root + '/' + name + "1", tag, name});
        for (const QString& filename : filenames) {
            test::writeFile(path(name + '/' + filename));
            catalogue.ListFiles.push_back(test::makeRecord(filename, root + '/' + name + '/', index));
        }
    }
    /// Result rows for the given master positions.
    void showResults(const std::vector<qsizetype>& tags)
    {
        std::vector<ListRow> rows;
        for (qsizetype tag : tags)
            rows.push_back({tag, "some volume"});
        catalogue.Duplicates.assign(std::move(rows));
    }
    QString path(const QString& relative) const { return root + '/' + relative; }
    QString added(const QString& relative) const { return "add " + path(relative); }

    QString root = QDir(test::freshFolder("winamp")).canonicalPath();
    test::FakeServices fake;
    test::FakeVolumeInfo volumes;
    test::RecordingWinamp winamp;
    Catalogue catalogue;
    WinampControl control{catalogue, fake.services, volumes, winamp};
};

TEST_F(WinampControlTest, EveryCommandTellsWhenThePlayerDoesNotRunAndSendsNothing)
{
    using Command = void (WinampControl::*)(const std::vector<qsizetype>&);
    for (Command command : {&WinampControl::winampenq_Click, &WinampControl::winampplay_Click,
                            &WinampControl::winampenq1_Click, &WinampControl::winampplay1_Click}) {
        fake.prompt.shown.clear();
        winamp.running = false;
        showResults({1});
        (control.*command)({0});

        ASSERT_EQ(fake.prompt.shown.size(), 1u);
        EXPECT_EQ(fake.prompt.shown[0].text, NotRunning);
        EXPECT_EQ(fake.prompt.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(fake.prompt.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fake.prompt.shown[0].caption, "") << "titled with the application's title";
        EXPECT_TRUE(fake.status.history.isEmpty());

        winamp.running = true; // started after the message: the next command finds it
        (control.*command)({0});
        EXPECT_FALSE(winamp.sent.isEmpty());
        winamp.sent.clear();
    }
}

TEST_F(WinampControlTest, EnqueueSendsTheSelectedFilesInListOrderAndNothingElse)
{
    control.winampenq_Click({0, 2, 3});
    EXPECT_EQ(winamp.sent, QStringList({added("Rock/a.mp3"), added("Rock/c.mp3"), added("Rock/d.mp3")}));

    winamp.sent.clear();
    showResults({6, 2, 1});
    control.winampenq1_Click({0, 1, 2});
    EXPECT_EQ(winamp.sent, QStringList({added("Nera/f.mp3"), added("Rock/b.mp3"), added("Rock/a.mp3")}));
    EXPECT_TRUE(fake.prompt.shown.empty());
    EXPECT_TRUE(fake.status.history.isEmpty());
}

TEST_F(WinampControlTest, PlayClearsFirstAndPlaysLastEvenWithNothingAdded)
{
    struct Case
    {
        const char* name;
        std::vector<qsizetype> selected;
        QStringList expected;
    };
    const QStringList bothFiles{"clear", added("Rock/b.mp3"), added("Rock/d.mp3"), "play"};
    for (const Case& c : {Case{"two files", {1, 3}, bothFiles}, Case{"nothing selected", {}, {"clear", "play"}}}) {
        winamp.sent.clear();
        control.winampplay_Click(c.selected);
        EXPECT_EQ(winamp.sent, c.expected) << c.name;
    }

    winamp.sent.clear();
    showResults({5}); // Moved: on another medium
    control.winampplay1_Click({0});
    EXPECT_EQ(winamp.sent, QStringList({"clear", "play"}));
}

TEST_F(WinampControlTest, APlayerThatTakesOneFileAtATimeGetsNoQueueAndOnlyTheFirstFileToPlay)
{
    winamp.queues = false;
    const QString nothingEnqueued = "The player takes one file at a time: nothing was enqueued.";
    const QString onlyTheFirst = "The player takes one file at a time: only the first file was sent.";
    using Command = void (WinampControl::*)(const std::vector<qsizetype>&);
    const struct
    {
        const char* name;
        Command command;
        std::vector<qsizetype> selected;
        QStringList expected;
        QString status;
    } cases[]{
        {"enqueue", &WinampControl::winampenq_Click, {0, 2}, {}, nothingEnqueued},
        {"enqueue one", &WinampControl::winampenq_Click, {1}, {}, nothingEnqueued},
        {"play", &WinampControl::winampplay_Click, {0, 2, 3}, {"clear", added("Rock/a.mp3"), "play"}, onlyTheFirst},
        {"play one", &WinampControl::winampplay_Click, {3}, {"clear", added("Rock/d.mp3"), "play"}, ""},
    };
    for (const auto& c : cases) {
        winamp.sent.clear();
        fake.status.history.clear();
        (control.*c.command)(c.selected);
        EXPECT_EQ(winamp.sent, c.expected) << c.name;
        EXPECT_EQ(fake.status.history, c.status.isEmpty() ? QStringList() : QStringList(c.status)) << c.name;
    }
}

TEST_F(WinampControlTest, AFileWhoseVolumeIsNotPresentIsSkippedWithTheStatusText)
{
    struct Case
    {
        const char* name;
        std::function<void()> arrange;
        qsizetype skippedTag;
        QStringList expected;
    };
    // Each case selects Rock/a, the case's file and Nera/f (present without a serial).
    const Case cases[]{
        {"another medium's serial", [] {}, 5, {added("Rock/a.mp3"), added("Nera/f.mp3")}},
        {"the file is gone",
         [this] { QFile::remove(path("Rock/b.mp3")); },
         2,
         {added("Rock/a.mp3"), added("Nera/f.mp3")}},
        {"the medium is unmounted", [this] { volumes.unmount(root); }, 2, {added("Nera/f.mp3")}},
    };
    for (const Case& c : cases) {
        c.arrange();
        winamp.sent.clear();
        fake.status.history.clear();
        showResults({1, c.skippedTag, 6});
        control.winampenq1_Click({0, 1, 2});

        EXPECT_EQ(winamp.sent, c.expected) << c.name;
        EXPECT_EQ(fake.status.history.count(CantFind), 3 - c.expected.size()) << c.name;
        EXPECT_TRUE(fake.prompt.shown.empty()) << c.name;
    }
}

} // namespace
} // namespace twinsweep
