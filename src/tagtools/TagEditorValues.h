#pragma once

#include <QString>

#include <optional>

namespace twinsweep {

class ID3TafFromFileName;
struct TagInfo;

/// A value of the tag editor and whether it is a suggestion (shown in green) rather
/// than what the file's tag holds.
struct EditorValue
{
    QString text;
    bool suggested = false;
};

/// What the tag editor shows for one file.
struct EditorValues
{
    EditorValue title;
    EditorValue artist;
    EditorValue album;
    EditorValue year;
    EditorValue comment;
    EditorValue genre; // a genre name, "" for none
    /// The code a Save that leaves the genre alone writes: the one the file gives, which
    /// the genre's name may not tell (codes 30 and 84 share "Fusion", and a name outside
    /// the list shows no entry); none for a suggested genre.
    std::optional<int> genreCode{};
};

/// The comment suggested for a file whose tag has none.
inline constexpr char DefaultComment[] = "Catalogued with Twinsweep";

/// The tag's fields in the version the "ID3" setting prefers ("0" ID3v1 first, "1"
/// ID3v2 first, any other value none), a field it lacks taken from the file's other tag,
/// then suggestions for the fields neither holds: Title and Artist from a file name
/// "Artist - Title", the default comment, `currentYear` and the genre "Other". `parser`
/// is used with the "Artist - Title" layout.
EditorValues editorValuesFor(const TagInfo& tag, const QString& id3Preference, const QString& path,
                             ID3TafFromFileName& parser, int currentYear);

/// The genre code the editor saves for a position of its genre list, whose first
/// entry is empty: that entry, or none selected, saves 255 (no genre).
int genreCodeOfListPosition(int position);

} // namespace twinsweep
