#include <gtest/gtest.h>

#include <QDir>

#include "FakeServices.h"
#include "ScratchFiles.h"
#include "shell/CommandLine.h"

namespace twinsweep {
namespace {

using Kind = StartupOpening::Kind;

class CommandLineTest : public ::testing::Test
{
protected:
    CommandLineTest() : folder(test::freshFolder("command line")), recent(folder + "/recent.ztw")
    {
        QDir().mkpath(folder + "/My Music");
        for (const char* name : {"/coll.ztw", "/CAPS.ZTW", "/plainztw", "/list.M3U", "/list.pls", "/song.mp3",
                                 "/.hidden.ztw", "/recent.ztw"})
            test::writeFile(folder + name);
    }
    StartupOpening open(const QString& commandLine, const QString& recentCollection = {})
    {
        return startupOpening(commandLine, fake.settings, recentCollection.isNull() ? recent : recentCollection);
    }

    test::FakeServices fake;
    QString folder;
    QString recent;
};

TEST_F(CommandLineTest, TheArgumentLosesItsQuotesWhenItBeginsWithOne)
{
    EXPECT_EQ(commandLineArgument("\"/a b/c\""), "/a b/c");
    EXPECT_EQ(commandLineArgument("\"/a b/cd"), "/a b/c") << "the last character goes, quote or not";
    EXPECT_EQ(commandLineArgument("/a b/c\""), "/a b/c\"");
    EXPECT_EQ(commandLineArgument("\""), "");
    EXPECT_EQ(commandLineArgument(""), "");
}

TEST_F(CommandLineTest, WhatTheArgumentOpens)
{
    const struct
    {
        QString commandLine;
        Kind kind;
        QString path;
    } cases[] = {
        {"\"" + folder + "/My Music\"", Kind::AddVolume, folder + "/My Music"},
        {folder + "/My Music", Kind::AddVolume, folder + "/My Music"},
        {folder + "/coll.ztw", Kind::Loadlist, folder + "/coll.ztw"},
        {"\"" + folder + "/coll.ztw\"", Kind::Loadlist, folder + "/coll.ztw"},
        {folder + "/CAPS.ZTW", Kind::Loadlist, folder + "/CAPS.ZTW"},
        {folder + "/plainztw", Kind::Loadlist, folder + "/plainztw"},
        {folder + "/My Music/../coll.ztw", Kind::Loadlist, folder + "/coll.ztw"},
        {folder + "/list.M3U", Kind::ImportM3U, folder + "/list.M3U"},
        {folder + "/list.pls", Kind::ImportPLS, folder + "/list.pls"},
        // Anything else falls through to the most recent collection.
        {folder + "/song.mp3", Kind::Loadlist, folder + "/recent.ztw"},
        {folder + "/.hidden.ztw", Kind::Loadlist, folder + "/recent.ztw"},
        {folder + "/missing.ztw", Kind::Loadlist, folder + "/recent.ztw"},
        {"\"" + folder + "/coll.ztw", Kind::Loadlist, folder + "/recent.ztw"},
        {"", Kind::Loadlist, folder + "/recent.ztw"},
    };
    for (const auto& c : cases) {
        const StartupOpening opening = open(c.commandLine);
        EXPECT_EQ(opening.kind, c.kind) << c.commandLine.toStdString();
        EXPECT_EQ(opening.path, c.path) << c.commandLine.toStdString();
    }
}

TEST_F(CommandLineTest, TheRecentCollectionOpensOnlyWhenItExistsAndAOpenIs1)
{
    EXPECT_EQ(open("", folder + "/gone.ztw").kind, Kind::Nothing) << "a missing recent file does nothing";
    EXPECT_EQ(open("", "").kind, Kind::Nothing) << "no recent file";
    fake.settings.setValue("Options", "AOpen", "0");
    EXPECT_EQ(open("").kind, Kind::Nothing);
    EXPECT_EQ(open(folder + "/coll.ztw").kind, Kind::Loadlist) << "the argument does not depend on AOpen";
}

} // namespace
} // namespace twinsweep
