#include "Player.h"

#include <algorithm>
#include <cmath>

#include "modMultimedia.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "queue/QueryList.h"

namespace twinsweep {

int readPlayerVolume(const SettingsStore& settings)
{
    bool isNumber = false;
    const double volume = std::nearbyint(settings.value(Settings::Volume).toDouble(&isNumber));
    if (!isNumber)
        return 70;
    return int(std::clamp(volume, 0.0, 100.0));
}

Player::Player(modMultimedia& channels, QueryList& query, EventPump& pump, int PlayerVolume)
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
