#include <gtest/gtest.h>

#include <QDialog>
#include <functional>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "platform/Twips.h"

namespace twinsweep {
namespace {

/// A dialog with a check box, a text box after it and a default button.
struct CheckDialog
{
    explicit CheckDialog(bool xpLook)
    {
        auto* column = new QVBoxLayout(&dialog);
        column->addWidget(box);
        column->addWidget(text);
        column->addWidget(ok);
        ok->setDefault(true);
        box->setWinXPCheck(xpLook);
        QObject::connect(box, &XPCheckBox::Click, [this] { values << box->Value(); });
        QObject::connect(ok, &WinXPbut::Click, [this] { ++okClicks; });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    QDialog dialog;
    XPCheckBox* box = new XPCheckBox("Case");
    QLineEdit* text = new QLineEdit;
    WinXPbut* ok = new WinXPbut("OK");
    QList<int> values; // Value at each Click
    int okClicks = 0;
};

TEST(XPCheckBox, EachChangeOfValueRaisesOneClick)
{
    const struct
    {
        std::function<void(XPCheckBox&)> step;
        const char* what;
        QList<int> values;
    } steps[]{
        {[](XPCheckBox& box) { box.setValue(1); }, "0 -> 1", {1}},
        {[](XPCheckBox& box) { box.setValue(1); }, "1 again", {1}},
        {[](XPCheckBox& box) { box.setValue(2); }, "1 -> 2", {1, 2}},
        {[](XPCheckBox& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(60, 10)); }, "2 clicked", {1, 2, 1}},
        {[](XPCheckBox& box) { box.click(); }, "clicked by code", {1, 2, 1, 0}},
    };
    for (bool xpLook : {true, false}) {
        CheckDialog window(xpLook);
        for (const auto& entry : steps) {
            entry.step(*window.box);
            EXPECT_EQ(window.values, entry.values) << entry.what << (xpLook ? " (XP)" : " (plain)");
        }
        EXPECT_FALSE(window.box->isChecked());
    }
}

TEST(XPCheckBox, APressTogglesAtItsReleaseWhereverThePointerIs)
{
    for (bool xpLook : {true, false}) {
        CheckDialog window(xpLook);
        XPCheckBox* box = window.box;
        const QPoint outside(box->width() + 30, box->height() + 30);
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QMouseEvent drag(QEvent::MouseMove, outside, box->mapToGlobal(outside), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(box, &drag);
        EXPECT_TRUE(window.values.isEmpty());
        QTest::mouseRelease(box, Qt::LeftButton, {}, outside);
        EXPECT_EQ(window.values, QList<int>{1}) << xpLook;
        EXPECT_TRUE(box->isChecked());
    }
}

TEST(XPCheckBox, SpaceTogglesOnceAndEnterMovesTheFocus)
{
    for (bool xpLook : {true, false}) {
        CheckDialog window(xpLook);
        QList<int> keyPresses;
        QObject::connect(window.box, &XPCheckBox::KeyPress, [&](int KeyAscii) { keyPresses << KeyAscii; });
        window.box->setFocus();
        QTest::keyClick(window.box, Qt::Key_Space);
        EXPECT_EQ(window.values, QList<int>{1}) << xpLook;
        QTest::keyClick(window.box, Qt::Key_A);
        EXPECT_EQ(keyPresses, QList<int>{32}) << "only Space raises KeyPress";

        QTest::keyClick(window.box, Qt::Key_Return);
        EXPECT_TRUE(window.text->hasFocus()) << xpLook;
        EXPECT_EQ(window.values, QList<int>{1});
        EXPECT_EQ(window.okClicks, 0) << "Enter on a check box does not press the default button";
    }
}

TEST(XPCheckBox, TheStoredPropertiesComeBackAndTheLookKeepsTheValue)
{
    XPCheckBox stored("Recomment");
    stored.setValue(1);
    stored.setEnabled(false);
    stored.setForeColor(0x0000FFu);
    QVariantHash bag;
    stored.WriteProperties(bag);
    EXPECT_FALSE(bag.contains("WinXPCheck"));

    XPCheckBox loaded;
    EXPECT_EQ(loaded.Caption(), "XP CheckBox");
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Caption(), "Recomment");
    EXPECT_EQ(loaded.Value(), 1);
    EXPECT_FALSE(loaded.isEnabled());
    EXPECT_EQ(loaded.ForeColor(), 0x0000FFu);
    loaded.setWinXPCheck(false);
    loaded.setWinXPCheck(true);
    EXPECT_EQ(loaded.Value(), 1);
    EXPECT_TRUE(loaded.isChecked());
}

TEST(XPCheckBox, EventsComeInOrderAndUncheckingEndsTheHoverWithAMoveOutside)
{
    CheckDialog window(true);
    XPCheckBox* box = window.box;
    QStringList events;
    const auto logMouse = [&](const char* name) {
        return [&events, name](int Button, int Shift, double x, double y) {
            events << QString("%1 %2 %3 %4 %5").arg(name).arg(Button).arg(Shift).arg(x).arg(y);
        };
    };
    QObject::connect(box, &XPCheckBox::Click, [&] { events << QString("Click %1").arg(box->Value()); });
    QObject::connect(box, &XPCheckBox::MouseDown, logMouse("MouseDown"));
    QObject::connect(box, &XPCheckBox::MouseMove, logMouse("MouseMove"));
    QObject::connect(box, &XPCheckBox::MouseUp, logMouse("MouseUp"));
    const QPoint point(6, 4);
    const double twips = twipsPerPixel(box->logicalDpiX());
    const QString press = QString("MouseDown 1 0 %1 %2").arg(6 * twips).arg(4 * twips);
    const QString release = QString("MouseUp 1 0 %1 %2").arg(6 * twips).arg(4 * twips);
    const QString outside = "MouseMove 0 0 -1 -1";
    const struct
    {
        const char* what;
        std::function<void()> step;
        QStringList events;
    } steps[]{
        {"checked by code", [&] { box->setValue(1); }, {"Click 1"}},
        {"unchecked by code", [&] { box->setValue(0); }, {"Click 0", outside}},
        {"unchecked again", [&] { box->setValue(0); }, {outside}},
        {"a value other than 1", [&] { box->setValue(2); }, {"Click 2", outside}},
        {"checked by the mouse",
         [&] { QTest::mouseClick(box, Qt::LeftButton, {}, point); },
         {press, release, "Click 1"}},
        {"unchecked by the mouse",
         [&] { QTest::mouseClick(box, Qt::LeftButton, {}, point); },
         {press, release, "Click 0", outside}},
    };
    for (const auto& entry : steps) {
        events.clear();
        entry.step();
        EXPECT_EQ(events, entry.events) << entry.what;
    }
}

} // namespace
} // namespace twinsweep
