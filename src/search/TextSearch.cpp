#include "TextSearch.h"

#include <QStringMatcher>

#include <algorithm>

#include "HitPass.h"
#include "SearchHistory.h"
#include "WebSearch.h"
#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateGroups.h"
#include "duplicates/DuplicateSearch.h"
#include "platform/DesktopLinks.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

bool blanksOnly(const QString& term)
{
    return std::all_of(term.begin(), term.end(), [](QChar unit) { return unit == u' '; });
}

void handOffToWeb(const ListSearchContext& context, const TextSearchLinks& links, const QString& term)
{
    const QUrl address = webSearchAddress(term);
    StatusDisplay& status = context.services.status;
    const auto failed = [&status, address] { status.setStatusText(cantOpenText(address)); };
    const bool started = links.desktop && links.desktop->open(address, failed);
    status.setStatusText(started ? QString("Search results in web page.") : cantOpenText(address));
    context.services.busy.setBusy(false);
    context.window.clearStop();
    context.window.enableControls();
    context.services.status.setProgressVisible(false);
}

HitPass::RowTest rowTest(const TextSearchChoices& choices)
{
    const QString term = choices.term;
    if (choices.Check18) {
        return [term](const FileRecord& record) {
            return record.value(Field::Filename).startsWith(term, Qt::CaseInsensitive);
        };
    }
    // The matcher prepares the term once for the million texts it looks through.
    const QStringMatcher matcher(term, choices.Check1 ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return [matcher](const FileRecord& record) {
        for (const Field field : {Field::Filename, Field::Title, Field::Artist, Field::Album, Field::Comment}) {
            if (matcher.indexIn(record.value(field)) >= 0)
                return true;
        }
        return false;
    };
}

/// Walks the chosen source; false when a stop request ended the walk.
bool searchSource(const ListSearchContext& context, const TextSearchChoices& choices, HitPass& pass)
{
    Catalogue& catalogue = context.catalogue;
    if (choices.Option1)
        return pass.run(SearchedRows(catalogue.ListFiles), rowTest(choices));
    if (choices.Option2)
        return pass.run(SearchedRows(catalogue.ListFiles, catalogue.ListFiles2), rowTest(choices));
    return true;
}

} // namespace

void findNAME(const ListSearchContext& context, const TextSearchChoices& choices, const TextSearchLinks& links)
{
    if (choices.Option3 && !choices.term.isEmpty()) {
        handOffToWeb(context, links, choices.term);
        return;
    }
    context.window.clearStop();
    if (blanksOnly(choices.term)) {
        finishListSearch(context, 0);
        return;
    }
    links.history.remember(links.nam, choices.term);
    StatusDisplay& status = context.services.status;
    status.setStatusText("Seaching for name. Please wait...");
    status.setProgressVisible(true);
    context.catalogue.Duplicates.clear();
    HitPass pass(context);
    if (searchSource(context, choices, pass)) {
        finishListSearch(context, pass.hits());
        return;
    }
    status.setStatusText("Canceled " + itemsFound(pass.hits()));
    context.window.clearStop();
    status.setProgressVisible(false);
}

} // namespace twinsweep
