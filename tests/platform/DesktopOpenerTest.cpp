#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ScratchFiles.h"
#include "StandInOpener.h"
#include "platform/DesktopOpener.h"

namespace twinsweep {
namespace {

int noProcessDescriptor(pid_t)
{
    return -1;
}

/// Sets how SIGCHLD is handled while it lives, as a launcher may hand it down.
class ChildSignal
{
public:
    explicit ChildSignal(sighandler_t handling) : m_before(signal(SIGCHLD, handling)) {}
    ~ChildSignal() { signal(SIGCHLD, m_before); }
    ChildSignal(const ChildSignal&) = delete;
    ChildSignal& operator=(const ChildSignal&) = delete;

private:
    sighandler_t m_before;
};

TEST(DesktopOpenerTest, SaysAFailureWhenTheOpenerEndsWithAnyStatusButNought)
{
    const QUrl address("https://example.com/mp3ftp.php3?srch=two+words%26more");
    struct Case
    {
        QString body;
        bool started;
        bool failed;
    };
    const QList<Case> cases{
        {"exit 3", true, true}, // no browser
        {"exit 0", true, false},
        {"kill -KILL $$", true, true},
        {QString(), false, false}, // no opener at all
    };
    for (const Case& c : cases) {
        const test::StandInOpener standIn(c.body);
        DesktopOpener opener;
        bool failed = false;
        EXPECT_EQ(opener.open(address, [&failed] { failed = true; }), c.started) << c.body.toStdString();
        if (c.started) {
            ASSERT_TRUE(standIn.waitUntilReaped()) << c.body.toStdString();
            EXPECT_EQ(standIn.argument(), address.toEncoded());
        }
        EXPECT_EQ(failed, c.failed) << c.body.toStdString();
    }
}

TEST(DesktopOpenerTest, WithoutProcessDescriptorsTheOpenerIsAskedForItsEndUntilItEnds)
{
    // It still runs when first asked, so it has to be asked again.
    const test::StandInOpener standIn("sleep 0.4; exit 3");
    DesktopOpener opener(noProcessDescriptor);
    bool failed = false;
    ASSERT_TRUE(opener.open(QUrl("https://example.com/"), [&failed] { failed = true; }));
    EXPECT_TRUE(standIn.waitUntilReaped());
    EXPECT_TRUE(failed);
}

void someonesHandler(int) {}

TEST(DesktopOpenerTest, ChildrenKeepTheirExitStatusAndSomeonesHandlerIsKept)
{
    const std::vector<std::pair<sighandler_t, sighandler_t>> handlingBeforeAndAfter{
        {SIG_IGN, SIG_DFL},
        {someonesHandler, someonesHandler},
    };
    for (const auto& [before, after] : handlingBeforeAndAfter) {
        const ChildSignal childSignal(before);
        keepExitStatusOfChildren();
        struct sigaction handling = {};
        ASSERT_EQ(sigaction(SIGCHLD, nullptr, &handling), 0);
        EXPECT_EQ(handling.sa_handler, after);
    }
}

TEST(DesktopOpenerTest, WhatItStartsRunsOnInASessionOfItsOwnWhenTheOpenerObjectEnds)
{
    const test::StandInOpener standIn("while [ ! -e go ]; do sleep 0.05; done");
    auto opener = std::make_unique<DesktopOpener>();
    ASSERT_TRUE(opener->open(QUrl("https://example.com/"), [] {}));
    const pid_t pid = standIn.waitUntilStarted();
    ASSERT_GT(pid, 0);
    opener.reset();
    EXPECT_EQ(getsid(pid), pid) << "no signal to the program's process group reaches it";
    test::writeFile(standIn.folder() + "/go");
    int status = -1;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "it ran on to its end";
}

} // namespace
} // namespace twinsweep
