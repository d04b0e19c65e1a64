#include <gtest/gtest.h>

#include "controls/AutoCompleteItems.h"
#include "platform/KeyCodes.h"

namespace twinsweep {
namespace {

AutoCompleteItems store(const QStringList& items)
{
    AutoCompleteItems store;
    for (const QString& item : items)
        store.AddItem(item);
    return store;
}

int key(char letterOrDigit)
{
    return QChar(letterOrDigit).toUpper().unicode();
}

TEST(AutoCompleteItemsTest, KeyReleasesCompleteWithTheFirstMatchingItem)
{
    struct Case
    {
        int keyCode;
        int shift;
        QString text;
        int caret;
        QString completed;
        int selStart, selLength; // the selection as the edit field shows it
    };
    const Case cases[] = {
        {key('l'), 0, "al", 2, "alpha", 2, 3},  // the typed case stays
        {key('p'), 0, "alp", 3, "alpha", 3, 2}, // the first match wins
        {key('i'), 0, "alpi", 4, "alpine", 4, 2}, {key('A'), ShiftState::Shift, "ALP", 3, "ALPha", 3, 2},
        {key('x'), 0, "alx", 3, "alx", 3, 0}, // no match: only the caret
        {key('x'), 0, "x", 0, "x", 1, 0},         {VirtualKey::F1, 0, "al", 2, "alpha", 2, 3},
    };
    const AutoCompleteItems items = store({"Alpha", "Alpine"});
    for (const Case& c : cases) {
        const auto completion = items.complete(c.keyCode, c.shift, c.text, c.caret);
        ASSERT_TRUE(completion) << c.text.toStdString();
        EXPECT_EQ(completion->text, c.completed);
        EXPECT_EQ(completion->selStart, c.selStart) << c.text.toStdString();
        EXPECT_EQ(qMin(completion->selLength, int(completion->text.size()) - completion->selStart), c.selLength)
            << c.text.toStdString();
    }
}

TEST(AutoCompleteItemsTest, EditingKeysDigitsAndShortcutsNeverComplete)
{
    struct Case
    {
        int keyCode;
        int shift;
    };
    const Case cases[] = {
        {VirtualKey::Back, 0},
        {VirtualKey::Delete, 0},
        {VirtualKey::Left, 0},
        {VirtualKey::Right, 0},
        {VirtualKey::Up, 0},
        {VirtualKey::Space, 0},
        {key('0'), 0},
        {key('9'), 0},
        {0, 0},
        {key('a'), 2},
        {key('c'), ShiftState::Alt},
    };
    const AutoCompleteItems items = store({"Alpha"});
    for (const Case& c : cases)
        EXPECT_FALSE(items.complete(c.keyCode, c.shift, "al", 2)) << c.keyCode;
}

TEST(AutoCompleteItemsTest, TheStoreKeepsItsFirstSlot)
{
    AutoCompleteItems items;
    EXPECT_EQ(items.slots(), QStringList{""});
    EXPECT_EQ(items.SelectedItem(""), 0) << "the empty first slot";
    EXPECT_FALSE(items.AddItem(""));
    EXPECT_EQ(items.AddItems({"abc", "Def", 12}), (QStringList{"ABC", "DEF", "12"}));
    items.AddItem("abc");
    EXPECT_EQ(items.slots(), (QStringList{"ABC", "DEF", "12", "abc"}));
    EXPECT_EQ(items.SelectedItem("Abc"), 0) << "the first of two that differ in case";
    EXPECT_EQ(items.SelectedItem("ab"), -1);

    EXPECT_TRUE(items.RemoveItem(1));
    EXPECT_FALSE(items.RemoveItem(3));
    EXPECT_FALSE(items.RemoveItem(-1));
    EXPECT_EQ(items.slots(), (QStringList{"ABC", "12", "abc"}));

    items.Clear();
    items.AddItem("only");
    EXPECT_TRUE(items.RemoveItem(0));
    EXPECT_EQ(items.slots(), QStringList{""}) << "removing the only item empties the store";
    items.AddItem("next");
    EXPECT_EQ(items.slots(), QStringList{"next"});
}

} // namespace
} // namespace twinsweep
