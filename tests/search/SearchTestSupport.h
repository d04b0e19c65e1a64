#pragma once

#include <QStringList>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "search/FindState.h"
#include "search/HitPass.h"
#include "search/SearchHistory.h"

namespace twinsweep::test {

/// The list of `nam` as plain texts.
class PlainTermList : public TermList
{
public:
    int ListCount() const override { return int(items.size()); }
    QString list(int index) const override { return items.value(index); }
    void AddItem(const QString& item) override
    {
        if (!item.isEmpty())
            items << item;
    }
    void Clear() override { items.clear(); }

    QStringList items;
};

/// A catalogue, scripted services and the Search window's state for the text and
/// property searches; every row is its own yield, so a test can act between rows.
struct SearchBench
{
    FakeServices fake;
    Catalogue catalogue;
    FindState window{fake.status, fake.busy};
    int resultsShown = 0;
    ListSearchContext context{catalogue, fake.services, window, [this] { ++resultsShown; }, 0};

    /// Names of the result rows' files, in order.
    QStringList resultNames() const
    {
        QStringList names;
        for (qsizetype row = 0; row < catalogue.Duplicates.size(); ++row)
            names << catalogue.Duplicates.text(row, int(Field::Filename));
        return names;
    }
    /// Presses Cancel at the event-loop turn after the `hits`-th result row appeared.
    void cancelAfter(qsizetype hits)
    {
        fake.pump.onProcessEvents = [this, hits] {
            if (catalogue.Duplicates.size() == hits && !window.stopRequested())
                window.cancelas();
        };
    }
};

} // namespace twinsweep::test
