#include "Player.h"

#include "modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep {

Player::Player(modMultimedia& channels, QueryList& query, EventPump& pump, const int& PlayerVolume)
    : m_channels(channels), m_query(query), m_pump(pump), m_volume(PlayerVolume)
{}

void Player::playmedia(const QString& path)
{
    ReleasePlayerChannels(m_channels);
    m_channels.OpenMedia(0, "f1", path, "MpegVideo");
    m_channels.SetMediaVolume("f1", "all", m_volume);
    m_channels.PlayMediaRange("f1", "", "");
    checkcolor(m_query, m_pump);
}

} // namespace twinsweep
