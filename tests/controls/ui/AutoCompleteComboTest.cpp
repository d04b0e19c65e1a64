#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "controls/ui/AutoCompleteCombo.h"
#include "controls/ui/ControlConventions.h"
#include "platform/Twips.h"

namespace twinsweep {
namespace {

TEST(AutoCompleteComboTest, TypingCompletesFromTheItems)
{
    AutoCompleteCombo combo;
    combo.AddItem("Alpha");
    combo.AddItem("Alpine");
    QSignalSpy changes(&combo, &AutoCompleteCombo::Change);
    struct Step
    {
        QString keys;
        QString text, selected;
    };
    const Step steps[] = {
        {"al", "alpha", "pha"}, {"p", "alpha", "ha"}, {"i", "alpine", "ne"}, {"\b", "alpi", ""}, {"3", "alpi3", ""},
    };
    for (const Step& step : steps) {
        QTest::keyClicks(combo.Combo1, step.keys);
        EXPECT_EQ(combo.Text(), step.text) << step.keys.toStdString();
        EXPECT_EQ(combo.SelText(), step.selected) << step.keys.toStdString();
    }
    EXPECT_GT(changes.size(), 0);
    EXPECT_EQ(combo.ListCount(), 2) << "typing adds no item";
}

TEST(AutoCompleteComboTest, AKeyPressedElsewhereDoesNotComplete)
{
    AutoCompleteCombo combo;
    combo.AddItem("Alpha");
    QTest::keyRelease(combo.Combo1, Qt::Key_F3);
    EXPECT_EQ(combo.Text(), "") << "the shortcut that opened the window";
    QTest::keyPress(combo.Combo1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyRelease(combo.Combo1, Qt::Key_A);
    EXPECT_EQ(combo.Text(), "") << "Ctrl let go before A";
    QTest::keyClick(combo.Combo1, Qt::Key_F3);
    EXPECT_EQ(combo.Text(), "Alpha");
}

TEST(AutoCompleteComboTest, ItemChangesKeepTheText)
{
    AutoCompleteCombo combo;
    combo.setText("typed");
    combo.AddItems({"abc", "Def"});
    EXPECT_EQ(combo.list(0), "ABC");
    EXPECT_EQ(combo.list(1), "DEF");
    EXPECT_EQ(combo.list(2), "");
    EXPECT_EQ(combo.Text(), "typed");
    combo.RemoveItem(0);
    combo.RemoveItem(0);
    EXPECT_EQ(combo.ListCount(), 0);
    combo.AddItem("again");
    EXPECT_EQ(combo.list(0), "again");
    EXPECT_EQ(combo.SelectedItem(), -1);
    combo.setText("AGAIN");
    EXPECT_EQ(combo.SelectedItem(), 0);
    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.Text(), "AGAIN");
}

TEST(AutoCompleteComboTest, TheStoredPropertiesComeBackAndOnlyThoseOtherThanTheirDefaultsAreStored)
{
    const struct
    {
        const char* what;
        std::function<void(AutoCompleteCombo&)> set;
        QStringList storedKeys;
    } cases[]{
        {"defaults", [](AutoCompleteCombo&) {}, {}},
        {"the name box",
         [](AutoCompleteCombo& box) {
             box.setText("Beatles");
             box.setFontName("Ms Sans Serif");
             box.setFontBold(true);
         },
         {"FontBold", "FontName", "Text"}},
        {"everything",
         [](AutoCompleteCombo& box) {
             box.setBackColor(0xC0FFFFu);
             box.setEnabled(false);
             box.setFontBold(true);
             box.setFontItalic(true);
             box.setFontName("Serif");
             box.setFontSize(14.5f);
             box.setFontStrikethru(true);
             box.setFontUnderline(true);
             box.setForeColor(0x000080u);
             box.setText("abba");
         },
         {"BackColor", "Enabled", "FontBold", "FontItalic", "FontName", "FontSize", "FontStrikethru", "FontUnderline",
          "ForeColor", "Text"}},
    };
    for (const auto& entry : cases) {
        AutoCompleteCombo stored;
        stored.ReadProperties({});
        entry.set(stored);
        QVariantHash bag{{"FontItalic", true}, {"Text", "left from an earlier save"}};
        stored.WriteProperties(bag);
        QStringList keys = bag.keys();
        keys.sort();
        EXPECT_EQ(keys, entry.storedKeys) << entry.what;

        AutoCompleteCombo loaded;
        loaded.ReadProperties(bag);
        EXPECT_EQ(loaded.BackColor(), stored.BackColor()) << entry.what;
        EXPECT_EQ(loaded.isEnabled(), stored.isEnabled()) << entry.what;
        EXPECT_EQ(loaded.FontBold(), stored.FontBold()) << entry.what;
        EXPECT_EQ(loaded.FontItalic(), stored.FontItalic()) << entry.what;
        EXPECT_EQ(loaded.FontName(), stored.FontName()) << entry.what;
        EXPECT_EQ(loaded.FontSize(), stored.FontSize()) << entry.what;
        EXPECT_EQ(loaded.FontStrikethru(), stored.FontStrikethru()) << entry.what;
        EXPECT_EQ(loaded.FontUnderline(), stored.FontUnderline()) << entry.what;
        EXPECT_EQ(loaded.ForeColor(), stored.ForeColor()) << entry.what;
        EXPECT_EQ(loaded.Text(), stored.Text()) << entry.what;
        // What the edit field shows, and a height that no font changes.
        EXPECT_EQ(loaded.Combo1->font(), loaded.font()) << entry.what;
        const QPalette& shown = loaded.Combo1->palette();
        EXPECT_EQ(shown.color(QPalette::Active, QPalette::Base), controlColor(loaded.BackColor(), loaded.palette()));
        EXPECT_EQ(shown.color(QPalette::Active, QPalette::Text), controlColor(loaded.ForeColor(), loaded.palette()));
        EXPECT_EQ(loaded.height(), controlPixels(loaded, 315)) << entry.what;
    }
}

TEST(AutoCompleteComboTest, EventsComeInOrderWithTheirArguments)
{
    AutoCompleteCombo combo;
    combo.AddItem("Alpha");
    combo.AddItem("Alpine");
    combo.resize(200, combo.height());
    combo.show();
    QStringList events;
    const auto log = [&](const char* name, const QList<double>& arguments = {}) {
        QStringList texts{name};
        for (double argument : arguments)
            texts << QString::number(argument);
        events << texts.join(' ');
    };
    QObject::connect(&combo, &AutoCompleteCombo::Change, [&] { log("Change"); });
    QObject::connect(&combo, &AutoCompleteCombo::Click, [&] { log("Click"); });
    QObject::connect(&combo, &AutoCompleteCombo::DblClick, [&] { log("DblClick"); });
    QObject::connect(&combo, &AutoCompleteCombo::KeyDown, [&](int KeyCode, int Shift) {
        log("KeyDown", {double(KeyCode), double(Shift)});
    });
    QObject::connect(&combo, &AutoCompleteCombo::KeyUp, [&](int KeyCode, int Shift) {
        log("KeyUp", {double(KeyCode), double(Shift)});
    });
    QObject::connect(&combo, &AutoCompleteCombo::KeyPress, [&](int KeyAscii) { log("KeyPress", {double(KeyAscii)}); });
    const auto logMouse = [&](const char* name) {
        return [&log, name](int Button, int Shift, double x, double y) {
            log(name, {double(Button), double(Shift), x, y});
        };
    };
    QObject::connect(&combo, &AutoCompleteCombo::MouseDown, logMouse("MouseDown"));
    QObject::connect(&combo, &AutoCompleteCombo::MouseMove, logMouse("MouseMove"));
    QObject::connect(&combo, &AutoCompleteCombo::MouseUp, logMouse("MouseUp"));

    QLineEdit* edit = combo.Combo1->lineEdit();
    const double twips = twipsPerPixel(combo.logicalDpiX());
    const struct
    {
        const char* what;
        std::function<void()> step;
        QStringList events;
        QString text, selected;
        int ListIndex;
    } steps[]{
        {"typing A",
         [&] { QTest::keyClicks(combo.Combo1, "A"); },
         {"KeyDown 65 0", "KeyPress 65", "Change", "Change", "KeyUp 65 0"},
         "Alpha",
         "lpha",
         -1},
        {"Backspace",
         [&] { QTest::keyClick(combo.Combo1, Qt::Key_Backspace); },
         {"KeyDown 8 0", "KeyPress 8", "Change", "KeyUp 8 0"},
         "A",
         "",
         -1},
        {"a double click in the edit field",
         [&] { QTest::mouseDClick(edit, Qt::LeftButton); },
         {"DblClick"},
         "A",
         "A",
         -1},
        {"the selected text replaced",
         [&] {
             combo.setSelStart(0);
             combo.setSelLength(99);
             combo.setSelText("Alp");
         },
         {"Change"},
         "Alp",
         "",
         -1},
        {"a selection within the text",
         [&] {
             combo.setSelStart(1);
             combo.setSelLength(1);
         },
         {},
         "Alp",
         "l",
         -1},
        {"the second entry chosen", [&] { EXPECT_TRUE(combo.setListIndex(1)); }, {"Change"}, "Alpine", "", 1},
        {"an entry outside the list", [&] { EXPECT_FALSE(combo.setListIndex(2)); }, {}, "Alpine", "", 1},
        {"typed over the chosen entry",
         [&] { QTest::keyClick(combo.Combo1, Qt::Key_Space); },
         {"KeyDown 32 0", "KeyPress 32", "Change", "KeyUp 32 0"},
         "Alpine ",
         "",
         -1},
        {"the list emptied", [&] { EXPECT_TRUE(combo.setListIndex(-1)); }, {"Change"}, "", "", -1},
        {"the control's own surface",
         [&] {
             QTest::mousePress(&combo, Qt::RightButton, Qt::ControlModifier, QPoint(2, 3));
             QMouseEvent move(QEvent::MouseMove, QPoint(4, 5), combo.mapToGlobal(QPoint(4, 5)), Qt::NoButton,
                              Qt::RightButton, Qt::ControlModifier);
             QApplication::sendEvent(&combo, &move);
             QTest::mouseRelease(&combo, Qt::RightButton, Qt::ControlModifier, QPoint(4, 5));
         },
         {QString("MouseDown 2 2 %1 %2").arg(2 * twips).arg(3 * twips),
          QString("MouseMove 2 2 %1 %2").arg(4 * twips).arg(5 * twips),
          QString("MouseUp 2 2 %1 %2").arg(4 * twips).arg(5 * twips)},
         "",
         "",
         -1},
        {"a click in the edit field is the edit field's own",
         [&] { QTest::mouseClick(edit, Qt::LeftButton); },
         {},
         "",
         "",
         -1},
    };
    for (const auto& entry : steps) {
        events.clear();
        entry.step();
        EXPECT_EQ(events, entry.events) << entry.what;
        EXPECT_EQ(combo.Text(), entry.text) << entry.what;
        EXPECT_EQ(combo.SelText(), entry.selected) << entry.what;
        EXPECT_EQ(combo.ListIndex(), entry.ListIndex) << entry.what;
    }

    EXPECT_TRUE(combo.setItemData(1, 7));
    EXPECT_FALSE(combo.setItemData(2, 7));
    EXPECT_EQ(combo.ItemData(1), 7);
    EXPECT_EQ(combo.ItemData(0), 0);
    EXPECT_EQ(combo.ItemData(-1), std::nullopt);
}

} // namespace
} // namespace twinsweep
