#include "ApproxOracle.h"

#include <algorithm>

#include "catalogue/Catalogue.h"
#include "duplicates/GroupColorSource.h"
#include "duplicates/SkipList.h"
#include "platform/Services.h"

namespace twinsweep::test {

namespace {

int Len(const QString& text)
{
    return int(text.size());
}

QString Mid(const QString& text, int start, int length)
{
    return start > Len(text) ? QString() : text.mid(start - 1, length);
}

QString Left(const QString& text, int length)
{
    return text.left(length);
}

QString Trim(const QString& text)
{
    int first = 1;
    int last = Len(text);
    while (first <= last && Mid(text, first, 1) == " ")
        ++first;
    while (last >= first && Mid(text, last, 1) == " ")
        --last;
    return Mid(text, first, last - first + 1);
}

/// One list of the search: its rows' texts, volume texts and Tags, by 1-based position.
struct OracleList
{
    const Catalogue& catalogue;
    bool visibleList; // ListFiles2 rather than ListFiles

    int count() const { return visibleList ? int(catalogue.ListFiles2.size()) : int(catalogue.ListFiles.size()); }
    qsizetype tag(int position) const { return visibleList ? catalogue.ListFiles2.row(position - 1).Tag : position; }
    const FileRecord& record(int position) const { return catalogue.ListFiles[size_t(tag(position) - 1)]; }
    QString text(int position) const { return record(position).value(Field::Filename); }
    QString nodeText(int position) const { return record(position).value(Field::NodeNR); }
};

QString baseName(const QString& text)
{
    return Len(text) < 4 ? QString() : Left(text, Len(text) - 4);
}

ListRow resultRow(const Catalogue& catalogue, const OracleList& list, int position, ColorValue color, bool checked)
{
    const int node = list.record(position).nodeNumber();
    const QString volume =
        node >= 1 && node <= catalogue.TreeView1.count() ? catalogue.TreeView1.node(node).Text : QString();
    return ListRow{list.tag(position), volume, color, checked};
}

} // namespace

float literalCompareTXT(QString& String1, QString& String2)
{
    String1 = Trim(String1.toUpper());
    String2 = Trim(String2.toUpper());
    if (String1 == String2)
        return 100;
    int n = std::max(Len(String1), Len(String2));
    const int passEnd = n;
    for (int k = 1; k <= passEnd; ++k) {
        if (k > Len(String1))
            break;
        if (Mid(String1, k, 1) == " ")
            String1 = Left(String1, k - 1) + Mid(String1, k + 1, Len(String1));
        if (k > Len(String2))
            break;
        if (Mid(String2, k, 1) == " ")
            String2 = Left(String2, k - 1) + Mid(String2, k + 1, Len(String2));
        n = std::max(Len(String1), Len(String2));
    }
    int equal = 0;
    for (int k = 1; k <= n; ++k) {
        if (Mid(String1, k, 1) == Mid(String2, k, 1))
            ++equal;
    }
    return float(double(equal) / double(n) * 100.0);
}

void literalFNDDPLBYNAME(Catalogue& catalogue, Services& services, GroupColorSource& colors,
                         const ApproxSearchOptions& options)
{
    catalogue.Duplicates.clear();
    services.status.setStatusText("Searching for duplicates. Please wait...");
    if (options.scope != ApproxScope::None) {
        const bool sourceAll = options.scope == ApproxScope::AllVolumes;
        const bool comparedAll = options.scope != ApproxScope::SelectedVolume;
        const bool acrossVolumes = options.scope == ApproxScope::SelectedVolumeAgainstAll;
        const OracleList source{catalogue, !sourceAll};
        const OracleList compared{catalogue, !comparedAll};
        services.status.setProgressMaximum(source.count());
        services.status.setProgressVisible(true);
        std::vector<int> List1;
        QString sourceName;
        QString comparedName;
        for (int i = 1; i <= source.count(); ++i) {
            if (options.stopRequested && options.stopRequested())
                break;
            services.pump.processEvents();
            int head = 0;
            if (std::find(List1.begin(), List1.end(), i) != List1.end())
                continue;
            services.status.setProgressValue(i);
            sourceName = baseName(source.text(i));
            const int last = compared.count();
            for (int j = acrossVolumes ? 1 : i + 1; j <= last; ++j) {
                comparedName = baseName(compared.text(j));
                const float score = literalCompareTXT(sourceName, comparedName);
                bool duplicate = score >= float(options.threshold);
                if (acrossVolumes)
                    duplicate = duplicate && source.nodeText(i) != compared.nodeText(j);
                if (!duplicate)
                    continue;
                if (head == 0) {
                    head = i;
                    catalogue.Duplicates.append(resultRow(catalogue, source, i, colors.GetColor(true), true));
                    List1.push_back(i);
                }
                catalogue.Duplicates.append(resultRow(catalogue, compared, j, colors.GetColor(false), false));
                if (!acrossVolumes)
                    List1.push_back(j);
            }
        }
        if (options.List1) {
            options.List1->clear();
            for (int row : List1)
                options.List1->append(row);
        }
    }
    services.status.setProgressVisible(false);
    services.status.setStatusText(QString::number(catalogue.Duplicates.size()) + " duplicate(s) found.");
}

} // namespace twinsweep::test
