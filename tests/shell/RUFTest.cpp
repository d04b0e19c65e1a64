#include <gtest/gtest.h>

#include <QFile>

#include "FakeServices.h"
#include "TestEnvironment.h"
#include "catalogue/Catalogue.h"
#include "platform/SettingsStore.h"
#include "shell/RUF.h"

namespace twinsweep {
namespace {

class RUFTest : public ::testing::Test
{
protected:
    SettingsStore& settings() { return fake.settings; }
    QString key(const QString& name) const { return fake.settings.value("Recent Files", name, "<missing>"); }
    QString config(const QString& name) const { return fake.settings.value("Config", name, "<missing>"); }
    QStringList storedKeys(int count) const
    {
        QStringList keys;
        for (int i = 1; i <= count; ++i)
            keys << key(QString::number(i));
        return keys;
    }
    /// Stored entries as a restart finds them.
    void storeEntries(const QStringList& paths, int maxFiles)
    {
        for (int i = 0; i < paths.size(); ++i)
            settings().setValue("Recent Files", QString::number(i + 1), paths[i]);
        settings().setValue("Config", "noRUF", QString::number(paths.size()));
        settings().setValue("Config", "MAX_FILES", QString::number(maxFiles));
        recent.LoadRecentFiles();
    }

    test::FakeServices fake;
    RUF recent{fake.settings};
};

TEST_F(RUFTest, FreshInstallationThenTheFirstSave)
{
    recent.LoadRecentFiles();
    EXPECT_EQ(config("noRUF"), "0");
    EXPECT_EQ(config("MAX_FILES"), "3");
    EXPECT_FALSE(recent.firstEntryVisible());
    EXPECT_EQ(recent.captions(), QStringList{""});

    recent.UpdateRecentFiles("/m/A.ztw");
    EXPECT_EQ(config("noRUF"), "1");
    EXPECT_EQ(storedKeys(3), QStringList({"/m/A.ztw", "", ""})) << "keys 2 and 3 exist, empty";
    EXPECT_EQ(recent.captions(), QStringList{"/m/A.ztw"});
    EXPECT_TRUE(recent.firstEntryVisible());
}

TEST_F(RUFTest, NewPathGoesOnTopAndTheOldestDrops)
{
    storeEntries({"A", "B", "C"}, 3);
    recent.UpdateRecentFiles("D");
    EXPECT_EQ(recent.captions(), QStringList({"D", "A", "B"}));
    EXPECT_EQ(storedKeys(3), QStringList({"D", "A", "B"}));
    EXPECT_EQ(key("4"), "<missing>");
}

TEST_F(RUFTest, KnownPathMovesToTheTop)
{
    storeEntries({"A", "B", "C"}, 3);
    recent.UpdateRecentFiles("B");
    EXPECT_EQ(recent.captions(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(storedKeys(3), QStringList({"B", "A", "C"}));
    recent.UpdateRecentFiles("B");
    EXPECT_EQ(recent.captions(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(config("noRUF"), "3");
}

TEST_F(RUFTest, PathsDifferingInCaseAreTwoEntries)
{
    storeEntries({"/m/list.ztw"}, 3);
    recent.UpdateRecentFiles("/m/List.ztw");
    EXPECT_EQ(recent.captions(), QStringList({"/m/List.ztw", "/m/list.ztw"}));
}

TEST_F(RUFTest, StoredLimitIsHonouredAndValidated)
{
    storeEntries({"A", "B", "C"}, 5);
    recent.UpdateRecentFiles("D");
    recent.UpdateRecentFiles("E");
    recent.UpdateRecentFiles("F");
    EXPECT_EQ(recent.captions(), QStringList({"F", "E", "D", "A", "B"}));

    // A lower limit drops the surplus entries and keys at the next update.
    settings().setValue("Config", "MAX_FILES", "2");
    storeEntries({"A", "B", "C"}, 2);
    recent.UpdateRecentFiles("A");
    EXPECT_EQ(recent.captions(), QStringList({"A", "B"}));
    EXPECT_EQ(key("3"), "<missing>");
    EXPECT_EQ(config("noRUF"), "2") << "the lowered count is stored too";

    for (const char* invalid : {"0", "21"}) {
        storeEntries({"A", "B", "C"}, QString(invalid).toInt());
        recent.UpdateRecentFiles("D");
        EXPECT_EQ(config("MAX_FILES"), "4") << invalid;
        EXPECT_EQ(recent.captions(), QStringList({"D", "A", "B", "C"})) << invalid;
    }
}

TEST_F(RUFTest, EntriesSurviveARestart)
{
    recent.LoadRecentFiles();
    recent.UpdateRecentFiles("A");
    recent.UpdateRecentFiles("B");
    RUF restarted(fake.settings);
    restarted.LoadRecentFiles();
    EXPECT_EQ(restarted.captions(), QStringList({"B", "A"}));
    EXPECT_TRUE(restarted.firstEntryVisible());
    EXPECT_EQ(restarted.MAX_FILES(), 3);
}

TEST_F(RUFTest, ChoosingAnEntryOpensItsCollection)
{
    const QString kept = test::scratchRoot() + "/recent-kept.ztw";
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ZTW:/m1,1,Kept\r\n");
    file.close();
    const QString gone = test::scratchRoot() + "/recent-gone.ztw";
    storeEntries({gone, kept}, 3);
    Catalogue catalogue;

    recent.mnuRUF_Click(1, catalogue, fake.services);
    EXPECT_EQ(catalogue.TreeView1.count(), 0) << "a file that has gone is ignored";
    EXPECT_TRUE(fake.status.history.isEmpty());
    EXPECT_EQ(recent.captions(), QStringList({gone, kept}));

    recent.mnuRUF_Click(2, catalogue, fake.services);
    EXPECT_EQ(catalogue.TreeView1.node(1).Text, "Kept");
    EXPECT_EQ(recent.captions(), QStringList({kept, gone})) << "opening moves it to the top";
}

} // namespace
} // namespace twinsweep
