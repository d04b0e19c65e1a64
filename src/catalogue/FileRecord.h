#pragma once

#include <QString>
#include <QStringList>

#include <array>

#include "FileNameKey.h"

namespace twinsweep {

/// The 14 values of a catalogued file, in the order of the file lists' columns.
enum class Field : int {
    Filename = 0, // with extension; the row text
    Path,         // folder ending in "/"
    FileSize,     // bytes
    Duration,     // whole seconds
    Frequency,    // Hz
    Bitrate,      // kbit/s
    Title,
    Artist,
    Album,
    Comment,
    Year,
    MpegLayer, // for a WAV file its codec name
    MpegVersion,
    NodeNR, // index of the owning volume node
};
inline constexpr int FieldCount = 14;

/// Column captions shared by the file lists; the result list shows "Collection" last.
QStringList FileColumns();
QStringList ResultColumns();

/// A record's place among the file names of its list as a ranking found it: records
/// that carry the same `ranking` order as their ranks (equal names, equal ranks).
/// Ranking 0 is none: a record gets it when made and whenever its name changes.
struct NameRank
{
    quint32 ranking = 0;
    quint32 rank = 0;
};

/// One catalogued file: 14 text values. `NodeNR` is also kept as a number, so that
/// matching rows to a volume never parses text; a text that is not a whole number
/// belongs to no volume (number 0).
class FileRecord
{
public:
    FileRecord() = default;
    explicit FileRecord(std::array<QString, FieldCount> values);

    const QString& value(Field field) const { return m_values[size_t(field)]; }
    const QString& value(int column) const { return m_values[size_t(column)]; }
    void setValue(Field field, const QString& text);
    void setValue(int column, const QString& text) { setValue(Field(column), text); }

    /// Path followed by Filename.
    QString fullPath() const { return value(Field::Path) + value(Field::Filename); }
    /// The owning volume's index, 0 when the `NodeNR` text is not a whole number.
    int nodeNumber() const { return m_node; }
    /// The beginning of the file name in the form a sorted list compares.
    const FileNameKey& nameKey() const { return m_nameKey; }
    void setNodeNumber(int node) { setValue(Field::NodeNR, QString::number(node)); }
    /// The rank the last ranking of its list's names gave this record (`rankFileNames`):
    /// only a note of the order, which a ranking writes into records it otherwise only reads.
    NameRank nameRank() const { return m_nameRank; }
    void rememberNameRank(NameRank rank) const { m_nameRank = rank; }

    bool operator==(const FileRecord& other) const { return m_values == other.m_values; }

private:
    std::array<QString, FieldCount> m_values;
    // Beside the node number, which a refill reads for every record anyway.
    FileNameKey m_nameKey;
    int m_node = 0;
    mutable NameRank m_nameRank;
};

/// A catalogued file that now lies in another folder or has another name.
struct FileRelocation
{
    qsizetype Tag = 0; // the file's master row
    QString oldFullPath;
    QString Path; // the new folder, ending in "/"
    QString Filename;
};

/// Row identity: a `ListFiles` row's 1-based position is its `Tag`. Convert only here.
inline qsizetype rowFromTag(qsizetype tag)
{
    return tag - 1;
}
inline qsizetype tagFromRow(qsizetype row)
{
    return row + 1;
}

} // namespace twinsweep
