#include "RUF.h"

#include <QFileInfo>

#include "catalogue/Catalogue.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"

namespace twinsweep {

namespace {
constexpr int LargestMaxFiles = 20;

int toNumber(const QString& text, int fallback)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : fallback;
}
} // namespace

RUF::RUF(SettingsStore& settings) : m_settings(settings) {}

QString RUF::storedPath(int index) const
{
    return m_settings.value(Settings::RecentFiles, QString::number(index));
}

void RUF::storeCount()
{
    m_settings.setValue(Settings::noRUF, QString::number(m_count));
}

void RUF::setEntryCount(int count)
{
    // Entry 1 is part of the menu's design and never goes.
    count = qMax(1, count);
    while (m_captions.size() < count)
        m_captions.append(QString());
    m_captions.resize(count);
}

void RUF::LoadRecentFiles()
{
    if (storedPath(1).isEmpty()) {
        // Fresh installation, or nothing saved or opened yet.
        storeCount();
        m_maxFiles = 3;
        m_settings.setValue(Settings::MAX_FILES, "3");
        m_firstVisible = false;
    } else {
        const auto stored = [this](const Setting& setting, int current) {
            return toNumber(m_settings.value(setting.section, setting.key, QString::number(current)), current);
        };
        m_maxFiles = stored(Settings::MAX_FILES, m_maxFiles);
        m_count = qBound(0, stored(Settings::noRUF, m_count), LargestMaxFiles);
        setEntryCount(m_count);
        for (int i = 1; i <= m_count; ++i)
            m_captions[i - 1] = storedPath(i);
        m_firstVisible = m_count >= 1;
    }
    Q_EMIT entriesChanged();
}

void RUF::UpdateRecentFiles(const QString& path)
{
    const int found = int(m_captions.indexOf(path)) + 1;
    if (found == 0) {
        AddRecentFile(path);
    } else {
        for (int j = found - 1; j >= 1; --j)
            m_captions[j] = m_captions[j - 1];
        m_captions[0] = path;
        for (int j = 1; j <= m_captions.size(); ++j)
            m_settings.setValue(Settings::RecentFiles, QString::number(j), m_captions[j - 1]);
    }
    m_firstVisible = !m_captions[0].isEmpty();
    TrimRecentFiles();
    Q_EMIT entriesChanged();
}

void RUF::AddRecentFile(const QString& path)
{
    IncRecentCount();
    ShiftRecentEntries(path);
    RefreshRecentMenu();
}

void RUF::IncRecentCount()
{
    ReadMaxFiles();
    if (m_count >= m_maxFiles)
        return;
    ++m_count;
    setEntryCount(qMax(int(m_captions.size()), m_count));
    storeCount();
}

void RUF::ShiftRecentEntries(const QString& path)
{
    if (storedPath(1) == path)
        return;
    // Keys up to MAX_FILES come to exist; the path stored last drops out.
    for (int i = m_maxFiles - 1; i >= 1; --i)
        m_settings.setValue(Settings::RecentFiles, QString::number(i + 1), storedPath(i));
    m_settings.setValue(Settings::RecentFiles, "1", path);
}

void RUF::RefreshRecentMenu()
{
    if (m_count > m_maxFiles)
        TrimRecentFiles();
    setEntryCount(qMax(int(m_captions.size()), m_count));
    for (int i = 1; i <= m_count; ++i)
        m_captions[i - 1] = storedPath(i);
}

void RUF::TrimRecentFiles()
{
    ReadMaxFiles();
    if (m_count <= m_maxFiles)
        return;
    for (int i = m_maxFiles + 1; i <= m_count; ++i)
        m_settings.remove(Settings::RecentFiles, QString::number(i));
    setEntryCount(m_maxFiles);
    m_count = m_maxFiles;
    // Stored too, so that a restart does not bring back empty surplus entries.
    storeCount();
}

void RUF::ReadMaxFiles()
{
    if (m_maxFiles < 1 || m_maxFiles > LargestMaxFiles)
        m_maxFiles = 4;
    m_settings.setValue(Settings::MAX_FILES, QString::number(m_maxFiles));
}

void RUF::mnuRUF_Click(int index, Catalogue& catalogue, Services& services)
{
    if (index < 1 || index > m_captions.size())
        return;
    QString path = m_captions[index - 1];
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    Loadlist(catalogue, services, *this, path);
}

} // namespace twinsweep
