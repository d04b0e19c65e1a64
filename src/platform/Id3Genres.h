#pragma once

#include <QString>

namespace twinsweep {

/// The ID3v1 genre list, one name per genre code 0 to 147, shared by the tag reader,
/// the tag editor and the renamer so that a name read from a tag maps back to its code.
namespace Id3Genres {

inline constexpr int Count = 148;
/// The byte that means "no genre".
inline constexpr int NoGenre = 255;

/// The name of `code`, "" for a code outside the list.
QString name(int code);
/// The code of `genreName` (letter case ignored), `NoGenre` for a name outside the list.
int codeOf(const QString& genreName);

} // namespace Id3Genres

} // namespace twinsweep
