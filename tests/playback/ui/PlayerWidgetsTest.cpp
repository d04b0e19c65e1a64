#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QTimer>

#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "controls/ui/SliderControl.h"
#include "playback/ui/PlaybackInstall.h"
#include "playback/ui/PlayerBarWidgets.h"
#include "shell/ui/Startup.h"

namespace twinsweep {
namespace {

TEST(SliderControlWidget, TheLeftButtonSetsTheValueWhereItPressesAndDrags)
{
    SliderControl slider;
    slider.resize(200, 22);
    slider.show();
    std::vector<int> downs, moves, ups;
    QObject::connect(&slider, &SliderControl::MouseDown,
                     [&](int Button, int, double, double) { downs.push_back(Button); });
    QObject::connect(&slider, &SliderControl::MouseMove,
                     [&](int Button, int, double, double) { moves.push_back(Button); });
    QObject::connect(&slider, &SliderControl::MouseUp, [&](int Button, int, double, double) { ups.push_back(Button); });

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(0, 5));
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_TRUE(downs.empty()) << "x = 0 is ignored";
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(0, 5));

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(75, 5));
    EXPECT_EQ(slider.Value(), 38) << "37.5 rounds to the even 38";
    QMouseEvent drag(QEvent::MouseMove, QPointF(500, 5), slider.mapToGlobal(QPointF(500, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &drag);
    EXPECT_EQ(slider.Value(), 100) << "past the right end the bar is full";
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(73, 5));
    EXPECT_EQ(slider.Value(), 36) << "36.5 rounds to the even 36";
    EXPECT_EQ(downs, std::vector<int>{1});
    EXPECT_EQ(moves, std::vector<int>{1});
    EXPECT_EQ(ups, std::vector<int>{1});

    slider.setEnabled(false);
    EXPECT_FALSE(slider.isEnabled());
    slider.setMin(50);
    slider.setMax(50);
    EXPECT_EQ(slider.Max(), 51);
}

TEST(SliderControlWidget, TheRightButtonOpensThePlaybackMenu)
{
    SliderControl slider;
    slider.resize(200, 22);
    slider.show();
    QTest::mousePress(&slider, Qt::RightButton, {}, QPoint(100, 5));
    EXPECT_TRUE(slider.playback->isVisible());
    EXPECT_EQ(slider.playback->title(), "Playback");
    ASSERT_EQ(slider.playback->actions().size(), 2);
    EXPECT_EQ(slider.play_pause->text(), "Pause");
    EXPECT_EQ(slider.stop->text(), "Stop");
    slider.playback->hide();
    EXPECT_EQ(slider.Value(), 0) << "the right button does not move the bar";
}

TEST(VolumeTrackWidget, ThePointerMovesTheKnobWithinTheTrack)
{
    QWidget window;
    VolumeTrack track(&window);
    track.setGeometry(10, 10, 50, 18); // 750 × 270 twips at 96 dpi
    track.knob()->setGeometry(41, 0, 8, 18);
    window.show();
    if (track.logicalDpiX() != 96)
        GTEST_SKIP() << "the figures are for 96 dpi";
    std::vector<int> levels;
    track.onLevel = [&](int level) { levels.push_back(level); };

    const auto press = [&track](Qt::MouseButton button, int x) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, 5), track.mapToGlobal(QPointF(x, 5)), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(&track, &event);
    };
    press(Qt::LeftButton, 25); // the knob's middle goes to the pointer
    EXPECT_EQ(track.knob()->x(), 21);
    press(Qt::RightButton, 2);
    QMouseEvent farRight(QEvent::MouseMove, QPointF(90, 5), track.knob()->mapToGlobal(QPointF(90, 5)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(track.knob(), &farRight);
    EXPECT_EQ(track.knob()->x(), 42);
    ASSERT_EQ(levels.size(), 2u) << "the right button changes nothing";
    EXPECT_EQ(levels[0], 50);
    EXPECT_EQ(levels[1], 100);

    track.placeKnob(70);
    EXPECT_EQ(track.knob()->x(), 29);
}

TEST(PlayerBarLayout, AReleasedButtonFallsBackIntoLine)
{
    test::FakeServices fake;
    Catalogue catalogue;
    MainWindow window(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
    window.lifecycle.showAboutBox = nullptr;
    // The monitor's tick would cover the buttons of a stopped player with an empty queue, and a
    // covered button does not move.
    window.playback->Timer2->stop();
    window.resize(500, 400);
    Form_Load(window, {});
    // Scaled by the layout, the buttons no longer stand at an even pitch of whole pixels.
    for (const QSize size : {QSize(500, 400), QSize(537, 419), QSize(711, 433)}) {
        window.resize(size);
        QApplication::processEvents();
        for (PlayerButton which : {PlayerButton::Previous, PlayerButton::Play, PlayerButton::Pause, PlayerButton::Stop,
                                   PlayerButton::Next}) {
            PlayerPictureButton* face = window.playback->button(which);
            const QPoint place = face->pos();
            QTest::mousePress(face, Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_EQ(face->pos(), place + QPoint(1, 1)) << "pressed, 20 twips right and down";
            QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_EQ(face->pos(), place) << size.width() << " " << int(which);
        }
    }
}

} // namespace
} // namespace twinsweep
