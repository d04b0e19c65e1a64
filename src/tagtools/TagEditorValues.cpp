#include "TagEditorValues.h"

#include "ID3TafFromFileName.h"
#include "platform/Id3Genres.h"
#include "platform/Mp3TagReader.h"

namespace twinsweep {

namespace {

enum class TagVersion { None, ID3v1, ID3v2 };

/// The version whose fields the editor shows under the "ID3" setting.
TagVersion shownVersion(const TagInfo& tag, const QString& id3Preference)
{
    const bool v1First = id3Preference.trimmed() == "0";
    const bool v2First = id3Preference.trimmed() == "1";
    if (tag.HasID3v1 && (v1First || (v2First && !tag.HasID3v2)))
        return TagVersion::ID3v1;
    if (tag.HasID3v2 && (v2First || (v1First && !tag.HasID3v1)))
        return TagVersion::ID3v2;
    return TagVersion::None;
}

EditorValues recordedValues(const TagInfo& tag, TagVersion version)
{
    if (version == TagVersion::ID3v1) {
        const ID3v1Fields& v1 = tag.ID3v1;
        return {{v1.Title}, {v1.Artist}, {v1.Album}, {v1.Year}, {v1.Comment}, {ID3v1Fields::GenreName(v1.GenreCode)}};
    }
    if (version == TagVersion::ID3v2) {
        const ID3v2Fields& v2 = tag.ID3v2;
        return {{v2.Title}, {v2.Artist}, {v2.Album}, {v2.Year}, {tag.Comment}, {v2.Genre}};
    }
    return {};
}

/// The tag whose values stand in for the fields the shown one lacks.
TagVersion otherVersion(const TagInfo& tag, TagVersion shown)
{
    if (shown == TagVersion::ID3v1 && tag.HasID3v2)
        return TagVersion::ID3v2;
    if (shown == TagVersion::ID3v2 && tag.HasID3v1)
        return TagVersion::ID3v1;
    return TagVersion::None;
}

/// Each field the shown tag lacks takes the other tag's value, as read (not suggested):
/// a suggestion there would be saved over what the file holds.
void fillLackingFields(EditorValues& values, const EditorValues& other)
{
    for (EditorValue EditorValues::*field : {&EditorValues::title, &EditorValues::artist, &EditorValues::album,
                                             &EditorValues::year, &EditorValues::comment, &EditorValues::genre}) {
        if ((values.*field).text.isEmpty())
            values.*field = other.*field;
    }
}

/// The code a Save keeps while the user leaves the genre shown alone: the file's ID3v1
/// code where the genre is that code's name (codes 30 and 84 share "Fusion") or no name
/// of the list, else the code the ID3v2 genre gives, whichever tag the genre came from.
/// None for no genre.
std::optional<int> keptGenreCode(const TagInfo& tag, const QString& genre)
{
    if (genre.isEmpty())
        return std::nullopt;
    const bool listed = Id3Genres::codeOf(genre) != Id3Genres::NoGenre;
    const bool v1Name = genre.compare(ID3v1Fields::GenreName(tag.ID3v1.GenreCode), Qt::CaseInsensitive) == 0;
    if (tag.HasID3v1 && (v1Name || !listed))
        return tag.ID3v1.GenreCode;
    if (tag.HasID3v2 && tag.ID3v2.GenreCode != Id3Genres::NoGenre)
        return tag.ID3v2.GenreCode;
    return std::nullopt;
}

void suggest(EditorValue& value, const QString& suggestion)
{
    if (value.text.isEmpty() && !suggestion.isEmpty())
        value = {suggestion, true};
}

} // namespace

EditorValues editorValuesFor(const TagInfo& tag, const QString& id3Preference, const QString& path,
                             ID3TafFromFileName& parser, int currentYear)
{
    const TagVersion version = shownVersion(tag, id3Preference);
    EditorValues values = recordedValues(tag, version);
    fillLackingFields(values, recordedValues(tag, otherVersion(tag, version)));
    values.genreCode = keptGenreCode(tag, values.genre.text);
    parser.setDirStructure(ID3TafFromFileName::ArtistDashTitle);
    parser.setFilename(path);
    parser.GetInfoFromFileName();
    suggest(values.title, parser.Title());
    suggest(values.artist, parser.Artist());
    suggest(values.album, parser.Album());
    suggest(values.comment, DefaultComment);
    suggest(values.year, QString::number(currentYear).rightJustified(4, u'0'));
    suggest(values.genre, Id3Genres::name(12)); // "Other"
    return values;
}

int genreCodeOfListPosition(int position)
{
    return position >= 1 && position <= Id3Genres::Count ? position - 1 : Id3Genres::NoGenre;
}

} // namespace twinsweep
