#pragma once

#include <QString>

#include <optional>

namespace twinsweep {

/// The ID3v1 genre list, one name per genre code 0 to 147, shared by the tag reader,
/// the tag editor and the renamer so that a name read from a tag maps back to its code.
namespace Id3Genres {

inline constexpr int Count = 148;
/// The byte that means "no genre".
inline constexpr int NoGenre = 255;

/// The name of `code`, "" for a code outside the list.
QString name(int code);
/// The code of `genreName` (letter case ignored): a name of the list, or a name that
/// other taggers write for one of its codes ("Alternative Rock" for "Alt. Rock", "Fast
/// Fusion" for the second "Fusion"); `NoGenre` for any other name.
int codeOf(const QString& genreName);
/// The code an ID3v2 genre text gives, the one rule by which the program reads one:
/// blanks around it do not count; a number, alone or as a version 2.3 reference ("13",
/// "12.0", "(13)", "(13)Pop"), gives its whole part, `NoGenre` outside 0 to 255; else a
/// name as `codeOf` reads it. Nothing for a text that gives no code.
std::optional<int> codeOfText(const QString& genre);

} // namespace Id3Genres

} // namespace twinsweep
