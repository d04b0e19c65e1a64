#include <gtest/gtest.h>

#include "platform/Clipboard.h"

namespace twinsweep {
namespace {

TEST(ClipboardTest, FileListOfPathsWithBlanksAndAccents)
{
    const FileDropList files = makeFileDropList({"/music/my song.mp3", QString::fromUtf8("/músic/Ça va #1.mp3")});
    EXPECT_EQ(files.uriList, "file:///music/my%20song.mp3\r\nfile:///m%C3%BAsic/%C3%87a%20va%20%231.mp3\r\n");
    EXPECT_EQ(files.gnomeCopiedFiles, "copy\nfile:///music/my%20song.mp3\nfile:///m%C3%BAsic/%C3%87a%20va%20%231.mp3");
    EXPECT_EQ(files.text, QString::fromUtf8("/music/my song.mp3\n/músic/Ça va #1.mp3"));
}

} // namespace
} // namespace twinsweep
