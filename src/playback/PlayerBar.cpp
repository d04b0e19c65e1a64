#include "PlayerBar.h"

#include "PlayerView.h"
#include "modMultimedia.h"
#include "platform/Services.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"

namespace twinsweep {

PlayerBar::PlayerBar(modMultimedia& channels, QueryList& query, PlayerView& view, QueryPlayer& player, EventPump& pump,
                     FileExists exists)
    : m_channels(channels), m_query(query), m_view(view), m_player(player), m_pump(pump), m_exists(std::move(exists))
{}

QString PlayerBar::currentMode()
{
    return m_channels.GetMediaMode(m_view.sliderTag());
}

void PlayerBar::Picture1_Click()
{
    if (m_view.coverShown(PlayerButton::Play))
        return;
    if (currentMode() == "paused") {
        m_channels.ResumeMedia(m_view.sliderTag());
        return;
    }
    const std::optional<qsizetype> row = m_query.tagRow();
    // The player starts nothing during a fade: a row marked played now would be skipped.
    if (m_player.fading() || !row || !m_query.contains(*row))
        return;
    m_query.setChecked(*row, false);
    m_query.setTag(QString::number(*row + 1));
    m_player.playmedia(m_query.row(*row).fullPath());
}

void PlayerBar::Picture2_Click()
{
    if (m_view.coverShown(PlayerButton::Pause))
        return;
    if (currentMode() == "playing")
        m_channels.PauseMedia(m_view.sliderTag());
}

void PlayerBar::Picture3_Click()
{
    if (m_view.coverShown(PlayerButton::Stop))
        return;
    Esc_KeyDown();
    m_view.setSliderEnabled(false);
    m_view.setSliderTag("");
    checkcolor(m_query, m_pump);
}

void PlayerBar::Esc_KeyDown()
{
    ReleasePlayerChannels(m_channels);
    m_view.setSliderValue(100);
}

std::optional<QString> PlayerBar::play_pause_Click()
{
    const QString alias = m_view.sliderTag();
    if (m_channels.GetMediaMode(alias) == "paused") {
        m_channels.ResumeMedia(alias);
        return QStringLiteral("Pause");
    }
    if (m_channels.GetMediaMode(alias) == "playing") {
        m_channels.PauseMedia(alias);
        return QStringLiteral("Play");
    }
    return std::nullopt;
}

void PlayerBar::step(int direction)
{
    if (m_player.fading())
        return;
    const bool playing = currentMode() == "playing";
    const std::optional<qsizetype> tagRow = m_query.tagRow();
    if (!tagRow) {
        // A Tag without a number names no row to step from; the next step starts at row 1.
        m_query.setTag("0");
        checkcolor(m_query, m_pump);
        return;
    }
    if (!playing && m_query.contains(*tagRow))
        m_query.setForeColor(*tagRow, SystemWindowText);
    const qsizetype rowCount = m_query.size();
    for (qsizetype row = *tagRow + direction; row >= 0 && row < rowCount; row += direction) {
        const QueryRow& candidate = m_query.row(row);
        if (!candidate.Checked || !m_exists(candidate.fullPath()))
            continue;
        m_query.setChecked(row, false);
        m_query.setTag(QString::number(row + 1));
        if (playing)
            m_player.playmedia(m_query.row(row).fullPath());
        checkcolor(m_query, m_pump);
        m_pump.processEvents();
        return;
    }
}

} // namespace twinsweep
