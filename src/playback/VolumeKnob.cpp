#include "VolumeKnob.h"

#include <QString>

#include <algorithm>
#include <cmath>

#include "modMultimedia.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"

namespace twinsweep {

namespace VolumeKnob {

std::optional<double> leftFromPointer(double pointerX, double grip, double freeWidth)
{
    if (freeWidth <= 0)
        return std::nullopt;
    double left = std::nearbyint(pointerX - grip);
    if (left >= freeWidth)
        left = std::nearbyint(freeWidth);
    if (left <= 0)
        left = 0;
    return left;
}

int levelFromLeft(double left, double freeWidth)
{
    return freeWidth <= 0 ? 0 : int(std::nearbyint(left * 100 / freeWidth));
}

double leftFromLevel(int level, double freeWidth)
{
    return std::max(0.0, std::floor(freeWidth * level / 100));
}

} // namespace VolumeKnob

void applyPlayerVolume(int level, int& PlayerVolume, modMultimedia& channels, StatusDisplay& status,
                       SettingsStore& settings)
{
    PlayerVolume = level;
    channels.SetMediaVolume("f1", "all", PlayerVolume);
    channels.SetMediaVolume("f2", "all", PlayerVolume);
    status.setStatusText(QString("Volume: %1%").arg(PlayerVolume));
    settings.setValue(Settings::Volume, QString::number(PlayerVolume));
}

} // namespace twinsweep
