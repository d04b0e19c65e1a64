#include "TagEditorValues.h"

#include "ID3TafFromFileName.h"
#include "platform/Id3Genres.h"
#include "platform/Mp3TagReader.h"

namespace twinsweep {

namespace {

EditorValues recordedValues(const TagInfo& tag, const QString& id3Preference)
{
    const bool v1First = id3Preference.trimmed() == "0";
    const bool v2First = id3Preference.trimmed() == "1";
    const bool takeV1 = tag.HasID3v1 && (v1First || (v2First && !tag.HasID3v2));
    const bool takeV2 = tag.HasID3v2 && (v2First || (v1First && !tag.HasID3v1));
    if (takeV1) {
        const ID3v1Fields& v1 = tag.ID3v1;
        return {{v1.Title}, {v1.Artist}, {v1.Album}, {v1.Year}, {v1.Comment}, {ID3v1Fields::GenreName(v1.GenreCode)}};
    }
    if (takeV2) {
        const ID3v2Fields& v2 = tag.ID3v2;
        return {{v2.Title}, {v2.Artist}, {v2.Album}, {v2.Year}, {tag.Comment}, {v2.Genre}};
    }
    return {};
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
    EditorValues values = recordedValues(tag, id3Preference);
    const QString v1Genre = ID3v1Fields::GenreName(tag.ID3v1.GenreCode);
    if (tag.HasID3v1 && !v1Genre.isEmpty() && v1Genre.compare(values.genre.text, Qt::CaseInsensitive) == 0)
        values.genreCode = tag.ID3v1.GenreCode;
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
