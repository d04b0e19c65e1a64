#include <gtest/gtest.h>

#include "FakeServices.h"
#include "search/FindState.h"

namespace twinsweep {
namespace {

class FindStateTest : public ::testing::Test
{
protected:
    test::FakeServices fake;
    FindState state{fake.status, fake.busy};
};

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

} // namespace
} // namespace twinsweep
