#include <gtest/gtest.h>

#include "FakeServices.h"
#include "QtPrinters.h"
#include "search/FindState.h"

namespace twinsweep {
namespace {

class FindStateTest : public ::testing::Test
{
protected:
    test::FakeServices fake;
    FindState state{fake.status, fake.busy};
};

TEST_F(FindStateTest, FindWithoutAScopeTellsAndGivesTheWindowBack)
{
    bool searched = false;
    fake.status.progressVisible = true;
    state.Command1_Click(
        false, [&] { searched = true; }, fake.prompt);
    EXPECT_FALSE(searched);
    ASSERT_EQ(fake.prompt.texts(), QStringList{"There is no volume selected!"});
    EXPECT_EQ(fake.prompt.shown.front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake.prompt.shown.front().buttons, MessageButtons::Ok);
    EXPECT_TRUE(state.controlsEnabled());
    EXPECT_TRUE(state.stopFlag().requested());
    EXPECT_FALSE(fake.status.progressVisible);
}

TEST_F(FindStateTest, FindRunsOneSearchAtATime)
{
    state.stopFlag().request();
    int searches = 0;
    const std::function<void()> search = [&] {
        ++searches;
        EXPECT_FALSE(state.stopFlag().requested());
        EXPECT_FALSE(state.controlsEnabled());
        EXPECT_TRUE(state.searchRunning());
        // Cancel gives the controls back at once; a Find pressed before the search has
        // seen the request must neither start a second search nor clear the request.
        state.cancelas();
        state.Command1_Click(true, search, fake.prompt);
        EXPECT_TRUE(state.stopFlag().requested());
    };
    state.Command1_Click(true, search, fake.prompt);
    EXPECT_EQ(searches, 1);
    EXPECT_FALSE(state.searchRunning());
    EXPECT_TRUE(fake.prompt.shown.empty());
}

TEST_F(FindStateTest, CloseHidesAndCancelRequestsAStop)
{
    struct Case
    {
        const char* caption;
        bool hides;
        bool stops;
    };
    for (const Case& c : {Case{"Close", true, false}, Case{"Cancel", false, true}, Case{"close", false, false}}) {
        state.stopFlag().clear();
        state.setControlsEnabled(false);
        EXPECT_EQ(state.Command2_Click(c.caption), c.hides) << c.caption;
        EXPECT_EQ(state.stopFlag().requested(), c.stops) << c.caption;
        EXPECT_EQ(state.controlsEnabled(), c.stops) << c.caption;
    }
    EXPECT_EQ(FindState::command2Caption(true), "Cancel");
    EXPECT_EQ(FindState::command2Caption(false), "Close");
}

TEST_F(FindStateTest, LoadLeavesNoStopRequestAndUnloadSetsOne)
{
    state.setControlsEnabled(false);
    fake.status.progressVisible = true;
    state.Form_Load();
    EXPECT_FALSE(state.stopFlag().requested());
    EXPECT_TRUE(state.controlsEnabled());
    EXPECT_FALSE(fake.status.progressVisible);
    state.Form_Unload();
    EXPECT_TRUE(state.stopFlag().requested());
}

} // namespace
} // namespace twinsweep
