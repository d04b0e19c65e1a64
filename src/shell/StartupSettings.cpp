#include "StartupSettings.h"

#include <algorithm>
#include <cmath>

#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

namespace twinsweep {

namespace {

std::optional<double> storedNumber(const SettingsStore& settings, const Setting& setting)
{
    bool isNumber = false;
    const double number = settings.value(setting).trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number))
        return std::nullopt;
    return number;
}

/// A setting's test "equals 1": a value that cannot be read passes it.
bool equalsOneOrUnreadable(const SettingsStore& settings, const Setting& setting)
{
    const std::optional<double> number = storedNumber(settings, setting);
    return !number || *number == 1;
}

} // namespace

int storedPlayerVolume(const SettingsStore& settings)
{
    const std::optional<double> number = storedNumber(settings, Settings::Volume);
    if (!number)
        return 0;
    return int(std::clamp(std::nearbyint(*number), 0.0, 100.0));
}

StoredWindow storedWindow(const SettingsStore& settings)
{
    StoredWindow stored;
    stored.restore = equalsOneOrUnreadable(settings, Settings::RestWind);
    if (const std::optional<double> state = storedNumber(settings, Settings::WindowState)) {
        const double whole = std::nearbyint(*state);
        if (whole >= 0 && whole <= 2)
            stored.state = StoredWindowState(int(whole));
    }
    stored.width = storedNumber(settings, Settings::Width);
    stored.height = storedNumber(settings, Settings::Height);
    return stored;
}

void storeWindow(SettingsStore& settings, StoredWindowState state, double width, double height)
{
    if (state == StoredWindowState::Normal) {
        settings.setValue(Settings::Width, twipsText(width));
        settings.setValue(Settings::Height, twipsText(height));
    }
    settings.setValue(Settings::WindowState, QString::number(int(state)));
}

bool autoOpenRecent(const SettingsStore& settings)
{
    return equalsOneOrUnreadable(settings, Settings::AOpen);
}

QString startupCaption(const QString& version, const QString& notice)
{
    return QStringLiteral("T w i n s w e e p  (v. ") + version + QStringLiteral(")   |   ") + notice;
}

} // namespace twinsweep
