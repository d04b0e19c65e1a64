#pragma once

#include <QString>

#include "queue/QueryCommands.h"

namespace twinsweep {

class EventPump;
class QueryList;
class SettingsStore;
class modMultimedia;

/// The playback volume 0 to 100 that start-up reads from the settings ("Volume",
/// 70 when missing or not a number, at most 100).
int readPlayerVolume(const SettingsStore& settings);

/// Starts files on the channel "f1": whatever plays is closed first, the file plays
/// whole at the playback volume, and the query list is recoloured.
class Player : public QueryPlayer
{
public:
    Player(modMultimedia& channels, QueryList& query, EventPump& pump, int PlayerVolume);

    void playmedia(const QString& path) override;
    int PlayerVolume() const { return m_volume; }

private:
    modMultimedia& m_channels;
    QueryList& m_query;
    EventPump& m_pump;
    int m_volume;
};

} // namespace twinsweep
