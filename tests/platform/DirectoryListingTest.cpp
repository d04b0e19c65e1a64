#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUuid>

#include <sys/stat.h>

#include "FileTree.h"
#include "QtPrinters.h"
#include "TestEnvironment.h"
#include "platform/DirectoryListing.h"

namespace twinsweep {
namespace {

QString freshFolder()
{
    const QString folder = test::scratchRoot() + "/listing-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder);
    return folder;
}

QStringList namesOf(const DirectoryListing& listing)
{
    QStringList names;
    for (qsizetype index = 0; index < listing.size(); ++index)
        names.append(listing.name(index));
    return names;
}

TEST(DirectoryListingTest, SortsWithoutRegardToCaseThenByCode)
{
    const QString folder = freshFolder();
    test::makeTree(folder, {"beta", "alpha", "Beta2/", "Alpha", "9", "10", "_x", "Zulu"});
    const DirectoryListing listing(folder, "*");
    EXPECT_EQ(listing.status(), DirectoryListing::Status::Listed);
    EXPECT_EQ(namesOf(listing), (QStringList{"10", "9", "_x", "Alpha", "alpha", "beta", "Beta2", "Zulu"}));
}

TEST(DirectoryListingTest, ListsFoldersAndFilesWithTheirAttributes)
{
    const QString folder = freshFolder();
    test::makeTree(folder, {"song.mp3", ".hidden.MP3", "album.mp3/", ".cache/", "notes.txt"});
    QFile::link(folder + "/album.mp3", folder + "/linked.mp3");
    QFile::link(folder + "/song.mp3", folder + "/alias.mp3");
    QFile::link(folder + "/gone", folder + "/broken.mp3");
    mkfifo(QFile::encodeName(folder + "/pipe.mp3").constData(), 0600);

    const DirectoryListing listing(folder, "*.mp3");
    ASSERT_EQ(namesOf(listing),
              (QStringList{".cache", ".hidden.MP3", "album.mp3", "alias.mp3", "linked.mp3", "notes.txt", "song.mp3"}))
        << "broken links and pipes are left out";
    const struct
    {
        int attributes;
        bool subfolder;
    } expected[] = {{0, true}, {2, false}, {16, true}, {128, false}, {16, false}, {0, false}, {128, false}};
    for (qsizetype index = 0; index < listing.size(); ++index) {
        EXPECT_EQ(listing.attributes(index), expected[index].attributes) << qPrintable(listing.name(index));
        EXPECT_EQ(listing.isSubfolder(index), expected[index].subfolder) << qPrintable(listing.name(index));
        EXPECT_EQ(listing.matches(index), expected[index].attributes != 0) << qPrintable(listing.name(index));
    }
}

} // namespace
} // namespace twinsweep
