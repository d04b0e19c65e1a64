#pragma once

#include <QString>

namespace twinsweep {

class DesktopLinks;
class SearchHistory;
class TermList;
struct ListSearchContext;

/// The choices of the Search window's "Text" tab.
struct TextSearchChoices
{
    QString term;         // the Text of `nam`, used as typed: case and blanks included
    bool Option1 = true;  // "All volumes": `ListFiles`
    bool Option2 = false; // "Selected volume": `ListFiles2`
    bool Option3 = false; // "On web"
    bool Check1 = false;  // "Mach case"
    bool Check18 = false; // "Extra fast (but not exhaustive)": file-name prefixes only
};

/// Where the text search keeps and hands on its terms.
struct TextSearchLinks
{
    TermList& nam;
    const SearchHistory& history;
    /// Opens the web search in the user's browser; none: no browser can be started.
    DesktopLinks* desktop = nullptr;
};

/// The text search. "On web" with a term hands it to the web search site and says so;
/// when no browser opens it, at once or as the desktop reports later, it says that
/// instead. Otherwise a term of blanks only searches nothing; any other term is
/// remembered in the history and every hit of the chosen source list is written to
/// `Duplicates`: a file whose name, Title, Artist, Album or Comment contains the term,
/// or in the fast mode a file whose name begins with it (case ignored). A completed
/// search shows the result list and "N item(s) found."; a stopped one keeps its hits, says
/// "Canceled N item(s) found." and leaves the main window's view as it was. Every way
/// gives the Search window back with the stop request emptied.
void findNAME(const ListSearchContext& context, const TextSearchChoices& choices, const TextSearchLinks& links);

} // namespace twinsweep
