#include "TextPool.h"

#include "platform/TextCodec.h"

namespace twinsweep {

namespace {
quint64 hashOf(QByteArrayView bytes)
{
    // FNV-1a: values are short, and few of them are distinct.
    quint64 hash = 14695981039346656037ull;
    for (const char byte : bytes)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    return hash;
}
} // namespace

TextPool::TextPool(bool utf8, int columns)
    : m_utf8(utf8),
      m_decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom),
      m_columns(size_t(columns)),
      m_entries(1024)
{}

qsizetype TextPool::find(QByteArrayView bytes, quint64 hash) const
{
    const size_t mask = m_entries.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Entry& entry = m_entries[slot];
        if (entry.keyOffset < 0 ||
            (entry.hash == hash && QByteArrayView(m_keys.data() + entry.keyOffset, entry.keyLength) == bytes))
            return qsizetype(slot);
    }
}

void TextPool::grow()
{
    std::vector<Entry> old(m_entries.size() * 2);
    old.swap(m_entries);
    for (Entry& entry : old) {
        if (entry.keyOffset < 0)
            continue;
        const qsizetype slot = find(QByteArrayView(m_keys.data() + entry.keyOffset, entry.keyLength), entry.hash);
        m_entries[size_t(slot)] = std::move(entry);
    }
    for (Column& column : m_columns)
        column.entry = -1;
}

const QString& TextPool::intern(int column, QByteArrayView bytes)
{
    static const QString empty;
    if (bytes.isEmpty())
        return empty;
    Column& last = m_columns[size_t(column)];
    if (last.entry >= 0 && QByteArrayView(last.bytes) == bytes)
        return m_entries[size_t(last.entry)].text;
    const quint64 hash = hashOf(bytes);
    qsizetype slot = find(bytes, hash);
    if (m_entries[size_t(slot)].keyOffset < 0) {
        if (2 * (m_used + 1) > qsizetype(m_entries.size())) {
            grow();
            slot = find(bytes, hash);
        }
        m_entries[size_t(slot)] = {hash, qsizetype(m_keys.size()), bytes.size(), decode(bytes)};
        m_keys.append(bytes.data(), size_t(bytes.size()));
        ++m_used;
    }
    last.bytes.assign(bytes.data(), size_t(bytes.size()));
    last.entry = slot;
    return m_entries[size_t(slot)].text;
}

char16_t* TextPool::decodeInto(QByteArrayView bytes, char16_t* out)
{
    if (!m_utf8)
        return decodeCp1252(bytes, out);
    return reinterpret_cast<char16_t*>(m_decoder.appendToBuffer(reinterpret_cast<QChar*>(out), bytes));
}

QString TextPool::decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* begin = reinterpret_cast<char16_t*>(text.data());
    text.truncate(decodeInto(bytes, begin) - begin);
    return text;
}

void TextPool::decodeTogether(std::span<const QByteArrayView> bytes, std::span<QString* const> texts)
{
    // Each value takes at most one UTF-16 unit per byte, plus its terminating zero.
    qsizetype capacity = 0;
    int shared = 0;
    for (const QByteArrayView value : bytes) {
        capacity += value.size() + 1;
        shared += value.isEmpty() ? 0 : 1;
    }
    if (shared == 0) {
        for (QString* text : texts)
            *text = QString();
        return;
    }
    auto [block, out] = QTypedArrayData<char16_t>::allocate(capacity);
    block->ref_.storeRelaxed(shared); // one reference per text made below
    for (size_t i = 0; i < texts.size(); ++i) {
        if (bytes[i].isEmpty()) {
            *texts[i] = QString();
            continue;
        }
        char16_t* end = decodeInto(bytes[i], out);
        *end = 0;
        *texts[i] = QString(QStringPrivate(block, out, end - out));
        out = end + 1;
    }
}

} // namespace twinsweep
