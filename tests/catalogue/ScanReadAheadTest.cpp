#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUuid>

#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "MediaFiles.h"
#include "QtPrinters.h"
#include "ScanFakes.h"
#include "TestEnvironment.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/cDirEx.h"
#include "platform/Mp3TagReader.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

class AcceptedName : public CollectionNameWindow
{
public:
    void SetName(const QString&) override {}
    QString showModal() override { return "Scanned"; }
};

/// A tree of more files than the scanner lists ahead, each MP3 file tagged with its own
/// path, with WAV files, links (to a file, to a folder, to nothing), a folder and a
/// damaged file that match the pattern. Returns its root.
QString makeScanTree()
{
    const QString root = test::scratchRoot() + "/readahead-" + QUuid::createUuid().toString(QUuid::Id128).left(8);
    for (int artist = 0; artist < 6; ++artist) {
        for (int album = 0; album < 5; ++album) {
            const QString folder = QString("%1/artist%2/album%3/").arg(root).arg(artist).arg(album);
            QDir().mkpath(folder);
            for (int track = 1; track <= 12; ++track) {
                const QString name = QString::asprintf("%02d.mp3", track);
                test::writeMp3(folder + name, test::Mp3Content{.bitrate = 32 * (1 + track % 4),
                                                               .frames = 2 + track,
                                                               .id3v2 = test::TagContent{.title = folder + name}});
            }
            if (album == artist % 5)
                test::writeWav(folder + "take.wav", test::WavContent{.dataBytes = 44100 * (artist + 1)});
        }
    }
    QDir().mkpath(root + "/links/x.mp3");
    test::writeBytes(root + "/links/damaged.mp3", QByteArray("no sound here\n").repeated(30));
    QFile::link(root + "/artist1/album1/01.mp3", root + "/links/alias.mp3");
    QFile::link(root + "/artist4/album4/nothing.mp3", root + "/links/gone.mp3");
    QFile::link(root, root + "/links/loop");
    return root;
}

struct ScanResult
{
    QStringList rows;   // every value of every row, the tree's root shown as "~"
    QStringList events; // what the scanner reported and the scanning window showed
    qint64 found = 0;
};

/// Adds the tree as a new volume with `threads` readers; `onFile` runs after each
/// reported file has its row, with the number of files reported so far.
ScanResult scan(const QString& root, int threads, const std::function<void(MainScanner&, int)>& onFile = {})
{
    test::FakeServices fake;
    Catalogue catalogue;
    test::FakeVolumeInfo volumes;
    cDirEx DirEx(fake.pump);
    Mp3TagReader tagReader;
    QueryList query;
    MediaFileReader reader(catalogue, query, tagReader, fake.services);
    reader.ReadThreads = threads;
    test::FakeScanningWindow frmfndupd;
    MainScanner scanner(fake.services, DirEx, reader, frmfndupd);
    test::TestStopFlag StopFlag;
    AcceptedName Form4;
    VolumeAdder adder(catalogue, fake.services, scanner, volumes, StopFlag, Form4);

    ScanResult result;
    const auto shown = [&root](QString text) { return text.replace(root, "~"); };
    QObject::connect(&DirEx, &cDirEx::CurrentFolder,
                     [&](const QString& folder) { result.events << "folder " + shown(folder); });
    int reported = 0;
    QObject::connect(&DirEx, &cDirEx::CurrentFile, [&](const QString& folder, const QString& name, int bits) {
        result.events << "file " + shown(folder) + name + " " + QString::number(bits);
        if (onFile)
            onFile(scanner, ++reported);
    });
    adder.AddVolume(root);
    for (const FileRecord& record : catalogue.ListFiles) {
        QStringList values;
        for (int column = 0; column <= int(Field::NodeNR); ++column)
            values << record.value(column);
        result.rows << shown(values.join('|'));
    }
    // The window shows shortened folders, which need not show the root: counted only.
    result.events << QString::number(frmfndupd.directories.size()) << frmfndupd.files.join(',');
    result.found = scanner.FoundCount;
    return result;
}

class ScanReadAhead : public ::testing::TestWithParam<int>
{};

// Whatever the number of readers, the rows, their values and the reports are those of a
// one-reader scan, also for a file deleted after its folder was listed and before its
// report, while it may have been read ahead.
TEST_P(ScanReadAhead, RowsAndEventsEqualAOneReaderScan)
{
    const auto deleteLaterFile = [](const QString& root) {
        return [root](MainScanner&, int reported) {
            if (reported == 15)
                QFile::remove(root + "/artist0/album1/09.mp3");
        };
    };
    const QString referenceRoot = makeScanTree();
    const ScanResult reference = scan(referenceRoot, 1, deleteLaterFile(referenceRoot));
    const QString root = makeScanTree();
    const ScanResult result = scan(root, GetParam(), deleteLaterFile(root));

    // 360 MP3 files, 3 entries of links/ (a link to nothing is not listed), 6 WAV files.
    ASSERT_EQ(reference.rows.size(), 369);
    EXPECT_EQ(reference.found, 369);
    for (const QString& row : reference.rows) {
        const QStringList values = row.split('|');
        const QString path = values[int(Field::Path)] + values[int(Field::Filename)];
        if (path == "~/artist0/album1/09.mp3") {
            EXPECT_EQ(values.mid(int(Field::FileSize), 5).join(""), "") << "deleted before it was reported";
        } else if (path.startsWith("~/artist") && path.endsWith(".mp3")) {
            EXPECT_EQ(values[int(Field::Title)], path) << "each row gets its own file's tag";
        }
    }
    EXPECT_EQ(result.rows.join('\n'), reference.rows.join('\n'));
    EXPECT_EQ(result.events.join('\n'), reference.events.join('\n'));
    EXPECT_EQ(result.found, reference.found);
}

// A stop from the scanning window keeps exactly the rows of the files reported before
// it, however many files were read ahead, and starts no WAV pass.
TEST_P(ScanReadAhead, AStopKeepsExactlyTheFilesReportedBeforeIt)
{
    const QString root = makeScanTree();
    const ScanResult whole = scan(root, 1);
    for (const int stopAt : {1, 100, 257, 363}) {
        const ScanResult stopped = scan(root, GetParam(), [stopAt](MainScanner& scanner, int reported) {
            if (reported == stopAt)
                scanner.cmdStop_Click();
        });
        EXPECT_EQ(stopped.rows.join('\n'), whole.rows.mid(0, stopAt).join('\n')) << stopAt;
        EXPECT_EQ(stopped.found, stopAt);
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, ScanReadAhead, ::testing::Values(1, 2, 8), ::testing::PrintToStringParamName());

} // namespace
} // namespace twinsweep
