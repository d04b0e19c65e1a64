#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

#include "LockedFolder.h"
#include "ScratchFiles.h"
#include "platform/FileLayer.h"

namespace twinsweep {
namespace {

unsigned modeOf(const QString& path)
{
    struct stat status;
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

class FileLayerTest : public ::testing::Test
{
protected:
    QString folder = test::freshFolder("files");
    SystemFileLayer files;
};

TEST_F(FileLayerTest, TrashKeepsTheFileWithItsOrigin)
{
    const QString path = folder + "/song.mp3";
    test::writeFile(path, "music");
    ASSERT_TRUE(files.moveToTrash(path));
    EXPECT_FALSE(QFile::exists(path));
    const QString trashed = test::trashedFrom(path);
    ASSERT_FALSE(trashed.isEmpty());
    EXPECT_EQ(test::readFile(trashed), "music");

    EXPECT_FALSE(files.moveToTrash(path)) << "nothing left to trash";
    QDir().mkpath(folder + "/album");
    EXPECT_FALSE(files.moveToTrash(folder + "/album")) << "a folder is never a catalogued file";
    EXPECT_TRUE(QFileInfo(folder + "/album").isDir());
}

TEST_F(FileLayerTest, TrashRecordsTheOriginEscapedAsFileManagersReadIt)
{
    const QString path = folder + "/my %20 #song é.mp3";
    test::writeFile(path, "music");
    ASSERT_TRUE(files.moveToTrash(path));
    const QString trashed = test::trashedFrom(path); // decodes Path= as a file manager does
    ASSERT_FALSE(trashed.isEmpty());
    const QString info = QFileInfo(trashed).absolutePath() + "/../info/" + QFileInfo(trashed).fileName() + ".trashinfo";
    const QByteArray record = test::readFile(info);
    EXPECT_TRUE(record.startsWith("[Trash Info]\n")) << record.constData();
    EXPECT_TRUE(record.contains("/my%20%2520%20%23song%20%C3%A9.mp3\n")) << record.constData();
    EXPECT_TRUE(record.contains("\nDeletionDate=")) << record.constData();
}

TEST_F(FileLayerTest, TrashThatCannotTakeTheFileLeavesItInPlace)
{
    // With the trash folder blocked, Qt moves the file into the current folder and
    // reports success; the layer must see through that and put the file back.
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    const QString keptTrash = trash + "-kept";
    QDir().rename(trash, keptTrash);
    test::writeFile(trash, "not a folder");
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder);

    const QString path = folder + "/song.mp3";
    test::writeFile(path, "music");
    const bool trashed = files.moveToTrash(path);

    QDir::setCurrent(previousFolder);
    QFile::remove(trash);
    QDir().rename(keptTrash, trash);
    EXPECT_FALSE(trashed);
    EXPECT_EQ(test::readFile(path), "music");
    EXPECT_FALSE(QFile::exists(folder + "/files/song.mp3"));
    EXPECT_FALSE(QFile::exists(folder + "/info/song.mp3.trashinfo"));
}

TEST_F(FileLayerTest, RemoveNeverEmptiesNorCreates)
{
    const QString missing = folder + "/missing.mp3";
    EXPECT_FALSE(files.removeFile(missing));
    EXPECT_FALSE(QFile::exists(missing));

    const QString path = folder + "/song.mp3";
    test::writeFile(path, "music");
    {
        test::LockedFolder lock(folder);
        if (!lock.locked())
            GTEST_SKIP() << "this process can change any folder";
        EXPECT_FALSE(files.removeFile(path));
        EXPECT_FALSE(files.moveToTrash(path));
    }
    EXPECT_EQ(test::readFile(path), "music") << "a failed delete leaves the file whole";
    EXPECT_TRUE(files.removeFile(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FileLayerTest, AttributesToNormalGiveTheOwnerWritePermission)
{
    const QString path = folder + "/song.mp3";
    test::writeFile(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_TRUE(files.setAttributesNormal(path));
    EXPECT_EQ(modeOf(path), 0640u);

    const QString target = folder + "/target.mp3";
    test::writeFile(target);
    QFile::setPermissions(target, QFile::ReadOwner);
    QFile::link(target, folder + "/link.mp3");
    EXPECT_TRUE(files.setAttributesNormal(folder + "/link.mp3"));
    EXPECT_EQ(modeOf(target), 0400u) << "the link's target is not touched";

    EXPECT_FALSE(files.setAttributesNormal(folder + "/missing.mp3"));
}

} // namespace
} // namespace twinsweep
