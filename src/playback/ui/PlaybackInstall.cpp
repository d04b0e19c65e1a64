#include "PlaybackInstall.h"

#include <QEvent>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "catalogue/cDirEx.h"
#include "catalogue/ui/ListSelection.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "controls/ui/SliderControl.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/Twips.h"
#include "platform/VolumeLayer.h"
#include "playback/PlayCommands.h"
#include "playback/Player.h"
#include "playback/PlayerBar.h"
#include "playback/PlayerMonitor.h"
#include "playback/VolumeKnob.h"
#include "playback/ui/PlayerBarWidgets.h"
#include "shell/MainWindowResize.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

namespace {

constexpr int MonitorIntervalMs = 500;
// Design positions in twips.
constexpr int BarTop = 60;
constexpr int BarHeight = 390;
constexpr struct
{
    PlayerButton button;
    const char* name;
    int left;
} ButtonPlaces[]{
    {PlayerButton::Previous, "Picture5", 120}, {PlayerButton::Play, "Picture1", 480},
    {PlayerButton::Pause, "Picture2", 840},    {PlayerButton::Stop, "Picture3", 1200},
    {PlayerButton::Next, "Picture6", 1560},
};
constexpr int TrackLeft = 3840;
constexpr int TrackWidth = 750;
constexpr int TrackHeight = 270;
constexpr int KnobLeft = 615;
constexpr int KnobWidth = 120;

FileExists fileExists()
{
    return [](const QString& path) { return cDirEx::ExistFile(path); };
}

} // namespace

QString PlayerWidgetsView::sliderTag() const
{
    return slider ? slider->Tag : QString();
}

void PlayerWidgetsView::setSliderTag(const QString& alias)
{
    if (slider)
        slider->Tag = alias;
}

double PlayerWidgetsView::sliderValue() const
{
    return slider ? slider->Value() : 0;
}

void PlayerWidgetsView::setSliderValue(double value)
{
    if (slider)
        slider->setValue(value);
}

void PlayerWidgetsView::setSliderEnabled(bool enabled)
{
    if (slider)
        slider->setEnabled(enabled);
}

bool PlayerWidgetsView::coverShown(PlayerButton button) const
{
    const QPointer<PlayerPictureButton>& face = buttons[size_t(button)];
    return face && face->coverShown();
}

void PlayerWidgetsView::setCoverShown(PlayerButton button, bool shown)
{
    if (const QPointer<PlayerPictureButton>& face = buttons[size_t(button)])
        face->setCoverShown(shown);
}

PlaybackInstall::PlaybackInstall(Form1& window, modMultimedia& channels, QueryList& rows) : QObject(&window)
{
    // The strip goes under the lower pane's list, inside the lower pane's frame.
    if (auto* frame = qobject_cast<QVBoxLayout*>(window.lowerPane->parentWidget()->layout()))
        frame->addWidget(buildStrip(window));
    Services& services = window.services();
    m_player = std::make_unique<Player>(channels, rows, m_view, services, m_clock, window.PlayerVolume);
    m_monitor = std::make_unique<PlayerMonitor>(channels, rows, m_view, *m_player, services.status, services.settings,
                                                fileExists());
    m_bar = std::make_unique<PlayerBar>(channels, rows, m_view, *m_player, services.pump, fileExists());
    connectBar();
    connectSlider();
    Picture4->onLevel = [&window, &channels](int level) {
        applyPlayerVolume(level, window.PlayerVolume, channels, window.services().status, window.services().settings);
    };
    window.lifecycle.resetPositionSlider = [this] {
        SliderControl1->setValue(100);
        SliderControl1->setEnabled(false);
    };
    window.lifecycle.placeVolumeKnob = [this](int level) { Picture4->placeKnob(level); };
    window.lifecycle.endPlayback = [this] { shutdown(); };
    registerPlayCommands(window);

    Timer2 = new QTimer(this);
    Timer2->setInterval(MonitorIntervalMs);
    connect(Timer2, &QTimer::timeout, this, [this] { m_monitor->Timer2_Timer(); });
    Timer2->start();
}

PlaybackInstall::~PlaybackInstall() = default;

PlayerPictureButton* PlaybackInstall::button(PlayerButton which) const
{
    return m_view.buttons[size_t(which)];
}

QWidget* PlaybackInstall::buildStrip(Form1& window)
{
    const double dpi = window.logicalDpiX();
    auto* strip = new QWidget(&window);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    SliderControl1 = new SliderControl(strip);
    SliderControl1->setObjectName("SliderControl1");
    SliderControl1->setFixedHeight(twipsToPixels(SliderHeight, dpi));
    m_view.slider = SliderControl1;
    layout->addWidget(SliderControl1);
    auto* bar = new QWidget(strip);
    bar->setFixedHeight(twipsToPixels(BarHeight, dpi));
    buildBar(bar);
    layout->addWidget(bar);
    SliderControl1->installEventFilter(this);
    return strip;
}

