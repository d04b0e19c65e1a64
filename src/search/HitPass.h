#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "catalogue/FileList.h"

namespace twinsweep {

class Catalogue;
class SearchWindowLink;
class SearchedRows;
struct Services;

/// What the text and property searches work with besides the Search window's choices.
struct ListSearchContext
{
    Catalogue& catalogue;
    Services& services; // its `busy` is the screen's mouse pointer
    SearchWindowLink& window;
    /// Shows `Duplicates` in the lower pane with "Search results" checked.
    std::function<void()> showResults;
    int yieldIntervalMs = 30;
};

/// A search's walks over source lists: each row that a test accepts becomes a result
/// row of `Duplicates` (unchecked, Tag = the file's `ListFiles` position, "Collection"
/// = its volume's name). The hit count runs on over all walks of one search.
class HitPass
{
public:
    using RowTest = std::function<bool(const FileRecord& record)>;

    explicit HitPass(const ListSearchContext& context) : m_context(context) {}

    /// Walks the rows of `source` in order, moving the progress bar and giving the event
    /// loop turns by time; the hits found so far are in `Duplicates` at every turn. Returns
    /// false when a stop request ended the walk before a row.
    bool run(const SearchedRows& source, const RowTest& isHit);
    qsizetype hits() const { return m_hits; }

private:
    void commit();

    const ListSearchContext& m_context;
    std::vector<ListRow> m_found;
    qsizetype m_hits = 0;
};

/// " item(s) found." after the hit count.
QString itemsFound(qsizetype hits);

/// The end of a completed text or property search: the progress bar hidden, the result
/// list shown, the hit count in the status bar, the default pointer, the stop request
/// emptied and the Search window's controls enabled.
void finishListSearch(const ListSearchContext& context, qsizetype hits);

} // namespace twinsweep
