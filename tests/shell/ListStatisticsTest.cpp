#include <gtest/gtest.h>

#include <QLocale>

#include "CollectionBuilder.h"
#include "QtPrinters.h"
#include "catalogue/Catalogue.h"
#include "shell/ListStatistics.h"

namespace twinsweep {
namespace {

FileRecord file(const QString& size, const QString& seconds, const QString& bitrate)
{
    FileRecord record = test::makeRecord("a.mp3", "/m/", 1, seconds);
    record.setValue(Field::FileSize, size);
    record.setValue(Field::Bitrate, bitrate);
    return record;
}

struct StatisticsCase
{
    const char* name;
    std::vector<FileRecord> files;
    ListStatistics expected;
};

TEST(ListStatisticsTest, SumsTheWholePartsOfEachCell)
{
    const QString mebibyte = QString::number(1 << 20);
    const std::vector<StatisticsCase> cases{
        {"three files of 1 MiB, 180 s, 192 kbit/s",
         {file(mebibyte, "180", "192"), file(mebibyte, "180", "192"), file(mebibyte, "180", "192")},
         {"3.07 MB", "00:09:00", "192", 3}},
        {"exactly 1 GiB", {file("1073741824", "0", "128")}, {"1 GB", "00:00:00", "128", 1}},
        {"1.5 GiB over two files",
         {file("805306368", "1", "1"), file("805306368", "1", "2")},
         {"1.5 GB", "00:00:02", "1", 2}},
        {"3661 seconds", {file("0", "3661", "0")}, {"0 MB", "01:01:01", "0", 1}},
        {"a hundred hours", {file("0", "360005", "0")}, {"0 MB", "100:00:05", "0", 1}},
        {"fractions are cut to their whole part",
         {file("2048.9", "59.9", "127.9"), file("2048.9", "0.9", "128.9")},
         {"0 MB", "00:00:59", "127", 2}},
        {"a size that is not a number adds nothing but counts",
         {file("abc", "10", "100"), file("3145728", "10", "200")},
         {"3.07 MB", "00:00:20", "150", 2}},
        {"empty cells and blanks around numbers",
         {file("", "", ""), file(" 3145728 ", " 5", "64 ")},
         {"3.07 MB", "00:00:05", "32", 2}},
        {"an empty list", {}, {"0 MB", "00:00:00", "", 0}},
    };
    for (const StatisticsCase& c : cases)
        EXPECT_EQ(listStatistics(ListSource(c.files)), c.expected) << c.name;
}

TEST(ListStatisticsTest, SizeTextsRoundToTwoDecimalsWithoutTrailingZeros)
{
    const QLocale plain = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct
    {
        double bytes;
        QLocale locale;
        const char* text;
    } cases[] = {
        {1024.0 * 1024, plain, "1.02 MB"},       // megabytes are thousands of kilobytes
        {1024.0 * 1500, plain, "1.5 MB"},        // no trailing zero
        {1024.0 * 3125, plain, "3.12 MB"},       // 3.125: a half goes to the even neighbour
        {1024.0 * 1048570, plain, "1048.57 MB"}, // just below a GiB
        {1024.0 * 1048576 * 2, plain, "2 GB"},    {1024.0, plain, "0 MB"},
        {1024.0 * 3072, german, "3,07 MB"}, // the user's decimal separator
        {1024.0 * 1048570, german, "1048,57 MB"}, {1024.0 * 1048576 * 1.5, german, "1,5 GB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(statisticsSizeText(c.bytes, c.locale), c.text) << c.bytes;
}

TEST(ListStatisticsTest, ResultListCountsAllRowsAndTheCheckedRowsApart)
{
    Catalogue catalogue;
    catalogue.ListFiles = {file("1048576", "60", "128"), file("2097152", "120", "320"), file("1048576", "30", "64")};
    catalogue.Duplicates.assign({{1, "V", 0, true}, {2, "V", 0, false}, {3, "V", 0, true}});
    const ResultStatistics both = resultStatistics(catalogue.Duplicates, catalogue.ListFiles);
    EXPECT_EQ(both.all, (ListStatistics{"4.1 MB", "00:03:30", "170", 3}));
    EXPECT_EQ(both.checked, (ListStatistics{"2.05 MB", "00:01:30", "96", 2}));

    catalogue.Duplicates.assign({{1, "V", 0, false}});
    EXPECT_EQ(resultStatistics(catalogue.Duplicates, catalogue.ListFiles).checked,
              (ListStatistics{"0 MB", "00:00:00", "", 0}))
        << "no checked row: an average that cannot be computed stays empty";
}

TEST(ListStatisticsTest, AVolumeListReadsTheFilesItsRowsPointTo)
{
    Catalogue catalogue;
    test::addVolume(catalogue, "A", {"a.mp3"});
    test::addVolume(catalogue, "B", {"b1.mp3", "b2.mp3"});
    catalogue.ListFiles[1].setValue(Field::Duration, "100");
    catalogue.ListFiles2.assign({{2, {}}, {3, {}}});
    const ListStatistics volume = listStatistics(ListSource(catalogue.ListFiles2, catalogue.ListFiles));
    EXPECT_EQ(volume.FileCount, 2);
    EXPECT_EQ(volume.duration, "00:04:40");
}

} // namespace
} // namespace twinsweep
