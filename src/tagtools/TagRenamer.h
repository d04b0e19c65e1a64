#pragma once

#include <QString>

#include <array>
#include <functional>

#include "TagToolRun.h"

namespace twinsweep {

class StopFlag;

/// The five fields a name pattern can hold, in token order: "%01" Title, "%02" Artist,
/// "%03" Album, "%04" Year, "%05" Comment.
using PatternFields = std::array<QString, 5>;

/// The fields of a collection row in token order.
PatternFields patternFieldsOf(const FileRecord& row);
/// Each blank field replaced by its stand-in ("Unknown Title" ... "Uncommented").
PatternFields withStandIns(PatternFields fields);

struct ExpandedName
{
    QString name;
    bool missingField = false; // a token met a blank field while all fields are required
};

/// Expands the tokens of `pattern` with `fields`. Text around the tokens stays; a "%0"
/// followed by another character vanishes with it once the name has begun.
ExpandedName expandPattern(const QString& pattern, const PatternFields& fields, bool requireAllFields);

/// The choices of one run of the renamer.
struct RenameOptions
{
    SearchScope scope = SearchScope::SelectedVolume;
    QString pattern;
    bool requireAllFields = true;   // "Rename only if all needed ID3 tag fields exist"
    std::optional<QString> comment; // the new comment while "Recomment" is checked
};

/// Renames the scope's MP3 files after their recorded tag fields, recommenting them
/// first when asked; asks first, runs `proceeding` once the answer is Yes, reports the
/// count in the status bar. A move never replaces a file, never leaves the file's
/// folder and never hides the file. False when the run did not start.
bool RenameFromTags(TagToolContext& tools, const RenameOptions& options, StopFlag& stop,
                    const std::function<void()>& proceeding = {});

} // namespace twinsweep
