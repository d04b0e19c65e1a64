#include "QueryCommands.h"

#include <cmath>
#include <functional>

#include <QHash>
#include <limits>

#include "QueryList.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Module1.h"
#include "catalogue/cDirEx.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

/// The duration column (whole seconds) as "mm:ss"; "" when it holds no 32-bit number.
QString durationText(const QString& seconds)
{
    bool isNumber = false;
    const double value = std::nearbyint(seconds.trimmed().toDouble(&isNumber));
    if (!isNumber || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return {};
    return Module1::FormatDuration(qint64(value));
}

/// The name of the volume whose index a `NodeNR` text gives; "" when there is no such volume.
QString volumeName(const VolumeTree& tree, const QString& nodeNumber)
{
    bool isNumber = false;
    const double index = std::trunc(nodeNumber.trimmed().toDouble(&isNumber));
    if (!isNumber || index < 1 || index > tree.count())
        return {};
    return tree.node(int(index)).Text;
}

/// Duration texts by the seconds they were made from: a long list repeats a few
/// hundred durations, so each is formatted and stored once.
class DurationTexts
{
public:
    const QString& operator()(const QString& seconds)
    {
        auto found = m_texts.find(seconds);
        if (found == m_texts.end())
            found = m_texts.insert(seconds, durationText(seconds));
        return found.value();
    }

private:
    QHash<QString, QString> m_texts;
};

/// Checked query rows for the selected rows of a file list; `collectionOf` names a row's volume.
std::vector<QueryRow> queryRows(const FileList& list, const std::vector<qsizetype>& selectedRows,
                                const std::function<QString(qsizetype index)>& collectionOf)
{
    std::vector<QueryRow> rows;
    rows.reserve(selectedRows.size());
    DurationTexts durations;
    for (qsizetype index : selectedRows) {
        if (index < 0 || index >= list.size())
            continue;
        rows.push_back({list.text(index, int(Field::Filename)), list.text(index, int(Field::Path)),
                        durations(list.text(index, int(Field::Duration))), collectionOf(index), true});
    }
    return rows;
}

/// Appends the rows and shows the query list with its new count.
void addToQuery(Catalogue& catalogue, QueryList& query, Services& services, std::vector<QueryRow> rows)
{
    query.append(std::move(rows));
    services.status.setStatusText(QString::number(query.size()) + " item(s) added to query.");
    checkcolor(query, services.pump);
    catalogue.showLowerList(LowerList::Query);
}

/// The Tag's row when the Tag holds a number and the list has that row.
std::optional<qsizetype> taggedRow(const QueryList& query)
{
    const std::optional<qsizetype> row = query.tagRow();
    return row && query.contains(*row) ? row : std::nullopt;
}

} // namespace

void checkcolor(QueryList& query, EventPump& pump)
{
    const std::optional<qsizetype> tag = query.tagRow();
    if (!tag)
        return;
    const qsizetype count = query.size();
    TimedYield yield(pump);
    for (qsizetype index = 0; index < count; ++index) {
        // A command run while yielding may have shortened the list.
        if (query.contains(index) && index != *tag && query.row(index).ForeColor == PlayingColor)
            query.setForeColor(index, PlayedColor);
        yield.maybeYield();
    }
    if (const std::optional<qsizetype> playing = taggedRow(query))
        query.setForeColor(*playing, PlayingColor);
}

void addquery_Click(Catalogue& catalogue, QueryList& query, Services& services,
                    const std::vector<qsizetype>& selectedRows)
{
    const auto volumeOf = [&catalogue](qsizetype index) {
        return volumeName(catalogue.TreeView1, catalogue.ListFiles2.text(index, int(Field::NodeNR)));
    };
    addToQuery(catalogue, query, services, queryRows(catalogue.ListFiles2, selectedRows, volumeOf));
}

void addquery1_Click(Catalogue& catalogue, QueryList& query, Services& services,
                     const std::vector<qsizetype>& selectedRows)
{
    const auto collectionOf = [&catalogue](qsizetype index) { return catalogue.Duplicates.row(index).Collection; };
    addToQuery(catalogue, query, services, queryRows(catalogue.Duplicates, selectedRows, collectionOf));
}

void queryplay_Click(QueryList& query, Prompt& prompt, QueryPlayer& player, std::optional<qsizetype> selectedRow)
{
    // The player starts nothing during a fade: a row marked played now would be skipped.
    if (!selectedRow || !query.contains(*selectedRow) || player.fading())
        return;
    const QString path = query.row(*selectedRow).fullPath();
    if (!cDirEx::ExistFile(path)) {
        prompt.tell("Can't find source! Please check is device connected or cd is inserted.", MessageIcon::Exclamation);
        return;
    }
    query.setChecked(*selectedRow, false);
    query.setTag(QString::number(*selectedRow + 1));
    player.playmedia(path);
}

void queryrem_Click(QueryList& query, std::optional<qsizetype> selectedRow)
{
    if (selectedRow)
        query.removeRow(*selectedRow);
}

void queryclear_Click(QueryList& query)
{
    query.clear();
}

void querymplayed_Click(QueryList& query, std::optional<qsizetype> selectedRow)
{
    if (selectedRow)
        query.setForeColor(*selectedRow, PlayedColor);
}

void querymunplayed_Click(QueryList& query, std::optional<qsizetype> selectedRow)
{
    if (selectedRow)
        query.setForeColor(*selectedRow, SystemWindowText);
}

RightClickSelection query_MouseUp(int Shift, qsizetype rowCount, qsizetype selectedCount)
{
    return rowCount == 0 ? RightClickSelection::Keep : rightClickSelection(Shift, selectedCount);
}

} // namespace twinsweep
