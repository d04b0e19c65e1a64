#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "SettingKeys.h"

namespace twinsweep {

std::optional<bool> readBoolean(const QString& text)
{
    bool isNumber = false;
    const double number = text.trimmed().toDouble(&isNumber);
    if (isNumber)
        return number != 0;
    if (text.trimmed().compare("True", Qt::CaseInsensitive) == 0)
        return true;
    if (text.trimmed().compare("False", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

SettingsStore::SettingsStore(const QString& filePath) : m_file(filePath, QSettings::IniFormat)
{
    const QStringList names = m_file.allKeys();
    for (const QString& name : names)
        m_storedNames.insert(name.toLower(), name);
}

QString SettingsStore::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/twinsweep";
    return folder + "/twinsweep.ini";
}

QString SettingsStore::lookupName(const QString& section, const QString& key)
{
    return (section + '/' + key).toLower();
}

QString SettingsStore::storedName(const QString& section, const QString& key) const
{
    return m_storedNames.value(lookupName(section, key));
}

QString SettingsStore::value(const QString& section, const QString& key, const QString& fallback) const
{
    const QString name = storedName(section, key);
    if (name.isEmpty())
        return fallback;
    return m_file.value(name).toString();
}

QString SettingsStore::value(const Setting& setting) const
{
    return value(setting.section, setting.key, setting.fallback);
}

bool SettingsStore::contains(const QString& section, const QString& key) const
{
    return !storedName(section, key).isEmpty();
}

void SettingsStore::setValue(const QString& section, const QString& key, const QString& value)
{
    QString name = storedName(section, key);
    if (name.isEmpty()) {
        // A new key joins a section already present under its stored spelling.
        name = section + '/' + key;
        for (auto it = m_storedNames.cbegin(); it != m_storedNames.cend(); ++it) {
            if (it.key().startsWith(section.toLower() + '/')) {
                name = it.value().section('/', 0, 0) + '/' + key;
                break;
            }
        }
        m_storedNames.insert(lookupName(section, key), name);
    }
    m_file.setValue(name, value);
}

void SettingsStore::setValue(const Setting& setting, const QString& value)
{
    setValue(setting.section, setting.key, value);
}

void SettingsStore::remove(const QString& section, const QString& key)
{
    const QString name = storedName(section, key);
    if (name.isEmpty())
        return;
    m_file.remove(name);
    m_storedNames.remove(lookupName(section, key));
}

void SettingsStore::sync()
{
    QDir().mkpath(QFileInfo(m_file.fileName()).absolutePath());
    m_file.sync();
}

} // namespace twinsweep
