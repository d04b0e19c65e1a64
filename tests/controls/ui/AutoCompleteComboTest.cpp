#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "controls/ui/AutoCompleteCombo.h"

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

} // namespace
} // namespace twinsweep
