#pragma once

#include <QString>

namespace twinsweep {

/// The items of the search term box `nam`, numbered from 0.
class TermList
{
public:
    virtual ~TermList() = default;
    virtual int ListCount() const = 0;
    virtual QString list(int index) const = 0;
    /// Appends `item`; an empty text is ignored.
    virtual void AddItem(const QString& item) = 0;
    virtual void Clear() = 0;
};

/// The search history "searched.mru": one term per line, oldest first, each stored as
/// typed. The program only ever appends to it; the items of `nam` mirror its lines.
class SearchHistory
{
public:
    explicit SearchHistory(QString filePath) : m_filePath(std::move(filePath)) {}
    /// "searched.mru" in the program's data folder.
    static QString defaultFilePath();
    const QString& filePath() const { return m_filePath; }

    /// Adds each non-empty line of the file to `items`; a missing or unreadable file adds
    /// nothing.
    void read(TermList& items) const;
    /// Empties `items` and reads the file again.
    void reload(TermList& items) const;
    /// Unless an item equals `term` without regard to case, appends `term` to the file
    /// and to `items`; the item is added even when the file cannot be written.
    void remember(TermList& items, const QString& term) const;

private:
    QString m_filePath;
};

} // namespace twinsweep
