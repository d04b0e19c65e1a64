#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "LockedFolder.h"
#include "RecordingChannels.h"
#include "ScratchFiles.h"
#include "catalogue/VolumePresenceCheck.h"
#include "fileops/DeleteCheckedResults.h"
#include "fileops/FileOpSteps.h"
#include "platform/FileLayer.h"
#include "platform/SettingKeys.h"

namespace twinsweep {
namespace {

/// The system's files, with the attribute change or the trash failing for chosen
/// paths, and every delete recorded.
class ScriptedFileLayer : public SystemFileLayer
{
public:
    bool setAttributesNormal(const QString& path) override
    {
        return !lockedAttributes.contains(path) && SystemFileLayer::setAttributesNormal(path);
    }
    bool moveToTrash(const QString& path) override
    {
        deletes << "trash " + path;
        return !fullTrash && SystemFileLayer::moveToTrash(path);
    }
    bool removeFile(const QString& path) override
    {
        deletes << "remove " + path;
        return SystemFileLayer::removeFile(path);
    }
    QStringList lockedAttributes;
    bool fullTrash = false;
    QStringList deletes;
};

/// Two volumes of real files on one fake medium: Rock (a, b, c) and Jazz (a, d).
class DeleteCheckedResultsTest : public ::testing::Test
{
protected:
    static constexpr qint32 Serial = 4242;

    DeleteCheckedResultsTest()
    {
        volumes.mount(root, Serial);
        addVolumeOnDisk("Rock", {"a.mp3", "b.mp3", "c.mp3"});
        addVolumeOnDisk("Jazz", {"a.mp3", "d.mp3"});
        catalogue.TreeView1.select(1);
        catalogue.ClickNOD(fake.services);
        fake.settings.setValue(Settings::Backup, "1");
        fake.status.history.clear();
        fake.busy.timesBusy = 0;
    }

    void addVolumeOnDisk(const QString& name, const QStringList& filenames)
    {
        const int index = catalogue.TreeView1.add({root + '/' + name + "1", QString::number(Serial), name});
        for (const QString& filename : filenames) {
            test::writeFile(root + '/' + name + '/' + filename, name.toUtf8() + filename.toUtf8());
            catalogue.ListFiles.push_back(test::makeRecord(filename, root + '/' + name + '/', index));
        }
    }
    /// Result rows as (Tag, checked), in groups of alternating colours.
    void showResults(const std::vector<std::pair<qsizetype, bool>>& rows)
    {
        std::vector<ListRow> results;
        for (const auto& [tag, checked] : rows) {
            const int node = catalogue.ListFiles[size_t(rowFromTag(tag))].nodeNumber();
            results.push_back({tag, catalogue.TreeView1.node(node).Text, ColorValue(tag * 1000), checked});
        }
        catalogue.Duplicates.assign(std::move(results));
    }
    void deleteChecked(MessageAnswer answer = MessageAnswer::Yes)
    {
        fake.prompt.answers.push_back(answer);
        FileOpsContext ops{catalogue, fake.services, volumes, files, channels};
        Delete_Click(ops);
    }
    QString path(const QString& relative) const { return root + '/' + relative; }
    /// The files the rows of `list` name, through their Tags.
    static QStringList filesOf(const FileList& list)
    {
        QStringList paths;
        for (qsizetype i = 0; i < list.size(); ++i)
            paths << list.record(i).fullPath();
        return paths;
    }
    QStringList masterFiles() const
    {
        QStringList paths;
        for (const FileRecord& record : catalogue.ListFiles)
            paths << record.fullPath();
        return paths;
    }

