#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <bit>
#include <cstring>

namespace twinsweep {

/// Text files of the program (collections, playlists) are written as UTF-8 and were
/// once written in the Windows ANSI code page. A file is read as UTF-8 when all of
/// its bytes are valid UTF-8, else as Windows-1252.

/// Whether `bytes` is well-formed UTF-8 (no overlong forms, surrogates or values
/// above U+10FFFF).
bool isValidUtf8(QByteArrayView bytes);

/// Windows-1252 bytes as text. Table built with glibc's iconv; the five bytes that
/// code page leaves undefined become the code points of the same value, as Windows
/// reads them.
QString decodeCp1252(QByteArrayView bytes);
/// The same into `out`, one unit per byte; returns the end of what was written.
char16_t* decodeCp1252(QByteArrayView bytes, char16_t* out);

/// Text as Windows-1252, one byte per character; a character the code page lacks
/// becomes "?".
QByteArray encodeCp1252(QStringView text);

/// UTF-8 when valid, else Windows-1252. A leading UTF-8 byte-order mark is dropped.
QString decodeUtf8OrCp1252(QByteArrayView bytes);

/// The first CR or LF from `p` on, or `end`.
template <typename Char> const Char* findLineBreak(const Char* p, const Char* end)
{
    while (p != end && *p != Char('\n') && *p != Char('\r'))
        ++p;
    return p;
}

/// The same for bytes, eight at a time: collection files hold millions of short lines.
inline const char* findLineBreak(const char* p, const char* end)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr quint64 Ones = 0x0101010101010101ull;
        constexpr quint64 Highs = 0x8080808080808080ull;
        for (; end - p >= 8; p += 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            const quint64 lf = word ^ (Ones * '\n');
            const quint64 cr = word ^ (Ones * '\r');
            // The lowest flagged byte is the first break (flags above it may be false).
            const quint64 found = (((lf - Ones) & ~lf) | ((cr - Ones) & ~cr)) & Highs;
            if (found != 0)
                return p + (std::countr_zero(found) >> 3);
        }
    }
    return findLineBreak<char>(p, end);
}

/// Finds where the line starting at `begin` ends: lines end at CR LF, LF or CR.
/// On success `lineEnd` is the end of the line's text and `next` the start of the
/// following line. Returns false when no line ends before `end`; a CR as the very
/// last character only ends a line when `atEnd` says no more input follows (else
/// it may be the first half of a CR LF).
template <typename Char>
bool findLineEnd(const Char* begin, const Char* end, bool atEnd, const Char*& lineEnd, const Char*& next)
{
    const Char* p = findLineBreak(begin, end);
    if (p == end)
        return false;
    lineEnd = p;
    if (*p == Char('\r')) {
        if (p + 1 == end && !atEnd)
            return false;
        if (p + 1 != end && p[1] == Char('\n'))
            ++p;
    }
    next = p + 1;
    return true;
}

/// Splits text into lines at CR LF, LF or CR. A break at the very end starts no
/// further line, so "a\r\nb\r\n" gives two lines; "" gives none.
QStringList splitLines(QStringView text);

} // namespace twinsweep
