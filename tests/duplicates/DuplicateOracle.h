#pragma once

// The duplicate search done step by step as the program's rules describe it: for every
// source row a forward prefix search through the searched list, a score per candidate,
// and a skip list scanned from its first entry. Slow (quadratic), and kept only to
// check that the indexed search gives exactly the same rows.

#include <QStringList>

#include <array>
#include <vector>

#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateSearch.h"
#include "duplicates/GroupColorSource.h"

namespace twinsweep::test {

struct OracleResult
{
    std::vector<ListRow> rows;
    std::vector<qsizetype> List1;
};

namespace oracle {

/// A list as the search reads it: per row the text, the 13 sub-item texts and the Tag.
struct Rows
{
    std::vector<std::array<QString, FieldCount>> texts;
    std::vector<qsizetype> tags;
    qsizetype count() const { return qsizetype(texts.size()); }
    const QString& text(qsizetype row, Field field) const { return texts[size_t(row - 1)][size_t(field)]; }
};

inline Rows masterRows(const Catalogue& catalogue)
{
    Rows rows;
    for (size_t position = 0; position < catalogue.ListFiles.size(); ++position) {
        std::array<QString, FieldCount> texts;
        for (int column = 0; column < FieldCount; ++column)
            texts[size_t(column)] = catalogue.ListFiles[position].value(column);
        rows.texts.push_back(texts);
        rows.tags.push_back(qsizetype(position) + 1);
    }
    return rows;
}

inline Rows volumeRows(const Catalogue& catalogue)
{
    const Rows master = masterRows(catalogue);
    Rows rows;
    for (const ListRow& row : catalogue.ListFiles2.rows()) {
        rows.texts.push_back(master.texts[size_t(row.Tag - 1)]);
        rows.tags.push_back(row.Tag);
    }
    return rows;
}

inline bool beginsCaseless(const QString& text, const QString& key)
{
    if (text.size() < key.size())
        return false;
    return text.left(key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

/// The list's find-item: the first row at or after `start` whose text (or, with
/// `subItems`, any of its sub-items 1 to 13) begins with `key`; 0 when none does.
inline qsizetype FindItem(const Rows& list, const QString& key, qsizetype start, bool subItems)
{
    for (qsizetype row = start; row <= list.count(); ++row) {
        if (!subItems && beginsCaseless(list.text(row, Field::Filename), key))
            return row;
        for (int column = 1; subItems && column < FieldCount; ++column) {
            if (beginsCaseless(list.texts[size_t(row - 1)][size_t(column)], key))
                return row;
        }
    }
    return 0;
}

inline bool listHolds(const QStringList& List1, qsizetype row)
{
    for (const QString& entry : List1) {
        if (qsizetype(entry.toDouble()) == row)
            return true;
    }
    return false;
}

inline QString volumeName(const Catalogue& catalogue, const QString& nodeText)
{
    const int node = nodeText.trimmed().toInt();
    return node >= 1 && node <= catalogue.TreeView1.count() ? catalogue.TreeView1.node(node).Text : QString();
}

} // namespace oracle

inline OracleResult oracleFindDuplicates(const Catalogue& catalogue, const DuplicateCriteria& criteria,
                                         DuplicateScope scope, GroupColorSource& colors)
{
    using namespace oracle;
    OracleResult result;
    const int CompareMode = criteria.CompareMode();
    if (CompareMode == 0 || scope == DuplicateScope::None)
        return result;
    const bool allSources = scope == DuplicateScope::SelectedVolumeSourceAllVolumes;
    const Rows source = scope == DuplicateScope::AllVolumes ? masterRows(catalogue) : volumeRows(catalogue);
    const Rows searched = scope == DuplicateScope::SelectedVolume ? source : masterRows(catalogue);
    QStringList List1;
    for (qsizetype i = 1; i <= source.count(); ++i) {
        if (listHolds(List1, i))
            continue;
        const QString name = source.text(i, Field::Filename).toUpper();
        const QString duration = source.text(i, Field::Duration);
        const QString frequency = source.text(i, Field::Frequency);
        const QString bitrate = source.text(i, Field::Bitrate);
        const QString title = source.text(i, Field::Title).toUpper();
        const QString artist = source.text(i, Field::Artist).toUpper();
        const QString key = criteria.Check15 == 1 ? name : criteria.Check16 == 1 ? duration : title;
        bool groupOpen = false;
        qsizetype start = allSources ? 1 : i + 1;
        while (start <= searched.count()) {
            const qsizetype h = FindItem(searched, key, start, criteria.Check15 != 1);
            if (h == 0)
                break;
            int MatchScore = 0;
            if (criteria.Check15 == 1 && searched.text(h, Field::Filename).toUpper() == name)
                ++MatchScore;
            if (criteria.Check16 == 1) {
                MatchScore += searched.text(h, Field::Duration) == duration ? 1 : 0;
                MatchScore += searched.text(h, Field::Frequency) == frequency ? 1 : 0;
                MatchScore += searched.text(h, Field::Bitrate) == bitrate ? 1 : 0;
            }
            if (criteria.Check17 == 1) {
                MatchScore += searched.text(h, Field::Title).toUpper() == title && !title.isEmpty() ? 1 : 0;
                MatchScore += searched.text(h, Field::Artist).toUpper() == artist && !artist.isEmpty() ? 1 : 0;
            }
            const bool sameVolume = allSources && searched.text(h, Field::NodeNR) == source.text(i, Field::NodeNR);
            if (!sameVolume && MatchScore >= CompareMode) {
                if (!groupOpen) {
                    const qsizetype tag = scope == DuplicateScope::AllVolumes ? i : source.tags[size_t(i - 1)];
                    result.rows.push_back(
                        {tag, volumeName(catalogue, source.text(i, Field::NodeNR)), colors.GetColor(true), true});
                    groupOpen = true;
                    List1 << QString::number(i);
                }
                result.rows.push_back({searched.tags[size_t(h - 1)],
                                       volumeName(catalogue, searched.text(h, Field::NodeNR)), colors.GetColor(false),
                                       false});
                if (!allSources)
                    List1 << QString::number(h);
            }
            start = h + 1;
        }
    }
    for (const QString& entry : List1)
        result.List1.push_back(entry.toLongLong());
    return result;
}

} // namespace twinsweep::test
