#include <gtest/gtest.h>

#include <QMap>
#include <QStringList>

#include "shell/MainWindowResize.h"

namespace twinsweep {
namespace {

/// Controls by name with their left and width; records every operation in order.
class FakeWindow : public ResizeTarget
{
public:
    void ResizeControl(const char* control) override { log << QString("resize ") + control; }
    void setWidth(const char* control, int twips) override
    {
        widths[control] = twips;
        log << QString("width %1 %2").arg(control).arg(twips);
    }
    void setHeight(const char* control, int twips) override { log << QString("height %1 %2").arg(control).arg(twips); }
    void setLeft(const char* control, int twips) override { lefts[control] = twips; }
    int left(const char* control) const override { return lefts.value(control); }
    int width(const char* control) const override { return widths.value(control); }

    QStringList log;
    QMap<QString, int> lefts;
    QMap<QString, int> widths;
};

TEST(MainWindowResizeTest, NothingHappensWhileStartUpSetsTheWindowUp)
{
    FakeWindow window;
    Form_Resize(false, window);
    EXPECT_TRUE(window.log.isEmpty());
}

TEST(MainWindowResizeTest, ControlsInTheirOrderThenTheFixedSizes)
{
    FakeWindow window;
    window.lefts["SliderControl1"] = 600;
    window.widths["SliderControl1"] = 9000;
    Form_Resize(true, window);
    const QStringList expected = {
        "resize Toolbar1",     "resize Toolbar2",       "resize Duplicates",
        "resize query",        "resize Frame1",         "resize Frame2",
        "resize ListFiles2",   "resize SliderControl1", "height SliderControl1 330",
        "resize TreeView1",    "resize Picture1",       "resize Picture2",
        "resize Picture3",     "resize Picture4",       "resize Picture5",
        "resize Picture6",     "width Picture1 240",    "height Picture1 240",
        "width Picture2 240",  "height Picture2 240",   "width Picture3 240",
        "height Picture3 240", "width Picture5 240",    "height Picture5 240",
        "width Picture6 240",  "height Picture6 240",   "width Picture4 735",
    };
    EXPECT_EQ(window.log, expected);
    EXPECT_EQ(window.lefts["Picture4"], 600 + 9000 - 735) << "the track's right edge is the slider's";
}

} // namespace
} // namespace twinsweep
