#include <gtest/gtest.h>

#include "controls/ControlProperties.h"

namespace twinsweep {
namespace {

TEST(WinXPbutProperties, OnlyCaptionAndValuesOtherThanTheirDefaultsAreStored)
{
    const struct
    {
        WinXPbutProperties button;
        QStringList storedKeys;
    } cases[]{
        {{"OK", true, false, true}, {"Caption"}},
        {{"", true, false, true}, {"Caption"}},
        {{"Find", false, true, false}, {"Caption", "Enabled", "Default", "WinXPbut"}},
        {{"Close", true, true, true}, {"Caption", "Default"}},
    };
    for (const auto& entry : cases) {
        QVariantHash bag{{"Default", true}, {"Enabled", false}}; // left from an earlier save
        entry.button.write(bag);
        QStringList keys = bag.keys();
        keys.sort();
        QStringList expected = entry.storedKeys;
        expected.sort();
        EXPECT_EQ(keys, expected) << entry.button.Caption.toStdString();

        const WinXPbutProperties loaded = WinXPbutProperties::read(bag);
        EXPECT_EQ(loaded.Caption, entry.button.Caption);
        EXPECT_EQ(loaded.Enabled, entry.button.Enabled);
        EXPECT_EQ(loaded.Default, entry.button.Default);
        EXPECT_EQ(loaded.WinXPbut, entry.button.WinXPbut);
    }
}

TEST(WinXPbutProperties, MissingKeysReadAsTheirDefaults)
{
    const WinXPbutProperties loaded = WinXPbutProperties::read({});
    EXPECT_EQ(loaded.Caption, "");
    EXPECT_TRUE(loaded.Enabled);
    EXPECT_FALSE(loaded.Default);
    EXPECT_TRUE(loaded.WinXPbut);
}

TEST(XPCheckBoxProperties, ValuesEqualToTheirDefaultsAreNotStoredAndReadBack)
{
    const QString containerFont = "Sans Serif,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";
    XPCheckBoxProperties fresh;
    fresh.Font = containerFont;
    QVariantHash bag;
    fresh.write(bag, containerFont);
    EXPECT_TRUE(bag.isEmpty());
    const XPCheckBoxProperties loaded = XPCheckBoxProperties::read(bag, containerFont);
    EXPECT_EQ(loaded.Caption, "XP CheckBox");
    EXPECT_EQ(loaded.Font, containerFont);
    EXPECT_EQ(loaded.ForeColor, SystemButtonText);
    EXPECT_EQ(loaded.BackColor, SystemButtonFace);
    EXPECT_TRUE(loaded.Enabled && loaded.WinXPCheck);
    EXPECT_EQ(loaded.Value, 0);

    const XPCheckBoxProperties changed{0x0000FFu, false, "Serif,12", 1, "Case", 0xFFFFFFu, false};
    changed.write(bag, containerFont);
    EXPECT_EQ(bag.size(), 7);
    const XPCheckBoxProperties again = XPCheckBoxProperties::read(bag, containerFont);
    EXPECT_EQ(again.ForeColor, changed.ForeColor);
    EXPECT_EQ(again.Enabled, changed.Enabled);
    EXPECT_EQ(again.Font, changed.Font);
    EXPECT_EQ(again.Value, changed.Value);
    EXPECT_EQ(again.Caption, changed.Caption);
    EXPECT_EQ(again.BackColor, changed.BackColor);
    EXPECT_EQ(again.WinXPCheck, changed.WinXPCheck);
}

} // namespace
} // namespace twinsweep
