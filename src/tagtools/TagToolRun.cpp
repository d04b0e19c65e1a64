#include "TagToolRun.h"

#include "catalogue/Catalogue.h"
#include "platform/MediaChannels.h"
#include "platform/Services.h"
#include "search/StopFlag.h"

namespace twinsweep {

bool isMp3Path(const QString& fullPath)
{
    return fullPath.endsWith(QLatin1String("MP3"), Qt::CaseInsensitive);
}

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

std::vector<qsizetype> scopeTags(const Catalogue& catalogue, SearchScope scope)
{
    std::vector<qsizetype> tags;
    if (scope == SearchScope::SelectedVolume) {
        for (const ListRow& row : catalogue.ListFiles2.rows())
            tags.push_back(row.Tag);
    } else if (scope == SearchScope::AllVolumes) {
        for (qsizetype row = 0; row < qsizetype(catalogue.ListFiles.size()); ++row)
            tags.push_back(tagFromRow(row));
    }
    return tags;
}

qsizetype runOverScope(TagToolContext& tools, SearchScope scope, StopFlag& stop, const QString& startText,
                       const std::function<bool(FileRecord& row)>& step)
{
    Services& ui = tools.services;
    Catalogue& catalogue = tools.catalogue;
    ui.status.setStatusText(startText);
    ReleasePlayerChannels(tools.channels);
    const std::vector<qsizetype> tags = scopeTags(catalogue, scope);
    ui.status.setProgressMaximum(qsizetype(tags.size()));
    ui.status.setProgressValue(0);
    ui.status.setProgressVisible(true);
    TimedYield yield(ui.pump);
    qsizetype succeeded = 0;
    for (qsizetype i = 0; i < qsizetype(tags.size()) && !stop.requested(); ++i) {
        const qsizetype row = rowFromTag(tags[size_t(i)]);
        if (row >= 0 && row < qsizetype(catalogue.ListFiles.size()) && step(catalogue.ListFiles[size_t(row)]))
            ++succeeded;
        if (yield.due()) {
            ui.status.setProgressValue(i + 1);
            yield.yieldNow();
        }
    }
    catalogue.RefreshVolumeFileList(ui);
    stop.clear();
    if (succeeded > 0)
        catalogue.MarkCollectionChanged();
    ui.status.setProgressVisible(false);
    return succeeded;
}

} // namespace twinsweep
