#pragma once

#include <QObject>
#include <QStringList>

#include "catalogue/CollectionCommands.h"

namespace twinsweep {

class Catalogue;
class SettingsStore;
struct Services;

/// The recent collections: the entries `mnuRUF` at the end of the collection menu,
/// most recent first, mirrored in the settings ("Recent Files" "1", "2", ... and
/// "Config" "noRUF", "MAX_FILES") so that they survive restarts. Entry 1 always
/// exists, with an empty caption while there is no recent file; every change is
/// stored at once. Paths are compared as exact text.
class RUF : public QObject, public RecentCollections
{
    Q_OBJECT
public:
    explicit RUF(SettingsStore& settings);

    /// Fills the entries from the settings; once, at start-up.
    void LoadRecentFiles();
    /// Puts `path` at the top: moves it there when listed, else adds it and drops
    /// the oldest entry beyond `MAX_FILES`.
    void UpdateRecentFiles(const QString& path) override;
    /// Opens the collection of entry `index` (1-based) when its file exists; a file
    /// that has gone is ignored and its entry stays.
    void mnuRUF_Click(int index, Catalogue& catalogue, Services& services);

    /// Captions of the menu entries, entry 1 first (at least one).
    const QStringList& captions() const { return m_captions; }
    /// Whether entry 1 is shown; the later entries always are.
    bool firstEntryVisible() const { return m_firstVisible; }
    int noRUF() const { return m_count; }
    int MAX_FILES() const { return m_maxFiles; }

Q_SIGNALS:
    /// The entries or their captions changed.
    void entriesChanged();

private:
    void AddRecentFile(const QString& path);
    void IncRecentCount();
    void ShiftRecentEntries(const QString& path);
    void RefreshRecentMenu();
    void TrimRecentFiles();
    void ReadMaxFiles();

    QString storedPath(int index) const;
    void storeCount();
    void setEntryCount(int count);

    SettingsStore& m_settings;
    QStringList m_captions{QString()};
    bool m_firstVisible = true;
    int m_count = 0;
    int m_maxFiles = 0;
};

} // namespace twinsweep
