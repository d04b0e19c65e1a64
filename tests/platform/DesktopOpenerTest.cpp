#include <gtest/gtest.h>

#include <memory>
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

TEST(DesktopOpenerTest, ReapsTheOpenerAndSaysItsFailureHoweverTheSystemReportsChildren)
{
    struct Case
    {
        const char* system;
        int (*processDescriptor)(pid_t);
        sighandler_t childSignal;
    };
    const QList<Case> cases{
        {"without process file descriptors", noProcessDescriptor, SIG_DFL},
        {"started with SIGCHLD ignored", openProcessDescriptor, SIG_IGN},
    };
    for (const Case& c : cases) {
        const ChildSignal childSignal(c.childSignal);
        const test::StandInOpener standIn("exit 3");
        DesktopOpener opener(c.processDescriptor);
        bool failed = false;
        ASSERT_TRUE(opener.open(QUrl("https://example.com/"), [&failed] { failed = true; })) << c.system;
        EXPECT_TRUE(standIn.waitUntilReaped()) << c.system;
        EXPECT_TRUE(failed) << c.system;
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