    QString root = QDir(test::freshFolder("delete")).canonicalPath();
    test::FakeServices fake;
    test::FakeVolumeInfo volumes;
    ScriptedFileLayer files;
    test::RecordingChannels channels;
    Catalogue catalogue;
};

TEST_F(DeleteCheckedResultsTest, NoAtTheQuestionChangesNothing)
{
    showResults({{1, true}, {4, false}});
    deleteChecked(MessageAnswer::No);

    ASSERT_EQ(fake.prompt.shown.size(), 1u);
    const auto& question = fake.prompt.shown.front();
    EXPECT_EQ(question.text, "Do you really want to delete checked files?");
    EXPECT_EQ(question.icon, MessageIcon::Exclamation);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_EQ(fake.status.history, QStringList{"Calceled"});
    EXPECT_TRUE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_TRUE(files.deletes.isEmpty());
    EXPECT_EQ(catalogue.ListFiles.size(), 5u);
    EXPECT_EQ(catalogue.Duplicates.size(), 2);
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.timesBusy, 0);
    EXPECT_TRUE(channels.closed.isEmpty());
}

struct BackupCase
{
    const char* backup;
    bool toTrash;
};

void PrintTo(const BackupCase& c, std::ostream* out)
{
    *out << "Backup \"" << c.backup << '"';
}

class DeleteByBackupSetting : public DeleteCheckedResultsTest, public ::testing::WithParamInterface<BackupCase>
{};

TEST_P(DeleteByBackupSetting, CheckedFilesLeaveDiskCollectionAndEveryList)
{
    fake.settings.setValue(Settings::Backup, GetParam().backup);
    // Groups: Rock/a + Jazz/a, then Rock/b + Rock/c; the heads are checked.
    showResults({{1, true}, {4, false}, {2, true}, {3, false}, {5, false}});

    deleteChecked();

    for (const char* gone : {"Rock/a.mp3", "Rock/b.mp3"}) {
        EXPECT_FALSE(QFile::exists(path(gone))) << gone;
        EXPECT_EQ(!test::trashedFrom(path(gone)).isEmpty(), GetParam().toTrash) << gone;
    }
    const QStringList kept{path("Rock/c.mp3"), path("Jazz/a.mp3"), path("Jazz/d.mp3")};
    EXPECT_EQ(masterFiles(), kept);
    EXPECT_EQ(filesOf(catalogue.Duplicates), (QStringList{path("Jazz/a.mp3"), path("Rock/c.mp3"), path("Jazz/d.mp3")}));
    EXPECT_EQ(catalogue.Duplicates.row(1).ForeColor, ColorValue(3000)) << "rows keep their colours";
    EXPECT_FALSE(catalogue.Duplicates.row(1).Checked);
    EXPECT_EQ(filesOf(catalogue.ListFiles2), QStringList{path("Rock/c.mp3")});
    EXPECT_EQ(test::readFile(path("Jazz/a.mp3")), "Jazza.mp3");

    EXPECT_EQ(channels.closed, (QStringList{"f1", "f2"})) << "no channel may hold a file open";
    EXPECT_EQ(fake.status.current, "2 of 2 files deleted successfully.");
    EXPECT_TRUE(fake.status.history.contains("Done")) << "the volume file list was refilled";
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_GE(fake.busy.timesBusy, 1);
}

INSTANTIATE_TEST_SUITE_P(Backup, DeleteByBackupSetting,
                         ::testing::Values(BackupCase{"1", true}, BackupCase{"0", false}, BackupCase{"2", true},
                                           BackupCase{" 0", true}, BackupCase{"", true}, BackupCase{"no", true}));

TEST_F(DeleteCheckedResultsTest, FileInTwoGroupsIsDeletedOnceAndLeavesBothGroups)
{
    showResults({{1, true}, {4, false}, {5, true}, {1, true}, {3, false}});
    deleteChecked();

    EXPECT_FALSE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_FALSE(QFile::exists(path("Jazz/d.mp3")));
    EXPECT_EQ(files.deletes.size(), 2);
    EXPECT_EQ(filesOf(catalogue.Duplicates), (QStringList{path("Jazz/a.mp3"), path("Rock/c.mp3")}));
    EXPECT_EQ(fake.status.current, "2 of 2 files deleted successfully.");
}

TEST_F(DeleteCheckedResultsTest, FileThatCannotGoStaysCheckedInEveryList)
{
    showResults({{1, true}, {4, true}, {5, true}, {2, false}});
    QFile::remove(path("Jazz/a.mp3"));
    const int before = int(catalogue.ListFiles2.size());
    {
        test::LockedFolder lock(path("Rock"));
        if (!lock.locked())
            GTEST_SKIP() << "this process can change any folder";
        deleteChecked();
    }
    EXPECT_EQ(test::readFile(path("Rock/a.mp3")), "Rocka.mp3") << "read-only folder: the file stays whole";
    EXPECT_FALSE(QFile::exists(path("Jazz/a.mp3"))) << "a missing file is never created";
    EXPECT_FALSE(QFile::exists(path("Jazz/d.mp3")));
    EXPECT_EQ(filesOf(catalogue.Duplicates), (QStringList{path("Rock/a.mp3"), path("Jazz/a.mp3"), path("Rock/b.mp3")}));
    EXPECT_TRUE(catalogue.Duplicates.row(0).Checked);
    EXPECT_TRUE(catalogue.Duplicates.row(1).Checked);
    EXPECT_EQ(catalogue.ListFiles2.size(), before);
    EXPECT_EQ(fake.status.current, "1 of 3 files deleted successfully.");
}

TEST_F(DeleteCheckedResultsTest, FileOnAnotherMediumIsNeverTouched)
{
    catalogue.TreeView1.setNodeTag(2, "Nera"); // a playlist volume passes on any medium
    volumes.mount(root, Serial + 1);
    showResults({{1, true}, {4, true}});
    deleteChecked();

    EXPECT_TRUE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_FALSE(QFile::exists(path("Jazz/a.mp3")));
    EXPECT_EQ(files.deletes, QStringList{"trash " + path("Jazz/a.mp3")});
    EXPECT_EQ(filesOf(catalogue.Duplicates), QStringList{path("Rock/a.mp3")});
    EXPECT_EQ(fake.status.current, QString("1 of 2 files deleted successfully. 1 passed over: ") + CantFindSource);
}

TEST_F(DeleteCheckedResultsTest, NoFallbackToDeletingForGood)
{
    showResults({{1, true}, {2, true}});
    files.fullTrash = true;
    files.lockedAttributes << path("Rock/b.mp3");
    deleteChecked();

    EXPECT_EQ(files.deletes, QStringList{"trash " + path("Rock/a.mp3")})
        << "nothing removed for good, and no delete without normal attributes";
    EXPECT_TRUE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_TRUE(QFile::exists(path("Rock/b.mp3")));
    EXPECT_EQ(catalogue.Duplicates.size(), 2);
    EXPECT_EQ(fake.status.current, "0 of 2 files deleted successfully.");
}

TEST_F(DeleteCheckedResultsTest, HiddenResultsAreNeverDeleted)
{
    showResults({{1, true}, {4, false}});
    catalogue.showLowerList(LowerList::Query);
    deleteChecked();
    EXPECT_TRUE(fake.prompt.shown.empty()) << "no question about rows the user cannot see";
    EXPECT_TRUE(files.deletes.isEmpty());
    EXPECT_TRUE(QFile::exists(path("Rock/a.mp3")));
    EXPECT_FALSE(catalogue.CollectionChanged());
}

TEST_F(DeleteCheckedResultsTest, NothingCheckedStillRefillsAndMarksChanged)
{
    showResults({{1, false}, {4, false}});
    deleteChecked();

    EXPECT_TRUE(files.deletes.isEmpty());
    EXPECT_EQ(fake.status.history, (QStringList{"Reading collection's data... Please wait...", "Done",
                                                "0 of 0 files deleted successfully."}));
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(catalogue.ListFiles2.size(), 3);
}

} // namespace
} // namespace twinsweep
