#include "SearchHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/TextCodec.h"

namespace twinsweep {

QString SearchHistory::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/twinsweep/searched.mru";
}

void SearchHistory::read(TermList& items) const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    for (const QString& line : splitLines(decodeUtf8OrCp1252(file.readAll())))
        items.AddItem(line);
}

void SearchHistory::reload(TermList& items) const
{
    items.Clear();
    read(items);
}

namespace {

bool holds(const TermList& items, const QString& term)
{
    const QString upper = term.toUpper();
    for (int index = 0; index < items.ListCount(); ++index) {
        if (items.list(index).toUpper() == upper)
            return true;
    }
    return false;
}

/// Whether the file's last line lacks its line end (an edited file may).
bool endsInsideALine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    const QByteArray last = file.read(1);
    return last != "\n" && last != "\r";
}

/// Appends one line; the file is created when missing and never rewritten.
void appendLine(const QString& path, const QString& line)
{
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray lineEnd = "\r\n";
    const QByteArray bytes = (endsInsideALine(path) ? lineEnd : QByteArray()) + line.toUtf8() + lineEnd;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(bytes);
}

} // namespace

void SearchHistory::remember(TermList& items, const QString& term) const
{
    if (holds(items, term))
        return;
    // A line break inside the term would make two lines of one term.
    QString line = term;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    appendLine(m_filePath, line);
    items.AddItem(term);
}

} // namespace twinsweep
