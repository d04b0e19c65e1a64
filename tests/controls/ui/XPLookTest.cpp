#include <gtest/gtest.h>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "controls/ui/XPLook.h"
#include "shell/ui/Form2.h"

namespace twinsweep {
namespace {

class XPLookTest : public ::testing::Test
{
protected:
    void TearDown() override { SetXPLook(true); }
};

TEST_F(XPLookTest, TheSwitchReachesEveryControlAndEachWindowCreatedAfterIt)
{
    Form2 earlier;
    XPCheckBox box;
    EXPECT_TRUE(earlier.Command1->isWinXPbut() && box.WinXPCheck()) << "the XP look at start";
    for (bool on : {false, false, true, false}) {
        SetXPLook(on);
        Form2 later;
        XPCheckBox laterBox;
        EXPECT_EQ(earlier.Command1->isWinXPbut(), on);
        EXPECT_EQ(box.WinXPCheck(), on);
        EXPECT_EQ(later.Command1->isWinXPbut(), on);
        EXPECT_EQ(laterBox.WinXPCheck(), on);
    }
}

} // namespace
} // namespace twinsweep
