#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <span>
#include <string>
#include <vector>

namespace twinsweep {

/// Turns the values of a collection file into compactly stored text while it is read.
/// Values that many files share (a folder's Path, an artist, a bit rate, a volume
/// number) become one shared QString; a file's own values are decoded together into
/// one allocation. Either way the results are ordinary QStrings that outlive the pool.
class TextPool
{
public:
    /// `utf8` false reads the bytes as Windows-1252. `columns` counts the columns
    /// whose values `intern` is given.
    TextPool(bool utf8, int columns);

    /// The text of `bytes`, shared with every earlier equal value. A value equal to
    /// the previous one of its column (files of one folder follow each other) is
    /// found without a lookup.
    const QString& intern(int column, QByteArrayView bytes);
    QString decode(QByteArrayView bytes);
    /// Decodes `bytes[i]` into `*texts[i]`, all sharing one allocation.
    void decodeTogether(std::span<const QByteArrayView> bytes, std::span<QString* const> texts);
    qsizetype size() const { return m_used; }

private:
    /// One pooled text; its bytes are kept in `m_keys` for comparing.
    struct Entry
    {
        quint64 hash = 0;
        qsizetype keyOffset = -1; // -1: the slot is free
        qsizetype keyLength = 0;
        QString text;
    };
    struct Column
    {
        std::string bytes;
        qsizetype entry = -1;
    };

    char16_t* decodeInto(QByteArrayView bytes, char16_t* out);
    qsizetype find(QByteArrayView bytes, quint64 hash) const;
    void grow();

    bool m_utf8;
    QStringDecoder m_decoder;
    std::vector<Column> m_columns;
    std::vector<Entry> m_entries; // open addressing, a power of two in size
    qsizetype m_used = 0;
    std::string m_keys;
};

} // namespace twinsweep
