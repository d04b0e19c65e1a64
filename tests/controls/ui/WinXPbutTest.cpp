#include <gtest/gtest.h>

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

#include <functional>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPLook.h"

namespace twinsweep {
namespace {

/// A dialog with a text box, a default "OK" and a "Cancel", in the look asked for.
struct ButtonDialog
{
    explicit ButtonDialog(bool xpLook)
    {
        auto* row = new QHBoxLayout(&dialog);
        row->addWidget(text);
        row->addWidget(ok);
        row->addWidget(cancel);
        ok->setDefault(true);
        for (WinXPbut* button : {ok, cancel}) {
            button->setWinXPbut(xpLook);
            QObject::connect(button, &WinXPbut::Click, [this, button] { clicks << button->Caption(); });
        }
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    QDialog dialog;
    QLineEdit* text = new QLineEdit;
    WinXPbut* ok = new WinXPbut("OK");
    WinXPbut* cancel = new WinXPbut("Cancel");
    QStringList clicks;
};

void moveMouse(QWidget* widget, QPoint position, Qt::MouseButtons held)
{
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST(WinXPbut, ThePointerClicksOnlyWhenPressAndReleaseAreOnTheButton)
{
    for (bool xpLook : {true, false}) {
        ButtonDialog window(xpLook);
        WinXPbut* ok = window.ok;
        const QPoint caption = ok->rect().center();
        const QPoint outside(ok->width() + 20, caption.y());

        QTest::mouseClick(ok, Qt::LeftButton, {}, caption);
        QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(2, 2)); // the face beside the caption
        EXPECT_EQ(window.clicks, QStringList({"OK", "OK"})) << xpLook;

        QTest::mousePress(ok, Qt::LeftButton, {}, caption);
        EXPECT_EQ(ok->face(), ButtonFace::Pressed);
        moveMouse(ok, outside, Qt::LeftButton);
        EXPECT_EQ(ok->face(), ButtonFace::Pressed) << "the press holds its face outside";
        QTest::mouseRelease(ok, Qt::LeftButton, {}, outside);
        EXPECT_EQ(ok->face(), ButtonFace::Normal);
        EXPECT_EQ(window.clicks.size(), 2) << "released outside: no Click";
    }
}

TEST(WinXPbut, ADoubleClickIsOneClickAndADblClickInTheXPLookAndTwoClicksInThePlainLook)
{
    for (bool xpLook : {true, false}) {
        ButtonDialog window(xpLook);
        int doubleClicks = 0;
        QObject::connect(window.ok, &WinXPbut::DblClick, [&] { ++doubleClicks; });
        const QPoint centre = window.ok->rect().center();
        // What the window system delivers: the second press comes as a double click.
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, centre, window.ok->mapToGlobal(centre), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(window.ok, &event);
        }
        EXPECT_EQ(window.clicks.size(), xpLook ? 1 : 2) << xpLook;
        EXPECT_EQ(doubleClicks, xpLook ? 1 : 0) << xpLook;
    }
}

TEST(WinXPbut, EnterPressesTheDefaultButtonAndSpaceTheFocusedOneInBothLooks)
{
    for (bool xpLook : {true, false}) {
        ButtonDialog window(xpLook);
        window.text->setFocus();
        QTest::keyClick(window.text, Qt::Key_Return);
        EXPECT_EQ(window.clicks, QStringList{"OK"}) << xpLook;

        QList<int> keysDown;
        QObject::connect(window.cancel, &WinXPbut::KeyDown, [&](int KeyCode, int) { keysDown << KeyCode; });
        window.cancel->setFocus();
        QTest::keyClick(window.cancel, Qt::Key_Space);
        EXPECT_EQ(window.clicks, QStringList({"OK", "Cancel"})) << xpLook;
        EXPECT_EQ(keysDown, QList<int>{32});
    }
}

TEST(WinXPbut, ADisabledButtonShowsItsFaceAndClicksAgainOnceEnabled)
{
    ButtonDialog window(true);
    WinXPbut* ok = window.ok;
    ok->setEnabled(false);
    EXPECT_EQ(ok->face(), ButtonFace::Disabled);
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    EXPECT_TRUE(window.clicks.isEmpty());
    ok->setEnabled(true);
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    EXPECT_EQ(window.clicks, QStringList{"OK"});
}

TEST(WinXPbut, EveryWayOfLeavingEndsTheHoverFace)
{
    const struct
    {
        const char* way;
        std::function<void(ButtonDialog&)> leave;
    } cases[]{
        {"pointer leaves",
         [](ButtonDialog& window) {
             QEvent leave(QEvent::Leave);
             QApplication::sendEvent(window.ok, &leave);
         }},
        {"window deactivated", [](ButtonDialog&) { QApplication::setActiveWindow(nullptr); }},
        {"hidden and shown again",
         [](ButtonDialog& window) {
             window.ok->hide();
             window.ok->show();
         }},
        {"disabled and enabled again",
         [](ButtonDialog& window) {
             window.ok->setEnabled(false);
             window.ok->setEnabled(true);
         }},
    };
    for (const auto& c : cases) {
        ButtonDialog window(true);
        moveMouse(window.ok, window.ok->rect().center(), Qt::NoButton);
        ASSERT_EQ(window.ok->face(), ButtonFace::Hover) << c.way;
        c.leave(window);
        EXPECT_EQ(window.ok->face(), ButtonFace::Normal) << c.way;
    }
}

TEST(WinXPbut, TheStoredPropertiesComeBackThroughTheSetters)
{
    WinXPbut stored("Print");
    stored.setEnabled(false);
    stored.setDefault(true);
    stored.setWinXPbut(false);
    QVariantHash bag;
    stored.WriteProperties(bag);

    WinXPbut loaded;
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Caption(), "Print");
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_TRUE(loaded.Default());
    EXPECT_FALSE(loaded.isWinXPbut());
}

} // namespace
} // namespace twinsweep
