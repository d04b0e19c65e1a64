#include <gtest/gtest.h>

#include "FakeServices.h"
#include "catalogue/FileRecord.h"
#include "platform/SettingKeys.h"
#include "shell/ListColumns.h"
#include "shell/StartupSettings.h"

namespace twinsweep {
namespace {

class StartupSettingsTest : public ::testing::Test
{
protected:
    void store(const char* section, const char* key, const QString& value)
    {
        fake.settings.setValue(section, key, value);
    }
    QString stored(const char* section, const char* key) const
    {
        return fake.settings.value(section, key, "<missing>");
    }
    test::FakeServices fake;
};

TEST_F(StartupSettingsTest, PlayerVolumeIsAWholeNumberFrom0To100)
{
    EXPECT_EQ(storedPlayerVolume(fake.settings), 70) << "first run";
    const struct
    {
        QString text;
        int volume;
    } cases[] = {{"150", 100}, {"100", 100}, {"55", 55}, {"0", 0}, {"-10", 0}, {"abc", 0}, {"", 0}, {" 42 ", 42}};
    for (const auto& c : cases) {
        store("Options", "Volume", c.text);
        EXPECT_EQ(storedPlayerVolume(fake.settings), c.volume) << c.text.toStdString();
    }
}

TEST_F(StartupSettingsTest, FirstRunRestoresAMaximizedWindowOfNoStoredSize)
{
    const StoredWindow window = storedWindow(fake.settings);
    EXPECT_TRUE(window.restore);
    EXPECT_EQ(window.state, StoredWindowState::Maximized);
    EXPECT_FALSE(window.width);
    EXPECT_FALSE(window.height);
    EXPECT_TRUE(autoOpenRecent(fake.settings));
}

TEST_F(StartupSettingsTest, AnUnreadableOptionPassesItsTestAndAnUnreadableStateIsLeftAlone)
{
    const struct
    {
        QString text;
        bool passes;
    } options[] = {{"1", true}, {"0", false}, {"2", false}, {"x", true}, {"", true}};
    for (const auto& c : options) {
        store("Options", "RestWind", c.text);
        store("Options", "AOpen", c.text);
        EXPECT_EQ(storedWindow(fake.settings).restore, c.passes) << c.text.toStdString();
        EXPECT_EQ(autoOpenRecent(fake.settings), c.passes) << c.text.toStdString();
    }
    const struct
    {
        QString text;
        std::optional<StoredWindowState> state;
    } states[] = {{"0", StoredWindowState::Normal},
                  {"1", StoredWindowState::Minimized},
                  {"2", StoredWindowState::Maximized},
                  {"5", std::nullopt},
                  {"-1", std::nullopt},
                  {"max", std::nullopt}};
    for (const auto& c : states) {
        store("Options", "WindowState", c.text);
        EXPECT_EQ(storedWindow(fake.settings).state, c.state) << c.text.toStdString();
    }
    store("Options", "Width", "9000");
    store("Options", "Height", "tall");
    EXPECT_EQ(storedWindow(fake.settings).width, 9000.0);
    EXPECT_FALSE(storedWindow(fake.settings).height);
}

TEST_F(StartupSettingsTest, ShutdownKeepsTheSizeOnlyOfANormalWindow)
{
    storeWindow(fake.settings, StoredWindowState::Normal, 9000, 6750.5);
    EXPECT_EQ(stored("options", "width"), "9000");
    EXPECT_EQ(stored("Options", "Height"), "6750.5");
    EXPECT_EQ(stored("Options", "WindowState"), "0");
    for (const StoredWindowState state : {StoredWindowState::Maximized, StoredWindowState::Minimized}) {
        storeWindow(fake.settings, state, 20000, 15000);
        EXPECT_EQ(stored("Options", "Width"), "9000");
        EXPECT_EQ(stored("Options", "Height"), "6750.5");
        EXPECT_EQ(stored("Options", "WindowState"), QString::number(int(state)));
    }
}

TEST_F(StartupSettingsTest, StatusCaption)
{
    EXPECT_EQ(startupCaption("1.0.7", "(c) us"), "T w i n s w e e p  (v. 1.0.7)   |   (c) us");
}

TEST(ListColumnsTest, CaptionsAreThoseOfTheLists)
{
    // Widths are found by caption: a caption that drifted from the list's would lose its width.
    const auto captions = [](const ListColumnSet& set) {
        QStringList result;
        for (const ListColumn& column : set.columns)
            result << column.caption;
        return result;
    };
    EXPECT_EQ(captions(ListColumns::ListFiles2), FileColumns());
    EXPECT_EQ(captions(ListColumns::Duplicates), ResultColumns());
    EXPECT_EQ(captions(ListColumns::query), QStringList({"Filename", "Path", "Duration", "Collection"}));
}

TEST_F(StartupSettingsTest, ColumnWidthsFirstRunAndStored)
{
    std::vector<double> widths = storedColumnWidths(fake.settings, ListColumns::ListFiles2);
    ASSERT_EQ(widths.size(), 14u);
    EXPECT_EQ(widths[0], 2820);
    EXPECT_EQ(widths[2], 1710);
    EXPECT_EQ(widths[13], 0) << "NodeNR is hidden";
    EXPECT_EQ(storedColumnWidths(fake.settings, ListColumns::Duplicates)[13], 2716);
    EXPECT_EQ(storedColumnWidths(fake.settings, ListColumns::query), std::vector<double>({4000, 2000, 1185, 4000}));

    store("list1", "file size", "3000");
    store("List1", "Path", "wide");
    store("List1", "Title", "-5");
    store("List1", "Artist", "0");
    store("List1", "NodeNR", "900");
    widths = storedColumnWidths(fake.settings, ListColumns::ListFiles2);
    EXPECT_EQ(widths[2], 3000) << "keyed \"File Size\", matched without regard to case";
    EXPECT_EQ(widths[1], 1860) << "not a number: the default";
    EXPECT_EQ(widths[6], 960) << "negative: the default";
    EXPECT_EQ(widths[7], 0) << "a column dragged to nothing stays hidden";
    EXPECT_EQ(widths[13], 0) << "NodeNR's width is fixed";
}

TEST_F(StartupSettingsTest, ShutdownWritesTheWidthsOfColumnsWithAKey)
{
    std::vector<double> widths(14);
    for (size_t place = 0; place < widths.size(); ++place)
        widths[place] = 1000 + double(place);
    storeColumnWidths(fake.settings, ListColumns::ListFiles2, widths);
    storeColumnWidths(fake.settings, ListColumns::Duplicates, widths);
    EXPECT_EQ(stored("List1", "Filename"), "1000");
    EXPECT_EQ(stored("List1", "File Size"), "1002");
    EXPECT_EQ(stored("List1", "MPEG version"), "1012");
    EXPECT_EQ(stored("List1", "NodeNR"), "<missing>");
    EXPECT_EQ(stored("List2", "Collection"), "1013");
    EXPECT_EQ(stored("List3", "Filename"), "<missing>");
}

} // namespace
} // namespace twinsweep
