#include "FileNameToTag.h"

#include <array>

#include "ID3v1Writer.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MediaFileReader.h"
#include "platform/FileLayer.h"
#include "platform/Mp3TagReader.h"
#include "platform/Services.h"
#include "search/StopFlag.h"

namespace twinsweep {

namespace {

bool startsWord(QChar previous)
{
    static const QString separators = QStringLiteral(" \t\n\v\f\r") + QChar(u'\0');
    return separators.contains(previous);
}

QString capitalizeWords(const QString& text)
{
    QString result = text.toLower();
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (i == 0 || startsWord(result[i - 1]))
            result[i] = result[i].toUpper();
    }
    return result;
}

TitleArtistAlbum parsedFields(ID3TafFromFileName& parser, const NameToTagOptions& options, const QString& fullPath)
{
    parser.setDirStructure(dirStructureOfMask(*options.maskPosition));
    parser.setFilename(fullPath);
    parser.GetInfoFromFileName();
    TitleArtistAlbum parsed{parser.Title(), parser.Artist(), parser.Album()};
    if (options.caseConversion) {
        for (QString* field : {&parsed.album, &parsed.artist, &parsed.title})
            *field = convertCase(*field, *options.caseConversion);
    }
    return parsed;
}

/// One row of the run; true when its file's tag was written.
bool writeTagFromName(TagToolContext& tools, ID3TafFromFileName& parser, const NameToTagOptions& options,
                      FileRecord& row)
{
    const QString fullPath = row.fullPath();
    if (!isMp3Path(fullPath))
        return false;
    const TitleArtistAlbum parsed = parsedFields(parser, options, fullPath);
    const bool attributesNormal = tools.files.setAttributesNormal(fullPath);
    if (!attributesNormal && options.policy == OverwritePolicy::DontWriteTag)
        return false;
    tools.reader.Open(fullPath);
    const TitleArtistAlbum recorded{row.value(Field::Title), row.value(Field::Artist), row.value(Field::Album)};
    const std::optional<TitleArtistAlbum> fields =
        fieldsToWrite(*options.policy, recorded, parsed, tools.reader.HasTag());
    if (!fields)
        return false;
    // The year, comment and genre the file holds survive the rewrite.
    const TagInfo& tag = tools.reader.Tag();
    const ID3v1Texts texts{fields->title, fields->artist, fields->album,
                           tag.Year,      tag.Comment,    QString::number(tag.ID3v1.GenreCode)};
    if (!WriteID3v1Tag(tools.services.prompt, fullPath, texts))
        return false;
    rescanRow(row, tools.reader, tools.services.settings);
    return true;
}

} // namespace

int dirStructureOfMask(int maskPosition)
{
    static constexpr std::array<int, 5> layouts = {
        ID3TafFromFileName::ArtistDashTitle,   ID3TafFromFileName::TitleDashArtist,
        ID3TafFromFileName::ArtistTitleFolder, ID3TafFromFileName::ArtistAlbumTitle,
        ID3TafFromFileName::FileNameIsTitle,
    };
    return maskPosition >= 0 && maskPosition < int(layouts.size()) ? layouts[size_t(maskPosition)] : -1;
}

QString convertCase(const QString& text, CaseConversion conversion)
{
    switch (conversion) {
    case CaseConversion::Lower: return text.toLower();
    case CaseConversion::Upper: return text.toUpper();
    case CaseConversion::CapitalizeFirstLetter: return capitalizeWords(text);
    }
    return text;
}

std::optional<TitleArtistAlbum> fieldsToWrite(OverwritePolicy policy, const TitleArtistAlbum& row,
                                              const TitleArtistAlbum& parsed, bool fileHasTag)
{
    switch (policy) {
    case OverwritePolicy::DontWriteTag:
        if (fileHasTag)
            return std::nullopt;
        return parsed;
    case OverwritePolicy::OverwriteEmptyFields:
        return TitleArtistAlbum{isBlank(row.title) ? parsed.title : row.title,
                                isBlank(row.artist) ? parsed.artist : row.artist,
                                isBlank(row.album) ? parsed.album : row.album};
    case OverwritePolicy::OverwriteAllFields: return parsed;
    }
    return std::nullopt;
}

bool WriteTagsFromFileNames(TagToolContext& tools, ID3TafFromFileName& parser, const NameToTagOptions& options,
                            StopFlag& stop, const std::function<void()>& proceeding)
{
    Prompt& prompt = tools.services.prompt;
    stop.clear();
    if (options.scope == SearchScope::None) {
        prompt.tell("There is no volume selected!", MessageIcon::Exclamation);
        return false;
    }
    if (!options.policy || !options.maskPosition) {
        prompt.tell("Not all needed options selected!", MessageIcon::Exclamation);
        return false;
    }
    if (prompt.ask("Do you want to proceed?", MessageIcon::Exclamation, MessageButtons::YesNo, 1) != MessageAnswer::Yes)
        return false;
    if (proceeding)
        proceeding();
    const qsizetype total = qsizetype(scopeTags(tools.catalogue, options.scope).size());
    const qsizetype written =
        runOverScope(tools, options.scope, stop, "Creating ID3 tags from file names. Please wait...",
                     [&](FileRecord& row) { return writeTagFromName(tools, parser, options, row); });
    tools.services.status.setStatusText(QString::number(written) + " of " + QString::number(total) +
                                        " files ID3 tags wrote successfully.");
    return true;
}

} // namespace twinsweep
