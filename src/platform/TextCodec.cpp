#include "TextCodec.h"

#include <QHash>

#include <array>
#include <cstring>

#include <iconv.h>

namespace twinsweep {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

/// Length of the well-formed sequence at `p`, or 0.
int sequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = p[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(p[i]))
            return 0;
    }
    return length;
}

std::array<char16_t, 256> buildCp1252Table()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[size_t(byte)] = char16_t(byte);
    iconv_t converter = iconv_open("UTF-16LE", "CP1252");
    if (converter == iconv_t(-1))
        return table;
    for (int byte = 0x80; byte < 0x100; ++byte) {
        char in = char(byte);
        unsigned char out[4] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t inLeft = 1, outLeft = sizeof(out);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && outLeft == 2)
            table[size_t(byte)] = char16_t(out[0] | (out[1] << 8));
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(converter);
    return table;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p != end) {
        // Most text is ASCII: test eight bytes at a time.
        if (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = sequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

char16_t* decodeCp1252(QByteArrayView bytes, char16_t* out)
{
    static const std::array<char16_t, 256> table = buildCp1252Table();
    for (const char byte : bytes)
        *out++ = table[static_cast<unsigned char>(byte)];
    return out;
}

QString decodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeCp1252(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

QByteArray encodeCp1252(QStringView text)
{
    static const QHash<char16_t, char> bytesByUnit = [] {
        QHash<char16_t, char> bytes;
        for (int value = 0; value < 256; ++value) {
            const char byte = char(value);
            bytes.insert(decodeCp1252(QByteArrayView(&byte, 1)).front().unicode(), byte);
        }
        return bytes;
    }();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        // A character outside the basic plane is two units but one character.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(bytesByUnit.value(unit.unicode(), '?'));
    }
    return bytes;
}

QString decodeUtf8OrCp1252(QByteArrayView bytes)
{
    if (!isValidUtf8(bytes))
        return decodeCp1252(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return QString::fromUtf8(bytes);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    const QChar* p = text.begin();
    const QChar* lineEnd = nullptr;
    const QChar* next = nullptr;
    while (p != text.end()) {
        if (!findLineEnd(p, text.end(), true, lineEnd, next)) {
            lines.append(QString(p, text.end() - p));
            break;
        }
        lines.append(QString(p, lineEnd - p));
        p = next;
    }
    return lines;
}

} // namespace twinsweep
