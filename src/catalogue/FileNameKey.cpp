#include "FileNameKey.h"

#include <QChar>

namespace twinsweep {

namespace {
constexpr int NameBytes = FileNameKey::Words * 8 - 1;

/// Writes the bytes of `unit` from `at` on, as far as they fit; false when one did not.
/// As in UTF-8, a greater unit starts with a greater byte, so bytes order as units do.
bool writeUnit(char16_t unit, unsigned char (&bytes)[NameBytes], int& at)
{
    unsigned char encoded[3];
    int count = 0;
    if (unit < 0x80) {
        encoded[count++] = static_cast<unsigned char>(unit);
    } else if (unit < 0x800) {
        encoded[count++] = static_cast<unsigned char>(0xC0 | (unit >> 6));
        encoded[count++] = static_cast<unsigned char>(0x80 | (unit & 0x3F));
    } else {
        encoded[count++] = static_cast<unsigned char>(0xE0 | (unit >> 12));
        encoded[count++] = static_cast<unsigned char>(0x80 | ((unit >> 6) & 0x3F));
        encoded[count++] = static_cast<unsigned char>(0x80 | (unit & 0x3F));
    }
    for (int i = 0; i < count; ++i) {
        if (at == NameBytes)
            return false;
        bytes[at++] = encoded[i];
    }
    return true;
}
} // namespace

char16_t foldedUnit(char16_t unit)
{
    if (unit < 0x80)
        return unit >= 'A' && unit <= 'Z' ? char16_t(unit + ('a' - 'A')) : unit;
    return char16_t(QChar::toCaseFolded(char32_t(unit)));
}

FileNameKey FileNameKey::of(QStringView name)
{
    unsigned char bytes[NameBytes]{};
    int at = 0;
    qsizetype next = 0;
    while (next < name.size() && writeUnit(foldedUnit(name[next].unicode()), bytes, at))
        ++next;
    // A zero unit writes a zero byte, as the end does: only other units make a name go on.
    bool goesOn = false;
    for (; next < name.size() && !goesOn; ++next)
        goesOn = name[next].unicode() != 0;

    FileNameKey key;
    for (int i = 0; i < NameBytes; ++i)
        key.words[size_t(i / 8)] = key.words[size_t(i / 8)] << 8 | bytes[i];
    key.words.back() = key.words.back() << 8 | (goesOn ? 1 : 0);
    return key;
}

} // namespace twinsweep
