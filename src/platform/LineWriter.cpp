#include "LineWriter.h"

#include <charconv>
#include <cstring>

namespace twinsweep {

namespace {
constexpr qsizetype BufferSize = 1 << 20;

char* encodeUtf8(QStringView text, char* out)
{
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    while (p != end) {
        char32_t c = *p++;
        if (c < 0x80) {
            *out++ = (c == '\r' || c == '\n') ? ' ' : char(c);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && p != end && *p >= 0xDC00 && *p <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (*p++ - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD; // a lone surrogate cannot be written as UTF-8
        if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *out++ = char(0xF0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3F));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}
} // namespace

LineWriter::LineWriter(const QString& path) : m_file(path)
{
    // A save that cannot be atomic fails rather than writing into the target directly.
    m_file.setDirectWriteFallback(false);
}

bool LineWriter::open()
{
    m_buffer.resize(BufferSize);
    m_used = 0;
    // Unbuffered: the lines are buffered here, and a write error must show at the
    // write, not at a final flush whose failure the commit would not see.
    m_failed = !m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return !m_failed;
}

char* LineWriter::reserve(qsizetype bytes)
{
    if (m_used + bytes > m_buffer.size()) {
        flush();
        if (bytes > m_buffer.size())
            m_buffer.resize(bytes);
    }
    return m_buffer.data() + m_used;
}

void LineWriter::writeLine(QStringView text)
{
    // At most three bytes per UTF-16 unit, plus CR LF.
    char* out = encodeUtf8(text, reserve(text.size() * 3 + 2));
    *out++ = '\r';
    *out++ = '\n';
    m_used = out - m_buffer.constData();
}

void LineWriter::writeLine(const char* prefix, qint64 number)
{
    const qsizetype prefixLength = qsizetype(std::strlen(prefix));
    char* out = reserve(prefixLength + 22);
    std::memcpy(out, prefix, size_t(prefixLength));
    out = std::to_chars(out + prefixLength, out + prefixLength + 20, number).ptr;
    *out++ = '\r';
    *out++ = '\n';
    m_used = out - m_buffer.constData();
}

void LineWriter::flush()
{
    // A short write is retried, so that a full disk reports itself as such.
    for (qsizetype written = 0; written < m_used && !m_failed;) {
        const qint64 now = m_file.write(m_buffer.constData() + written, m_used - written);
        if (now <= 0) {
            m_failed = true;
            m_writeError = m_file.errorString();
        }
        written += now;
    }
    m_used = 0;
}

bool LineWriter::commit()
{
    flush();
    if (m_failed) {
        m_file.cancelWriting();
        m_file.commit(); // discards the temporary file
        return false;
    }
    return m_file.commit();
}

QString LineWriter::errorString() const
{
    return m_writeError.isEmpty() ? m_file.errorString() : m_writeError;
}

} // namespace twinsweep
