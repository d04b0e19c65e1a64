#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include "TestEnvironment.h"
#include "platform/MountPoints.h"

namespace twinsweep {
namespace {

TEST(MountPointsTest, MountInfoFieldsAreUnescaped)
{
    const QByteArray mountinfo = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                                 "40 22 8:17 / /media/My\\040Music rw - vfat /dev/sdb1 rw\n"
                                 "41 22 8:18 / /media/tab\\011and\\134slash rw - vfat /dev/sdb2 rw\n"
                                 "42 22 8:19 / /media/\\303\\251t\\303\\251 rw - vfat /dev/sdb3 rw\n"
                                 "\n";
    EXPECT_EQ(parseMountInfo(mountinfo), (QStringList{"/", "/media/My Music", "/media/tab\tand\\slash",
                                                      QString::fromUtf8("/media/\xc3\xa9t\xc3\xa9")}));
}

TEST(MountPointsTest, LongestWholeComponentPrefixWins)
{
    const QStringList mounts{"/", "/media/usb", "/media/usb2", "/media/usb/inner", "/media/usb"};
    const std::vector<std::pair<QString, QString>> cases{{"/media/usb/a.mp3", "/media/usb"},
                                                         {"/media/usb", "/media/usb"},
                                                         {"/media/usb2/a.mp3", "/media/usb2"},
                                                         {"/media/usbx/a.mp3", "/"},
                                                         {"/media/usb/inner/deep/a.mp3", "/media/usb/inner"},
                                                         {"/home/a.mp3", "/"}};
    for (const auto& [path, mount] : cases)
        EXPECT_EQ(longestMountPrefix(path, mounts), mount) << path.toStdString();
    EXPECT_EQ(longestMountPrefix("/home/a.mp3", {"/media/usb"}), "");
}

dev_t deviceOf(const QString& path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_dev : dev_t(-1);
}

TEST(MountPointsTest, MountPointOfExistingAndVanishedPaths)
{
    const QString folder = test::scratchRoot() + "/mount point";
    QDir().mkpath(folder);
    const QString mount = mountPointOf(folder);
    ASSERT_FALSE(mount.isEmpty());
    EXPECT_TRUE(QDir::cleanPath(QDir(folder).canonicalPath()).startsWith(mount));
    EXPECT_EQ(deviceOf(mount), deviceOf(folder));
    // A file that is gone belongs to the mount of its deepest existing folder.
    EXPECT_EQ(mountPointOf(folder + "/gone/deeper/song.mp3"), mount);
    EXPECT_EQ(mountPointOf("/"), "/");
    EXPECT_EQ(mountPointOf("/proc/self/status"), "/proc");
}

} // namespace
} // namespace twinsweep
