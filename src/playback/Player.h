#pragma once

#include <QString>

#include "queue/QueryCommands.h"

namespace twinsweep {

class EventPump;
class QueryList;
class modMultimedia;

/// Starts files on the channel "f1": whatever plays is closed first, the file plays
/// whole at the playback volume, and the query list is recoloured.
class Player : public QueryPlayer
{
public:
    /// `PlayerVolume` is the main window's playback volume (0 to 100), read at each start.
    Player(modMultimedia& channels, QueryList& query, EventPump& pump, const int& PlayerVolume);

    void playmedia(const QString& path) override;

private:
    modMultimedia& m_channels;
    QueryList& m_query;
    EventPump& m_pump;
    const int& m_volume;
};

} // namespace twinsweep
