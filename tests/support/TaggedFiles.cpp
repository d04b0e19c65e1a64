#include "TaggedFiles.h"

#include <gtest/gtest.h>

#include "MediaFiles.h"
#include "Taggers.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MediaFileReader.h"
#include "platform/Mp3TagReader.h"

namespace twinsweep::test {

namespace {

void eyeD3(const QStringList& arguments)
{
    runTool("eyeD3", QStringList{"--quiet"} + arguments);
}

class NoQueryRows : public QueryRowSink
{
public:
    void append(const QueryRow&) override {}
};

} // namespace

void writeEyeD3File(const QString& path, TaggedBy tags)
{
    writeMp3(path, {});
    if (tags != TaggedBy::V1)
        eyeD3({"--to-v2.4", "-t", u"\u03a9mega \u4e2d ok"_qs, "-a", u"Art \u4e2d"_qs, "-c", u"\u03a9 comment \u4e2d"_qs,
               path});
    if (tags != TaggedBy::V24)
        eyeD3({"-1", "-t", "Old title", "-a", "Old artist", "-Y", "1999", "-c", "old", path});
}

QStringList rowValues(const FileRecord& row)
{
    QStringList values;
    for (int column = 0; column < FieldCount; ++column)
        values << row.value(column);
    return values;
}

QStringList newScanOf(const FileRecord& row, Services& services)
{
    Catalogue catalogue;
    NoQueryRows query;
    Mp3TagReader tagReader;
    MediaFileReader scan(catalogue, query, tagReader, services);
    scan.DirEx_CurrentFile(row.value(Field::Path), row.value(Field::Filename));
    FileRecord scanned = catalogue.ListFiles.back();
    scanned.setValue(Field::NodeNR, row.value(Field::NodeNR));
    return rowValues(scanned);
}

} // namespace twinsweep::test
