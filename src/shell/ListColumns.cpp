#include "ListColumns.h"

#include <algorithm>
#include <array>

#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

namespace twinsweep {

namespace {

// The thirteen columns the volume file list and the result list share.
constexpr std::array<ListColumn, 13> SharedFileColumns = {{
    {"Filename", "Filename", 2820},
    {"Path", "Path", 1860},
    {"File Size (bytes)", "File Size", 1710},
    {"Duration", "Duration", 1185},
    {"Frequency", "Frequency", 1320},
    {"Bitrate", "Bitrate", 1050},
    {"Title", "Title", 960},
    {"Artist", "Artist", 1006},
    {"Album", "Album", 1080},
    {"Comment", "Comment", 1306},
    {"Year", "Year", 960},
    {"MPEG layer", "MPEG layer", 1440},
    {"MPEG version", "MPEG version", 1605},
}};

constexpr std::array<ListColumn, 14> sharedColumnsAnd(ListColumn last)
{
    std::array<ListColumn, 14> columns{};
    std::copy(SharedFileColumns.begin(), SharedFileColumns.end(), columns.begin());
    columns.back() = last;
    return columns;
}

constexpr auto VolumeFileColumns = sharedColumnsAnd({"NodeNR", "", 0});
constexpr auto ResultListColumns = sharedColumnsAnd({"Collection", "Collection", 2716});

constexpr ListColumn QueryColumns[] = {
    {"Filename", "Filename", 4000},
    {"Path", "Path", 2000},
    {"Duration", "Duration", 1185},
    {"Collection", "Collection", 4000},
};

} // namespace

namespace ListColumns {
const ListColumnSet ListFiles2{Settings::List1, VolumeFileColumns};
const ListColumnSet Duplicates{Settings::List2, ResultListColumns};
const ListColumnSet query{Settings::List3, QueryColumns};
} // namespace ListColumns

std::vector<double> storedColumnWidths(const SettingsStore& settings, const ListColumnSet& set)
{
    std::vector<double> widths;
    widths.reserve(set.columns.size());
    for (const ListColumn& column : set.columns) {
        double width = column.defaultWidth;
        if (*column.key != '\0') {
            bool isNumber = false;
            const double stored = settings.value(set.section, column.key).trimmed().toDouble(&isNumber);
            if (isNumber && stored >= 0)
                width = stored;
        }
        widths.push_back(width);
    }
    return widths;
}

void storeColumnWidths(SettingsStore& settings, const ListColumnSet& set, const std::vector<double>& widths)
{
    const size_t count = std::min(widths.size(), set.columns.size());
    for (size_t place = 0; place < count; ++place) {
        if (*set.columns[place].key != '\0')
            settings.setValue(set.section, set.columns[place].key, twipsText(widths[place]));
    }
}

} // namespace twinsweep
