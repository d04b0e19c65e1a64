#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "platform/Twips.h"
#include "shell/ui/Startup.h"

namespace twinsweep {
namespace {

class MainWindowPanesTest : public ::testing::Test
{
protected:
    MainWindowPanesTest()
    {
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->lifecycle.showAboutBox = nullptr;
        window->resize(500, 400); // well inside the offscreen screen
        Form_Load(*window, {});
        QApplication::processEvents();
    }
    QWidget* inner() const { return window->centralWidget(); }
    QWidget* Frame1() const { return window->Frame1; }
    QWidget* Frame2() const { return window->Frame2; }
    /// A mouse move over `Frame1` at height `y`, with or without the left button held.
    void moveOverFrame1(int y, bool leftHeld)
    {
        const Qt::MouseButtons buttons = leftHeld ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent move(QEvent::MouseMove, QPointF(100, y), Frame1()->mapToGlobal(QPointF(100, y)), Qt::NoButton,
                         buttons, Qt::NoModifier);
        QApplication::sendEvent(Frame1(), &move);
    }
    void release(int y)
    {
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(100, y), Frame1()->mapToGlobal(QPointF(100, y)),
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Frame1(), &up);
    }
    /// Drags `Frame1`'s bottom edge to `y` and lets go there.
    void dragEdgeTo(int y)
    {
        const int edge = Frame1()->height() - 2;
        moveOverFrame1(edge, false);
        moveOverFrame1(y, true);
        release(y);
    }
    void resizeAndSettle(int width, int height)
    {
        window->resize(width, height);
        QApplication::processEvents();
    }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowPanesTest, ThePanesKeepTheirProportionsWhenTheWindowIsResized)
{
    ASSERT_TRUE(window->FormLoaded);
    const int startHeight = window->height();
    // The offscreen screen leaves no room to grow wider; whole percentages leave at
    // most one per cent of the inner area free.
    for (const int extra : {0, 150, 300, -100}) {
        resizeAndSettle(window->width(), startHeight + extra);
        const QSize area = inner()->size();
        const int slack = area.height() / 100 + 1;
        EXPECT_NEAR(Frame1()->height(), area.height() / 2, slack) << extra;
        EXPECT_EQ(Frame2()->y(), Frame1()->height()) << extra;
        EXPECT_NEAR(Frame2()->geometry().bottom(), area.height() - 1, slack) << extra;
        EXPECT_NEAR(Frame1()->width(), area.width(), area.width() / 100 + 1) << extra;
    }
}

TEST_F(MainWindowPanesTest, TheTreeKeepsItsShareOfTheWidthAsTheUserLeftIt)
{
    QWidget* tree = window->TreeView1;
    auto* lists = qobject_cast<QSplitter*>(tree->parentWidget());
    ASSERT_NE(lists, nullptr);
    const auto expectShare = [&](const char* base) {
        const int recordedTree = tree->width();
        const int recordedInner = inner()->width();
        ASSERT_GT(recordedTree, 150) << base << ": no width below stops at the tree's smallest size";
        for (const int width : {600, 450, 700}) {
            resizeAndSettle(width, window->height());
            const int wp = inner()->width() * 100 / recordedInner;
            EXPECT_NEAR(tree->width(), recordedTree * wp / 100, 2) << base << ' ' << width;
        }
    };
    expectShare("start-up");

    resizeAndSettle(800, window->height());
    QWidget* handle = lists->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(100, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(100, 0));
    expectShare("a drag of the split");
}

TEST_F(MainWindowPanesTest, DraggingTheEdgeMovesTheSplitWithinItsLimits)
{
    const int bottom = Frame2()->geometry().bottom();
    const int windowHeight = window->frameGeometry().height();
    struct Case
    {
        int y; // where the edge is dragged, from Frame1's top
        bool accepted;
    };
    const Case cases[] = {
        {Frame1()->height() + 60, true},
        {windowHeight * 10 / 100 - 1, false},
        {windowHeight * 70 / 100 + 1, false},
        {windowHeight * 20 / 100, true},
    };
    for (const Case& c : cases) {
        const int heightBefore = Frame1()->height();
        dragEdgeTo(c.y);
        EXPECT_EQ(Frame1()->height(), c.accepted ? c.y : heightBefore) << c.y;
        EXPECT_EQ(Frame2()->y(), Frame1()->height()) << c.y;
        EXPECT_EQ(Frame2()->geometry().bottom(), bottom) << c.y;
    }
    EXPECT_EQ(Frame1()->cursor().shape(), Qt::ArrowCursor) << "the pointer is back after the release";
}

TEST_F(MainWindowPanesTest, AResizeAfterADragScalesFromTheNewSplit)
{
    dragEdgeTo(Frame1()->height() - 100);
    const int dragged = Frame1()->height();
    const int innerBefore = inner()->height();
    resizeAndSettle(1000, 700 + innerBefore);
    const int hp = inner()->height() * 100 / innerBefore;
    EXPECT_EQ(Frame1()->height(), twipsToPixels(int(pixelsToTwips(dragged)) * hp / 100));
}

} // namespace
} // namespace twinsweep
