#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "ID3TafFromFileName.h"
#include "TagToolRun.h"

namespace twinsweep {

class StopFlag;

/// "If tag already exists:", in the order of its list.
enum class OverwritePolicy { DontWriteTag = 0, OverwriteEmptyFields = 1, OverwriteAllFields = 2 };
/// The case conversion of the parsed fields, in the order of its list.
enum class CaseConversion { Lower = 0, Upper = 1, CapitalizeFirstLetter = 2 };

/// The parser layout of each entry of "File name mask:", in the order of its list.
int dirStructureOfMask(int maskPosition);

/// `text` converted; "Capitalize First Letter" starts words only after blanks and
/// control separators, so "the-end (live)" becomes "The-end (live)".
QString convertCase(const QString& text, CaseConversion conversion);

struct TitleArtistAlbum
{
    QString title;
    QString artist;
    QString album;
};

/// The fields to write into a file under `policy`, or nothing when the file is left
/// alone. "Don't write tag" writes only a file that carries no tag yet.
std::optional<TitleArtistAlbum> fieldsToWrite(OverwritePolicy policy, const TitleArtistAlbum& row,
                                              const TitleArtistAlbum& parsed, bool fileHasTag);

/// The choices of one run of the file name to tag tool.
struct NameToTagOptions
{
    SearchScope scope = SearchScope::SelectedVolume;
    std::optional<OverwritePolicy> policy;
    std::optional<int> maskPosition;
    std::optional<CaseConversion> caseConversion; // only while "Case" is checked
};

/// Writes ID3v1 tags from the file names of the scope's MP3 files; asks first, runs
/// `proceeding` once the answer is Yes, reports the count in the status bar. Returns
/// false when the run did not start.
bool WriteTagsFromFileNames(TagToolContext& tools, ID3TafFromFileName& parser, const NameToTagOptions& options,
                            StopFlag& stop, const std::function<void()>& proceeding = {});

} // namespace twinsweep
