#include <gtest/gtest.h>

#include "platform/ui/KeyMapping.h"

namespace twinsweep {
namespace {

TEST(KeyMappingTest, KeysGiveTheirWindowsCodes)
{
    struct Case
    {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        int keyCode;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65},           {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_7, Qt::NoModifier, '7'},          {Qt::Key_7, Qt::KeypadModifier, 103},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},   {Qt::Key_Plus, Qt::ShiftModifier, 187},
        {Qt::Key_Period, Qt::NoModifier, 190},     {Qt::Key_Slash, Qt::NoModifier, 191},
        {Qt::Key_Apostrophe, Qt::NoModifier, 222}, {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_Delete, Qt::NoModifier, 46},      {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_F3, Qt::NoModifier, 114},         {Qt::Key_Control, Qt::ControlModifier, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers);
        EXPECT_EQ(toWinKey(event).keyCode, c.keyCode) << c.qtKey;
    }
}

} // namespace
} // namespace twinsweep