void PlaybackInstall::buildBar(QWidget* bar)
{
    const double dpi = bar->logicalDpiX();
    const auto pixels = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    for (const auto& place : ButtonPlaces) {
        auto* face = new PlayerPictureButton(place.button, bar);
        face->setObjectName(place.name);
        face->setGeometry(pixels(place.left), pixels(BarTop), pixels(PlayerButtonSize), pixels(PlayerButtonSize));
        m_view.buttons[size_t(place.button)] = face;
    }
    Picture4 = new VolumeTrack(bar);
    Picture4->setObjectName("Picture4");
    Picture4->setGeometry(pixels(TrackLeft), pixels(BarTop), pixels(TrackWidth), pixels(TrackHeight));
    Picture4->knob()->setGeometry(pixels(KnobLeft), 0, pixels(KnobWidth), pixels(TrackHeight));
}

void PlaybackInstall::connectBar()
{
    const std::pair<PlayerButton, void (PlayerBar::*)()> commands[]{
        {PlayerButton::Previous, &PlayerBar::Picture5_Click}, {PlayerButton::Play, &PlayerBar::Picture1_Click},
        {PlayerButton::Pause, &PlayerBar::Picture2_Click},    {PlayerButton::Stop, &PlayerBar::Picture3_Click},
        {PlayerButton::Next, &PlayerBar::Picture6_Click},
    };
    for (const auto& [which, command] : commands) {
        PlayerPictureButton* face = button(which);
        connect(face, &PlayerPictureButton::Click, this, [this, command] { (m_bar.get()->*command)(); });
        // Released, a button stands where it stood: lining it up with its neighbours
        // would shift it by the pixels the layout rounded their places by.
        connect(face, &PlayerPictureButton::MouseDown, this, [this, face] {
            m_pressedFrom = face->pos();
            const int offset = twipsToPixels(PressedOffset, face->logicalDpiX());
            face->move(face->pos() + QPoint(offset, offset));
        });
        connect(face, &PlayerPictureButton::MouseUp, this, [this, face] { face->move(m_pressedFrom); });
    }
}

void PlaybackInstall::connectSlider()
{
    connect(SliderControl1, &SliderControl::MouseUp, this,
            [this](int Button, int, double, double) { m_monitor->SliderControl1_MouseUp(Button); });
    connect(SliderControl1, &SliderControl::play_pauseClicked, this, [this] {
        if (const std::optional<QString> caption = m_bar->play_pause_Click())
            SliderControl1->play_pause->setText(*caption);
    });
    connect(SliderControl1, &SliderControl::stopClicked, this, [this] { m_bar->stop_Click(); });
}

void PlaybackInstall::registerPlayCommands(Form1& window)
{
    Catalogue& catalogue = window.catalogue();
    addPlayCommand(window, window.volumeFileList->commands(), "play_Click", window.ListFiles2, catalogue.ListFiles2,
                   VolumeOfRow::FirstRowsVolume);
    addPlayCommand(window, window.resultList->commands(), "Play1_Click", window.Duplicates, catalogue.Duplicates,
                   VolumeOfRow::OwnVolume);
    for (ListCommands* commands : {&window.volumeFileList->commands(), &window.resultList->commands()})
        commands->add(KeyCommand::StopPlayback, [this](const auto&) { m_bar->Esc_KeyDown(); });
}

void PlaybackInstall::addPlayCommand(Form1& window, ListCommands& commands, const char* handler, QTableView* view,
                                     const FileList& list, VolumeOfRow volumeOf)
{
    static const SystemVolumeInfo volumes;
    commands.add(handler, [this, &window, &list, volumeOf](const std::vector<qsizetype>& rows) {
        playSelectedFile(window.catalogue(), list, volumeOf, rows.empty() ? std::nullopt : std::optional(rows.front()),
                         volumes, window.services().prompt, *m_player);
    });
    connect(view, &QTableView::doubleClicked, this,
            [&commands, handler, view] { commands.run(handler, selectedRowPositions(view->selectionModel())); });
}

bool PlaybackInstall::eventFilter(QObject* watched, QEvent* event)
{
    // The volume track stays right-aligned with the slider; the main window's resize
    // runs before its layouts have given the slider its new width.
    if (watched == SliderControl1 && event->type() == QEvent::Resize)
        Picture4->move(SliderControl1->geometry().right() + 1 - Picture4->width(), Picture4->y());
    return QObject::eventFilter(watched, event);
}

void PlaybackInstall::shutdown()
{
    Timer2->stop();
    m_player->shutdown();
}

} // namespace twinsweep
