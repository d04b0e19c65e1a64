#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "ScratchFiles.h"
#include "platform/FileTransfer.h"

namespace twinsweep {
namespace {

class FileTransferTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return folder + '/' + name; }
    /// Every entry of the folder, so a leftover temporary file shows.
    QStringList entries(const QString& relative = {}) const
    {
        return QDir(folder + '/' + relative).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QString folder = test::freshFolder("transfer");
};

TEST_F(FileTransferTest, CopyKeepsContentPermissionsAndTime)
{
    test::writeFile(path("a.mp3"), "music");
    QFile::setPermissions(path("a.mp3"), QFile::ReadOwner | QFile::ReadGroup);
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-400);
    {
        QFile file(path("a.mp3"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        file.setFileTime(old, QFileDevice::FileModificationTime);
    }
    QDir().mkpath(path("to"));

    ASSERT_TRUE(copyFileNoReplace(path("a.mp3"), path("to/a.mp3")));
    EXPECT_EQ(test::readFile(path("to/a.mp3")), "music");
    EXPECT_EQ(QFileInfo(path("to/a.mp3")).permissions(), QFileInfo(path("a.mp3")).permissions());
    EXPECT_EQ(QFileInfo(path("to/a.mp3")).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_EQ(entries("to"), QStringList{"a.mp3"});
}

struct RefusedCopy
{
    const char* name;
    const char* from;
    const char* to;
};

void PrintTo(const RefusedCopy& c, std::ostream* out)
{
    *out << c.name;
}

class CopyThatMustFail : public FileTransferTest, public ::testing::WithParamInterface<RefusedCopy>
{};

TEST_P(CopyThatMustFail, LeavesEveryFileAsItWasAndNoTemporaryFile)
{
    test::writeFile(path("a.mp3"), "first");
    test::writeFile(path("b.mp3"), "second");
    QDir().mkpath(path("folder"));

    EXPECT_FALSE(copyFileNoReplace(path(GetParam().from), path(GetParam().to)));
    EXPECT_EQ(test::readFile(path("a.mp3")), "first");
    EXPECT_EQ(test::readFile(path("b.mp3")), "second");
    EXPECT_EQ(entries(), (QStringList{"a.mp3", "b.mp3"}));
    EXPECT_TRUE(entries("folder").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyThatMustFail,
                         ::testing::Values(RefusedCopy{"OntoAnotherFile", "a.mp3", "b.mp3"},
                                           RefusedCopy{"OntoItself", "a.mp3", "a.mp3"},
                                           RefusedCopy{"MissingSource", "c.mp3", "folder/c.mp3"},
                                           RefusedCopy{"AFolder", "folder", "folder2"},
                                           RefusedCopy{"IntoAMissingFolder", "a.mp3", "nowhere/a.mp3"}),
                         ::testing::PrintToStringParamName());

TEST_F(FileTransferTest, MoveWithinAFilesystemRenamesButNeverReplaces)
{
    test::writeFile(path("a.mp3"), "first");
    test::writeFile(path("b.mp3"), "second");

    EXPECT_FALSE(moveFileNoReplace(path("a.mp3"), path("b.mp3")));
    EXPECT_EQ(test::readFile(path("a.mp3")), "first");
    EXPECT_EQ(test::readFile(path("b.mp3")), "second");

    ASSERT_TRUE(moveFileNoReplace(path("a.mp3"), path("c.mp3")));
    EXPECT_EQ(entries(), (QStringList{"b.mp3", "c.mp3"}));
    EXPECT_EQ(test::readFile(path("c.mp3")), "first");
}

TEST_F(FileTransferTest, MoveAcrossFilesystemsCopiesThenRemovesTheSource)
{
    test::writeFile(path("a.mp3"), "first");
    QDir().mkpath(path("to"));
    ASSERT_TRUE(moveAcrossFilesystems(path("a.mp3"), path("to/a.mp3")));
    EXPECT_FALSE(QFile::exists(path("a.mp3")));
    EXPECT_EQ(test::readFile(path("to/a.mp3")), "first");
}

TEST_F(FileTransferTest, MoveAcrossFilesystemsThatCannotRemoveTheSourceTakesTheCopyBack)
{
    test::writeFile(path("a.mp3"), "first");
    QDir().mkpath(path("to"));
    const RemoveSource refuse = [](const QString&) { return false; };

    EXPECT_FALSE(moveAcrossFilesystems(path("a.mp3"), path("to/a.mp3"), refuse));
    EXPECT_EQ(test::readFile(path("a.mp3")), "first");
    EXPECT_TRUE(entries("to").isEmpty()) << "no copy and no temporary file stays";

    test::writeFile(path("to/a.mp3"), "other");
    EXPECT_FALSE(moveAcrossFilesystems(path("a.mp3"), path("to/a.mp3")));
    EXPECT_EQ(test::readFile(path("a.mp3")), "first");
    EXPECT_EQ(test::readFile(path("to/a.mp3")), "other") << "an existing target is never replaced";
}

TEST_F(FileTransferTest, MoveToAnotherRealFilesystem)
{
    // Shared memory is a filesystem of its own on most machines.
    const QString other = QDir::cleanPath("/dev/shm/twinsweep-transfer-" + QString::number(getpid()));
    struct stat here, there;
    if (!QDir().mkpath(other) || stat(QFile::encodeName(folder).constData(), &here) != 0 ||
        stat(QFile::encodeName(other).constData(), &there) != 0 || here.st_dev == there.st_dev) {
        QDir(other).removeRecursively();
        GTEST_SKIP() << "no second filesystem to move to";
    }
    test::writeFile(path("a.mp3"), "first");
    const bool moved = moveFileNoReplace(path("a.mp3"), other + "/a.mp3");
    const QByteArray content = test::readFile(other + "/a.mp3");
    QDir(other).removeRecursively();
    EXPECT_TRUE(moved);
    EXPECT_FALSE(QFile::exists(path("a.mp3")));
    EXPECT_EQ(content, "first");
}

} // namespace
} // namespace twinsweep
