#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ScratchFiles.h"
#include "platform/VolumeLayer.h"

namespace twinsweep {
namespace {

TEST(VolumeLayerTest, SerialNumberFromFilesystemUuid)
{
    const std::vector<std::pair<QString, std::optional<qint32>>> cases{
        {"ABCD-1234", qint32(0xABCD1234u)}, // FAT and exFAT: the Windows serial itself
        {"abcd-1234", qint32(0xABCD1234u)},
        {"0000-0001", 1},
        {"5E8A0C3C8A0C1385", qint32(0x8A0C1385u)}, // NTFS: the low 32 bits
        {"00000000075BCD15", 123456789},
        {"1b4e28ba-2fa1-11d2-883f-0016d3cca427", 0x1b4e28ba}, // others: the first 8 hex digits
        {"2023-01-15-12-34-56-00", 0x20230115},
        {"ABCD", std::nullopt},
        {"12-34-56", std::nullopt},
        {"not-a-uuid", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [uuid, serial] : cases)
        EXPECT_EQ(serialFromUuid(uuid), serial) << uuid.toStdString();
}

TEST(VolumeLayerTest, MountTableLinesWithEscapesAndOptionalFields)
{
    const QByteArray table = "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                             "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
                             "90 26 8:17 / /media/u/My\\040Music rw shared:1 master:2 - vfat /dev/sdb1 rw\n"
                             "damaged line\n"
                             "91 26 8:18 / /media/back\\134slash rw - ntfs3 /dev/sdb2 rw\n";
    const std::vector<MountEntry> entries = parseMountInfo(table);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].mountPoint, "/");
    EXPECT_EQ(entries[2].mountPoint, "/media/u/My Music");
    EXPECT_EQ(entries[2].fsType, "vfat");
    EXPECT_EQ(entries[2].source, "/dev/sdb1");
    EXPECT_EQ(entries[2].major, 8u);
    EXPECT_EQ(entries[2].minor, 17u);
    EXPECT_EQ(entries[3].mountPoint, "/media/back\\slash");
}

TEST(VolumeLayerTest, HoldingMountIsTheLongestWholeFolderPrefix)
{
    const QStringList points{"/", "/media/usb", "/media/usb/inner", "/media/usb"};
    const std::vector<std::pair<QString, qsizetype>> cases{
        {"/media/usb/a.mp3", 3}, // the later of two equal mounts lies on top
        {"/media/usb", 3},       {"/media/usb2/a.mp3", 0}, {"/media/usb/inner/x/a.mp3", 2}, {"/home/a.mp3", 0},
    };
    for (const auto& [path, holder] : cases)
        EXPECT_EQ(holdingMount(points, path), holder) << path.toStdString();
    EXPECT_EQ(holdingMount({"/media/usb"}, "/home/a.mp3"), -1);
}

TEST(VolumeLayerTest, UdevNamesLoseTheirEscapes)
{
    EXPECT_EQ(decodeUdevName("MY\\x20MUSIC"), "MY MUSIC");
    EXPECT_EQ(decodeUdevName("Caf\\xc3\\xa9"), QString::fromUtf8("Café"));
    EXPECT_EQ(decodeUdevName("a\\x2fb"), "a/b");
    EXPECT_EQ(decodeUdevName("odd\\x2"), "odd\\x2");
}

/// A mount table and disk folder of our own over real folders: a FAT stick with a label
/// and a blank in its mount point, a disk without UUID or label, and a virtual filesystem.
class SystemVolumeInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = QDir(test::freshFolder("volumes")).canonicalPath();
        stick = root + "/media/My Stick";
        plain = root + "/media/plain";
        QDir().mkpath(stick + "/music");
        QDir().mkpath(plain);
        test::writeFile(root + "/dev/sdb1", {});
        test::writeFile(root + "/dev/sdc1", {});
        QDir().mkpath(root + "/disk/by-uuid");
        QDir().mkpath(root + "/disk/by-label");
        QFile::link("../../dev/sdb1", root + "/disk/by-uuid/ABCD-1234");
        QFile::link("../../dev/sdb1", root + "/disk/by-label/MY\\x20MUSIC");
        QFile::link("../../dev/sdc9", root + "/disk/by-uuid/1111-2222"); // a device not mounted
        QString escapedStick = stick;
        escapedStick.replace(' ', "\\040");
        const QByteArray table = "1 0 254:0 / / rw - ext4 /dev/vda rw\n"
                                 "2 1 0:20 / /proc rw - proc proc rw\n"
                                 "3 1 8:17 / " +
                                 escapedStick.toUtf8() + " rw - vfat " + root.toUtf8() +
                                 "/dev/sdb1 rw\n"
                                 "4 1 8:33 / " +
                                 plain.toUtf8() + " rw - ext4 " + root.toUtf8() + "/dev/sdc1 rw\n";
        test::writeFile(root + "/mountinfo", table);
    }
    SystemVolumeInfo volumes() const { return SystemVolumeInfo(root + "/mountinfo", root + "/disk"); }

    QString root, stick, plain;
};

TEST_F(SystemVolumeInfoTest, MountPointOfExistingMissingAndLinkedPaths)
{
    const SystemVolumeInfo info = volumes();
    test::writeFile(stick + "/music/a.mp3");
    QFile::link(stick + "/music", root + "/shortcut");
    EXPECT_EQ(info.mountPointOf(stick + "/music/a.mp3"), stick);
    EXPECT_EQ(info.mountPointOf(stick), stick);
    EXPECT_EQ(info.mountPointOf(stick + "/gone/deeper/b.mp3"), stick) << "deepest existing ancestor";
    EXPECT_EQ(info.mountPointOf(root + "/shortcut/a.mp3"), stick) << "a linked folder leads to its mount";
    EXPECT_EQ(info.mountPointOf(root + "/media/My Stick2/a.mp3"), "/");
    EXPECT_EQ(info.mountPointOf("music/a.mp3"), "");
    EXPECT_EQ(info.mountPointOf(""), "");
}

TEST_F(SystemVolumeInfoTest, SerialAndLabelFollowTheMountedDevice)
{
    const SystemVolumeInfo info = volumes();
    EXPECT_EQ(info.serialNumber(stick), qint32(0xABCD1234u));
    EXPECT_EQ(info.label(stick), "MY MUSIC");
    EXPECT_EQ(info.label(plain), "");
    EXPECT_EQ(info.serialNumber(root + "/media"), 0) << "not a mount point";
    EXPECT_EQ(info.label(root + "/media"), "");
    QDir(plain).removeRecursively();
    EXPECT_EQ(info.serialNumber(plain), 0) << "no UUID and nothing to ask the filesystem";
}

TEST_F(SystemVolumeInfoTest, MountedVolumesAreTheRealFilesystemsInMountOrder)
{
    EXPECT_EQ(volumes().mountedVolumes(), (QStringList{"/", stick, plain}));
}

TEST(SystemVolumeInfoOnThisMachine, ReadsTheRunningMountTable)
{
    const SystemVolumeInfo info;
    if (!QFile::exists("/proc/self/mountinfo"))
        GTEST_SKIP() << "no mount table";
    EXPECT_EQ(info.mountPointOf("/proc/self/status"), "/proc");
    EXPECT_FALSE(info.mountedVolumes().contains("/proc"));
    const QString scratch = test::freshFolder("here");
    EXPECT_TRUE(QDir(scratch).canonicalPath().startsWith(info.mountPointOf(scratch)));
}

} // namespace
} // namespace twinsweep
