#include <gtest/gtest.h>

#include <QUuid>

#include "TestEnvironment.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"

namespace twinsweep {
namespace {

QString freshFile()
{
    return test::scratchRoot() + "/settings-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".ini";
}

TEST(SettingsStoreTest, SectionsAndKeysMatchWithoutCaseAcrossRuns)
{
    const QString path = freshFile();
    {
        SettingsStore store(path);
        store.setValue("list2", "File Size", "1200");
        store.setValue("Options", "Backup", "0");
        store.setValue("OPTIONS", "id3", "1");
        store.sync();
    }
    SettingsStore reopened(path);
    EXPECT_EQ(reopened.value("List2", "file size"), "1200");
    EXPECT_EQ(reopened.value(Settings::Backup), "0");
    EXPECT_EQ(reopened.value("options", "ID3"), "1");
    EXPECT_TRUE(reopened.contains("LIST2", "FILE SIZE"));
}

TEST(SettingsStoreTest, MissingAndDeletedKeysReadTheirFallback)
{
    SettingsStore store(freshFile());
    EXPECT_EQ(store.value(Settings::Crossfade), "5");
    store.setValue("Recent Files", "1", "/a.ztw");
    store.setValue("recent files", "1", "/b.ztw");
    EXPECT_EQ(store.value("Recent Files", "1"), "/b.ztw") << "one key whatever its case";
    store.remove("RECENT FILES", "1");
    EXPECT_FALSE(store.contains("Recent Files", "1"));
    EXPECT_EQ(store.value("Recent Files", "1", "none"), "none");
}

} // namespace
} // namespace twinsweep
