#include "TagRenamer.h"

#include "ID3v1Writer.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MediaFileReader.h"
#include "platform/FileLayer.h"
#include "platform/Mp3TagReader.h"
#include "platform/Services.h"
#include "search/StopFlag.h"

namespace twinsweep {

namespace {

constexpr qsizetype TokenLength = 3;

/// Appends the field of the token at `at` (nothing for an unknown token), marking a
/// blank field when all fields are required.
void appendToken(const QString& pattern, qsizetype at, const PatternFields& fields, bool requireAll,
                 ExpandedName& expanded)
{
    static const std::array<QString, 5> tokens = {"%01", "%02", "%03", "%04", "%05"};
    const QStringView token = QStringView(pattern).mid(at, TokenLength);
    for (size_t field = 0; field < tokens.size(); ++field) {
        if (token != tokens[field])
            continue;
        expanded.name += fields[field];
        if (requireAll && isBlank(fields[field]))
            expanded.missingField = true;
        return;
    }
}

/// Whether `name` can be a file's new name: it stays in the file's own folder (a slash
/// would move it elsewhere) and stays in sight (a leading dot hides a file, as an empty
/// pattern's ".mp3" would).
bool isPlainName(const QString& name)
{
    return !name.contains(u'/') && !name.contains(QChar(u'\0')) && !name.startsWith(u'.');
}

/// Writes the file's own tag back with the new comment; true when written.
bool recomment(TagToolContext& tools, const QString& fullPath, const QString& comment)
{
    tools.reader.Open(fullPath);
    const TagInfo& tag = tools.reader.Tag();
    ID3v1Texts texts;
    if (tag.HasID3v1) {
        const ID3v1Fields& v1 = tag.ID3v1;
        texts = {v1.Title, v1.Artist, v1.Album, v1.Year, comment, QString::number(v1.GenreCode)};
    } else if (tag.HasID3v2) {
        const ID3v2Fields& v2 = tag.ID3v2;
        // The reader's code of the genre text; 255 where the text gives none.
        texts = {v2.Title, v2.Artist, v2.Album, v2.Year, comment, QString::number(v2.GenreCode)};
    } else {
        return false;
    }
    texts.commentTyped = true; // the user's own, in the renamer's comment box
    return WriteID3v1Tag(tools.services.prompt, fullPath, texts).has_value();
}

/// Moves the row's file to `newName` within its folder; true when it moved.
bool moveToName(TagToolContext& tools, FileRecord& row, const QString& newName)
{
    if (newName == row.value(Field::Filename) || !isPlainName(newName))
        return false;
    if (!tools.files.moveFile(row.fullPath(), row.value(Field::Path) + newName))
        return false;
    row.setValue(Field::Filename, newName);
    return true;
}

/// One row of the run; true when its file was renamed.
bool renameFromTag(TagToolContext& tools, const RenameOptions& options, FileRecord& row)
{
    const QString fullPath = row.fullPath();
    if (!isMp3Path(fullPath))
        return false;
    PatternFields fields = patternFieldsOf(row);
    if (!options.requireAllFields)
        fields = withStandIns(fields);
    const ExpandedName expanded = expandPattern(options.pattern, fields, options.requireAllFields);
    if (!tools.files.setAttributesNormal(fullPath) || expanded.missingField)
        return false;
    const bool recommented = options.comment && recomment(tools, fullPath, *options.comment);
    const bool renamed = moveToName(tools, row, expanded.name + ".mp3");
    if (recommented)
        rescanRow(row, tools.reader, tools.services.settings);
    return renamed;
}

} // namespace

PatternFields patternFieldsOf(const FileRecord& row)
{
    return {row.value(Field::Title), row.value(Field::Artist), row.value(Field::Album), row.value(Field::Year),
            row.value(Field::Comment)};
}

PatternFields withStandIns(PatternFields fields)
{
    static const PatternFields standIns = {"Unknown Title", "Unknown Artist", "Unknown Album", "Unknown Year",
                                           "Uncommented"};
    for (size_t field = 0; field < fields.size(); ++field) {
        if (isBlank(fields[field]))
            fields[field] = standIns[field];
    }
    return fields;
}

ExpandedName expandPattern(const QString& pattern, const PatternFields& fields, bool requireAllFields)
{
    ExpandedName expanded;
    qsizetype literalFrom = -1; // where the text after the last token starts; -1 before any token
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        if (QStringView(pattern).mid(at, 2) != u"%0")
            continue;
        if (expanded.name.isEmpty())
            expanded.name = pattern.left(at); // until the name has begun, all text before stays
        else if (at > literalFrom)
            expanded.name += QStringView(pattern).mid(literalFrom, at - literalFrom);
        appendToken(pattern, at, fields, requireAllFields, expanded);
        literalFrom = at + TokenLength;
    }
    if (literalFrom < 0)
        return {pattern, false};
    expanded.name += QStringView(pattern).mid(std::min(literalFrom, pattern.size()));
    return expanded;
}

bool RenameFromTags(TagToolContext& tools, const RenameOptions& options, StopFlag& stop,
                    const std::function<void()>& proceeding)
{
    Prompt& prompt = tools.services.prompt;
    stop.clear();
    if (options.scope == SearchScope::None) {
        prompt.tell("There is no volume selected!", MessageIcon::Exclamation);
        return false;
    }
    if (prompt.ask("Do you want to proceed?", MessageIcon::Exclamation, MessageButtons::YesNo, 1) != MessageAnswer::Yes)
        return false;
    if (proceeding)
        proceeding();
    const qsizetype renamed = runOverScope(tools, options.scope, stop, "Renaming file(s). Please wait...",
                                           [&](FileRecord& row) { return renameFromTag(tools, options, row); });
    const qsizetype total = qsizetype(scopeTags(tools.catalogue, options.scope).size());
    tools.services.status.setStatusText(QString::number(renamed) + " of " + QString::number(total) +
                                        " files renamed successfully.");
    return true;
}

} // namespace twinsweep
