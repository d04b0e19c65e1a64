#pragma once

#include <QString>
#include <QUrl>

namespace twinsweep {

/// The MP3 search site that "On web" hands a term to (scheme and host).
inline constexpr const char* WebSearchSite = "http://mp3search.example.com";

/// The term as the value of the site's query key "srch": a blank becomes "+", every
/// other character but letters, digits and "-._~" is percent-encoded (as UTF-8), so
/// "&", "#", "+" and "%" reach the site as typed.
QString SortSearchString(const QString& SearchString);

/// The address of the site's result page for `term`.
QUrl webSearchAddress(const QString& term);

} // namespace twinsweep
