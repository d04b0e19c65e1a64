#include "SelectedFiles.h"

#include <QSet>

#include "FileOpSteps.h"
#include "catalogue/Catalogue.h"
#include "catalogue/VolumePresenceCheck.h"
#include "platform/Services.h"

namespace twinsweep {

FileList& actingRows(Catalogue& catalogue, ActingList list)
{
    return list == ActingList::ListFiles2 ? catalogue.ListFiles2 : catalogue.Duplicates;
}

std::vector<qsizetype> tagsOfRows(const FileList& list, const std::vector<qsizetype>& rows)
{
    std::vector<qsizetype> tags;
    tags.reserve(rows.size());
    QSet<qsizetype> seen;
    for (const qsizetype row : rows) {
        if (row < 0 || row >= list.size())
            continue;
        const qsizetype tag = list.row(row).Tag;
        if (!seen.contains(tag)) {
            seen.insert(tag);
            tags.push_back(tag);
        }
    }
    return tags;
}

QStringList fullPathsOfRows(const FileList& list, const std::vector<qsizetype>& rows)
{
    QStringList paths;
    paths.reserve(qsizetype(rows.size()));
    for (const qsizetype row : rows) {
        if (row >= 0 && row < list.size())
            paths << list.text(row, int(Field::Path)) + list.text(row, int(Field::Filename));
    }
    return paths;
}

WalkCounts walkMountedFiles(FileOpsContext& ops, const std::vector<qsizetype>& tags,
                            const std::function<QString(const FileRecord&)>& refusal,
                            const std::function<bool(qsizetype tag, const FileRecord&)>& act)
{
    const std::vector<FileRecord>& master = ops.catalogue.ListFiles;
    TimedYield yield(ops.services.pump);
    WalkCounts counts;
    for (const qsizetype tag : tags) {
        yield.maybeYield();
        const qsizetype row = rowFromTag(tag);
        if (row < 0 || row >= qsizetype(master.size()))
            continue;
        const FileRecord& record = master[size_t(row)];
        if (!VolumePresenceCheck(ops.catalogue.TreeView1, ops.volumes, record.fullPath(), record.nodeNumber())) {
            ops.services.status.setStatusText(refusal(record));
            ++counts.passedOver;
            continue;
        }
        ++counts.attempted;
        if (act(tag, record))
            ++counts.succeeded;
    }
    return counts;
}

QString cantFindSource(const FileRecord&)
{
    return CantFindSource;
}

QString chooseTargetFolder(Services& services)
{
    QString folder = services.dialogs.chooseFolder("Select destination");
    if (folder.isEmpty()) {
        services.status.setStatusText("Canceled");
        return {};
    }
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

QString countText(const WalkCounts& counts, const QString& what)
{
    QString text = QString::number(counts.succeeded) + " of " + QString::number(counts.chosen()) + what;
    if (counts.passedOver > 0)
        text += " " + QString::number(counts.passedOver) + " passed over: " + CantFindSource;
    return text;
}

std::vector<qsizetype> checkedTags(const FileList& list)
{
    std::vector<qsizetype> checkedRows;
    for (qsizetype row = 0; row < list.size(); ++row) {
        if (list.row(row).Checked)
            checkedRows.push_back(row);
    }
    return tagsOfRows(list, checkedRows);
}

} // namespace twinsweep
