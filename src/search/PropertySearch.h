#pragma once

#include <QString>

#include <array>
#include <optional>

namespace twinsweep {

class FileRecord;
struct ListSearchContext;

/// The condition rows of the "Property" tab, in the order they are taken.
enum class PropertyRow {
    Bitrate,     // `Check2` "Bit rate": the first 3 characters read as a number
    Frequency,   // `Check3` "Sample rate": the first 5 characters read as a number
    Size,        // `Check4` "Size": bytes, the whole text read as a number
    MpegVersion, // `Check6` "MPEG version": compared as text
    MpegLayer,   // `Check7` "MPEG layer": the whole text read as a number
};
inline constexpr int PropertyRowCount = 5;

/// One condition row: its check box, the text of its operator box ("<", "=", ">") and
/// the text of its value box (such as "128 Kbit/s").
struct PropertyCondition
{
    bool checked = false;
    QString operatorText{};
    QString valueText{};
};

struct PropertySearchChoices
{
    std::array<PropertyCondition, PropertyRowCount> conditions{}; // by `PropertyRow`
    bool Option11 = false;                                        // "Selected volume": `ListFiles2`
    bool Option12 = true;                                         // "All volumes": `ListFiles`
};

/// A text read as a number the way the property search reads one: by the user's locale,
/// surrounding blanks allowed, anything else (units, letters, "") unreadable; the number
/// is cut down to its whole part.
std::optional<double> wholeNumber(QStringView text);

/// Whether `record` meets one condition. A number that cannot be read on either side
/// counts as met; an operator other than "<", "=", ">" is never met.
bool meetsCondition(const FileRecord& record, PropertyRow row, const PropertyCondition& condition);

/// The property search: refuses conditions with an operator or value missing ("Not all
/// needed options selected!") and an empty choice ("No search method was selected!"),
/// then writes every file of the chosen source that meets all checked conditions to
/// `Duplicates`. A completed search shows the result list and "N item(s) found."; a
/// stopped one keeps its hits, says "Canceled N item(s) found." and leaves the stop
/// request set.
void findProperty(const ListSearchContext& context, const PropertySearchChoices& choices);

} // namespace twinsweep
