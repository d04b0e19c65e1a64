#pragma once

#include <QHash>
#include <QSettings>
#include <QString>

#include <optional>

namespace twinsweep {

struct Setting;

/// A Boolean setting's text: "1", "0", "True", "False" (any case) as the settings
/// hold them; nothing for any other text.
std::optional<bool> readBoolean(const QString& text);
/// The text a Boolean setting is stored as: "True" or "False".
inline QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

/// The per-user settings: one INI file, text values addressed by section and key.
/// Sections and keys are matched without regard to case (one part of the program
/// writes "list2", another reads "List2"); a key keeps the spelling it was first
/// written with. The original kept the "View" section under another application
/// name; the section names never collide, so one file holds them all.
class SettingsStore
{
public:
    /// Opens (or will create) the INI file at `filePath`.
    explicit SettingsStore(const QString& filePath);
    /// $XDG_CONFIG_HOME/twinsweep/twinsweep.ini
    static QString defaultFilePath();

    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    QString value(const Setting& setting) const;
    bool contains(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void setValue(const Setting& setting, const QString& value);
    void remove(const QString& section, const QString& key);
    /// Writes pending changes to disk.
    void sync();
    QString filePath() const { return m_file.fileName(); }

private:
    static QString lookupName(const QString& section, const QString& key);
    QString storedName(const QString& section, const QString& key) const;

    QSettings m_file;
    QHash<QString, QString> m_storedNames; // lower-cased "section/key" -> name in the file
};

} // namespace twinsweep
