#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "ScratchFiles.h"
#include "playback/PlayCommands.h"
#include "queue/QueryCommands.h"

namespace twinsweep {
namespace {

struct RecordingPlayer : QueryPlayer
{
    void playmedia(const QString& path) override { started << path; }
    QStringList started;
};

constexpr char CantFind[] = "Can't find source! Please check is device connected or cd is inserted.";

TEST(PlayCommands, PlayOnlyFilesWhoseVolumeIsPresent)
{
    const QString mount = test::freshFolder("play-commands");
    test::writeFile(mount + "/here.mp3");
    test::FakeVolumeInfo volumes;
    volumes.mount(mount, 77);

    Catalogue catalogue;
    const auto addVolumeAt = [&](const QString& tag, const QString& filename) {
        const int node = catalogue.TreeView1.count() + 1;
        catalogue.TreeView1.add({mount + QString::number(node), tag, "Volume"});
        catalogue.ListFiles.push_back(test::makeRecord(filename, mount + "/", node));
        return qsizetype(catalogue.ListFiles.size());
    };
    const qsizetype playlist = addVolumeAt("Nera", "here.mp3");
    const qsizetype sameDisc = addVolumeAt("77", "here.mp3");
    const qsizetype otherDisc = addVolumeAt("78", "here.mp3");
    const qsizetype missing = addVolumeAt("77", "gone.mp3");

    const struct
    {
        const char* name;
        VolumeOfRow volumeOf;
        std::vector<qsizetype> rows; // master Tags
        std::optional<qsizetype> selected;
        bool plays;
        bool told;
    } cases[]{
        {"a volume without serial number", VolumeOfRow::OwnVolume, {playlist}, 0, true, false},
        {"the serial number matches", VolumeOfRow::OwnVolume, {sameDisc}, 0, true, false},
        {"another disc at the same place", VolumeOfRow::OwnVolume, {sameDisc, otherDisc}, 1, false, true},
        {"the file is missing", VolumeOfRow::OwnVolume, {missing}, 0, false, true},
        {"no selected row", VolumeOfRow::OwnVolume, {sameDisc}, std::nullopt, false, false},
        {"the file list asks its first row's volume",
         VolumeOfRow::FirstRowsVolume,
         {playlist, otherDisc},
         1,
         true,
         false},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        FileList list(catalogue.ListFiles, false);
        for (qsizetype tag : entry.rows)
            list.append(ListRow{tag, {}, SystemWindowText, false});
        test::FakePrompt prompt;
        RecordingPlayer player;

        playSelectedFile(catalogue, list, entry.volumeOf, entry.selected, volumes, prompt, player);

        EXPECT_EQ(player.started, entry.plays ? QStringList{mount + "/here.mp3"} : QStringList());
        EXPECT_EQ(prompt.texts(), entry.told ? QStringList{CantFind} : QStringList());
        if (entry.told) {
            EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Exclamation);
        }
    }
}

} // namespace
} // namespace twinsweep
