#include "WebSearch.h"

namespace twinsweep {

QString SortSearchString(const QString& SearchString)
{
    QByteArray encoded = QUrl::toPercentEncoding(SearchString, " ");
    encoded.replace(' ', '+');
    return QString::fromLatin1(encoded);
}

QUrl webSearchAddress(const QString& term)
{
    return QUrl::fromEncoded(QByteArray(WebSearchSite) + "/mp3ftp.php3?srch=" + SortSearchString(term).toLatin1(),
                             QUrl::StrictMode);
}

} // namespace twinsweep
