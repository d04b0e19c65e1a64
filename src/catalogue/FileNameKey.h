#pragma once

#include <QStringView>

#include <array>
#include <compare>

namespace twinsweep {

/// A unit of a file name as a sorted list compares it: case folded, unit by unit.
char16_t foldedUnit(char16_t unit);

/// The beginning of a file name, kept with its record so that a list sorts without
/// reading most names: the folded units, each written in one to three bytes that keep
/// their order (as UTF-8 does), the first 23 bytes and then a byte that says whether
/// anything but zero units follows. Names with different keys order as their keys do;
/// names with equal keys are equal unless `goesOn`, when their texts decide.
struct FileNameKey
{
    static constexpr int Words = 3;
    std::array<quint64, Words> words{};

    static FileNameKey of(QStringView name);
    bool goesOn() const { return (words.back() & 0xFF) != 0; }
    auto operator<=>(const FileNameKey&) const = default;
};

} // namespace twinsweep
