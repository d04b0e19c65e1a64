#include <gtest/gtest.h>

#include "FakeVolumeInfo.h"
#include "ScratchFiles.h"
#include "catalogue/VolumePresenceCheck.h"
#include "catalogue/VolumeTree.h"

namespace twinsweep {
namespace {

struct PresenceCase
{
    const char* what;
    const char* tag;
    QString path;
    bool present;
};

TEST(VolumePresenceCheckTest, SerialOfTheMountHoldingTheFileAgainstTheVolumeTag)
{
    test::FakeVolumeInfo volumes;
    volumes.mount("/media/stick", qint32(0xABCD1234u));
    volumes.mount("/media/disk", 77);
    const QString unmountedFile = test::freshFolder("presence") + "/a.mp3"; // its mount reads 0
    test::writeFile(unmountedFile);
    const std::vector<PresenceCase> cases{
        {"matching serial, negative as 32 bits", "-1412623820", "/media/stick/a.mp3", true},
        {"the file need not exist", "-1412623820", "/media/stick/gone/a.mp3", true},
        {"another medium at the same place", "77", "/media/stick/a.mp3", false},
        {"matching serial", "77", "/media/disk/x/a.mp3", true},
        {"a playlist volume", "Nera", "/media/stick/a.mp3", true},
        {"a playlist volume, nothing mounted", "Nera", "/nowhere/a.mp3", true},
        {"not a number", "12ab", "/media/disk/a.mp3", false},
        {"not quite Nera", "nera", "/media/disk/a.mp3", false},
        {"empty tag", "", "/media/disk/a.mp3", false},
        {"unreadable serial, file gone", "0", "/nowhere/a.mp3", false},
        {"unreadable serial, file there", "0", unmountedFile, true},
        {"unreadable serial, a readable medium there now", "0", "/media/disk/a.mp3", false},
        {"unsigned spelling is another number", "2882343476", "/media/stick/a.mp3", false},
    };
    for (const PresenceCase& c : cases) {
        VolumeTree tree;
        tree.add({"/media/x1", c.tag, "Volume"});
        EXPECT_EQ(VolumePresenceCheck(tree, volumes, c.path, 1), c.present) << c.what;
    }
}

TEST(VolumePresenceCheckTest, NodeNumberMustNameAVolumeAndTheDriveIsAskedEveryTime)
{
    test::FakeVolumeInfo volumes;
    volumes.mount("/media/disk", 77);
    VolumeTree tree;
    tree.add({"/media/disk1", "77", "Disk"});
    tree.add({"/media/list2", "Nera", "List"});
    EXPECT_TRUE(VolumePresenceCheck(tree, volumes, "/media/disk/a.mp3", 1));
    EXPECT_FALSE(VolumePresenceCheck(tree, volumes, "/media/disk/a.mp3", 0));
    EXPECT_FALSE(VolumePresenceCheck(tree, volumes, "/media/disk/a.mp3", 3));
    volumes.serialQueries = 0;
    VolumePresenceCheck(tree, volumes, "/media/disk/a.mp3", 2);
    VolumePresenceCheck(tree, volumes, "/media/disk/a.mp3", 2);
    EXPECT_EQ(volumes.serialQueries, 2) << "nothing is cached, not even for Nera";
    volumes.unmount("/media/disk");
    EXPECT_FALSE(VolumePresenceCheck(tree, volumes, "/media/disk/a.mp3", 1)) << "unplugged since the last check";
}

} // namespace
} // namespace twinsweep
