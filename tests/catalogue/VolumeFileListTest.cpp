#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileNameOrder.h"
#include "catalogue/VolumeFileList.h"
#include "platform/KeyCodes.h"

namespace twinsweep {
namespace {

QStringList names(const QList<MenuEntry>& entries)
{
    QStringList result;
    for (const MenuEntry& entry : entries)
        result << entry.name;
    return result;
}

TEST(Meniu1Test, EntriesShowOnceTheirCommandIsRegisteredInTheirOrder)
{
    ListCommands commands;
    EXPECT_TRUE(shownEntries(Meniu1Entries(), commands).isEmpty());

    commands.add("removefl1_Click", {});
    EXPECT_EQ(names(shownEntries(Meniu1Entries(), commands)), QStringList{"removefl1"});

    for (const char* handler : {"editid3a_Click", "play_Click", "Copy1_Click", "Moveto1_Click"})
        commands.add(handler, {});
    EXPECT_EQ(names(shownEntries(Meniu1Entries(), commands)),
              (QStringList{"play", "t0", "Copy1", "space3", "Moveto1", "space4", "removefl1", "t7", "editid3a"}));

    for (const MenuEntry& entry : Meniu1Entries())
        commands.add(entry.handler, {});
    const QList<MenuEntry> all = shownEntries(Meniu1Entries(), commands);
    EXPECT_EQ(all.size(), 16);
    QStringList captions;
    for (const MenuEntry& entry : all)
        captions << entry.caption;
    EXPECT_EQ(captions, (QStringList{"Play", "Play in WinAmp", "Enqueue in WinAmp", "Add to query", "-",
                                     "Copy Shortcut", "-", "Copy to...", "Copy file to clipboard", "Rename file",
                                     "Move to...", "Delete file", "-", "Remove from collection", "-", "Edit ID3 tag"}));
}

TEST(ListFiles2KeysTest, EachKeyAndShiftStateStartsItsCommand)
{
    using namespace VirtualKey;
    using namespace ShiftState;
    struct Case
    {
        int keyCode;
        int shift;
        QString command;
    };
    const Case cases[]{
        {A, Ctrl, KeyCommand::SelectAll},
        {Return, 0, "play_Click"},
        {Return, Ctrl, "winampplay_Click"},
        {Return, Shift, "winampenq_Click"},
        {Delete, 0, "Deletefilea1_Click"},
        {Delete, Shift, "removefl1_Click"},
        {Escape, 0, KeyCommand::StopPlayback},
        {A, Ctrl + Shift, {}},
        {Return, Alt, {}},
        {Return, Ctrl + Shift, {}},
        {Delete, Ctrl, {}},
        {Escape, Ctrl, {}},
        {A, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListFiles2KeyCommand(c.keyCode, c.shift), c.command) << c.keyCode << " with " << c.shift;
}

TEST(ListFiles2MouseTest, RightReleaseRules)
{
    using RC = RightClickSelection;
    struct Case
    {
        const char* what;
        int button;
        int shift;
        qsizetype rows;
        qsizetype selected;
        std::optional<RC> result;
    };
    const Case cases[]{
        {"empty list opens nothing", 2, 0, 0, 0, std::nullopt},
        {"left button does nothing", 1, 0, 3, 1, std::nullopt},
        {"one selected moves to the hit", 2, 0, 3, 1, RC::SelectOnlyHit},
        {"none selected takes the hit", 2, 0, 3, 0, RC::SelectOnlyHit},
        {"two selected stay", 2, 0, 3, 2, RC::Keep},
        {"Ctrl toggles the hit", 2, ShiftState::Ctrl, 3, 2, RC::ToggleHit},
        {"Shift keeps", 2, ShiftState::Shift, 3, 1, RC::Keep},
        {"Ctrl+Shift keeps", 2, ShiftState::Ctrl + ShiftState::Shift, 3, 1, RC::Keep},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListFiles2_MouseUp(c.button, c.shift, c.rows, c.selected), c.result) << c.what;
}

TEST(ListFiles2MouseTest, LeftPressPreparesADragOnlyWithinTheText)
{
    struct Case
    {
        const char* what;
        int button;
        double x;
        double selectedWidth;
        double hitWidth;
        bool reaches;
        bool drags;
    };
    const Case cases[]{
        {"inside both texts", 1, 10.5, 40.9, 30.2, true, true},
        {"right of the selected text", 1, 41, 40.9, 80, false, false},
        {"at the selected text's whole width", 1, 40, 40.9, 80, false, false},
        {"no row selected", 1, 0, 0, 80, false, false},
        {"right button", 2, 5, 40, 80, false, false},
        {"beyond the hit row's shorter text", 1, 30.7, 40, 30.9, true, false},
    };
    for (const Case& c : cases) {
        const bool reaches = pressReachesSelectedText(c.button, c.x, c.selectedWidth);
        EXPECT_EQ(reaches, c.reaches) << c.what;
        EXPECT_EQ(reaches && pressStartsFileDrag(c.x, c.hitWidth), c.drags) << c.what;
    }
}

TEST(ListFiles2MouseTest, DragPayloadCarriesTheTag)
{
    EXPECT_EQ(draggedFileTag(draggedFilePayload(1234567)), 1234567);
    for (const char* bad : {"", "x", "-3", "0", "12a"})
        EXPECT_EQ(draggedFileTag(bad), 0) << bad;
}

class SortedFileListTest : public ::testing::Test
{
protected:
    SortedFileListTest() { test::addVolume(catalogue, "Rock", {"b.mp3", "A.mp3", "c.mp3", "a.mp3", "B.mp3"}); }
    QStringList shown() const
    {
        QStringList texts;
        for (qsizetype row = 0; row < catalogue.ListFiles2.size(); ++row)
            texts << catalogue.ListFiles2.text(row, 0) + "#" + QString::number(catalogue.ListFiles2.row(row).Tag);
        return texts;
    }
    void fill(std::vector<qsizetype> tags)
    {
        std::vector<ListRow> rows;
        for (const qsizetype tag : tags)
            rows.push_back({tag, {}, SystemWindowText, false});
        catalogue.ListFiles2.assign(std::move(rows));
    }
    Catalogue catalogue;
};

TEST_F(SortedFileListTest, SortingIgnoresCaseAndKeepsEqualNamesInMasterOrder)
{
    fill({1, 2, 3, 4, 5});
    catalogue.ListFiles2.setSorted(true);
    EXPECT_EQ(shown(), (QStringList{"A.mp3#2", "a.mp3#4", "b.mp3#1", "B.mp3#5", "c.mp3#3"}));

    catalogue.ListFiles2.setSorted(false);
    EXPECT_EQ(shown(), (QStringList{"A.mp3#2", "a.mp3#4", "b.mp3#1", "B.mp3#5", "c.mp3#3"}))
        << "switching off leaves the rows; the caller refills";
}

TEST_F(SortedFileListTest, ASortedListStaysSortedThroughEveryFill)
{
    catalogue.ListFiles2.setSorted(true);
    fill({3, 1, 2});
    EXPECT_EQ(shown(), (QStringList{"A.mp3#2", "b.mp3#1", "c.mp3#3"}));
    catalogue.ListFiles2.append(
        std::vector<ListRow>{{5, {}, SystemWindowText, false}, {4, {}, SystemWindowText, false}});
    EXPECT_EQ(shown(), (QStringList{"A.mp3#2", "a.mp3#4", "b.mp3#1", "B.mp3#5", "c.mp3#3"}));

    std::vector<ListRow> rows{{99, {}, SystemWindowText, false}, {1, {}, SystemWindowText, false}};
    sortByFileName(rows, catalogue.ListFiles);
    EXPECT_EQ(rows[0].Tag, 99) << "a Tag without a master row sorts first, as an empty name";
}

TEST_F(SortedFileListTest, ARenamedRowTakesItsPlaceWithItsMarks)
{
    struct Case
    {
        const char* what;
        qsizetype tag;
        QString name;
        QStringList shown;
    };
    const Case cases[]{
        {"down", 2, "bb.mp3", {"a.mp3#4", "b.mp3#1", "B.mp3#5", "bb.mp3#2", "c.mp3#3"}},
        {"to the end", 2, "z.mp3", {"a.mp3#4", "b.mp3#1", "B.mp3#5", "c.mp3#3", "z.mp3#2"}},
        {"up", 3, "0.mp3", {"0.mp3#3", "A.mp3#2", "a.mp3#4", "b.mp3#1", "B.mp3#5"}},
        {"among equal names, in master order", 3, "B.MP3", {"A.mp3#2", "a.mp3#4", "b.mp3#1", "B.MP3#3", "B.mp3#5"}},
        {"nowhere", 4, "a1.mp3", {"A.mp3#2", "a1.mp3#4", "b.mp3#1", "B.mp3#5", "c.mp3#3"}},
    };
    catalogue.ListFiles2.setSorted(true);
    fill({1, 2, 3, 4, 5});
    const QStringList sorted = shown();
    const auto rename = [this](qsizetype tag, const QString& name) {
        const FileRecord& record = catalogue.ListFiles[size_t(rowFromTag(tag))];
        catalogue.relocateFiles({{tag, record.fullPath(), record.value(Field::Path), name}});
    };
    for (const Case& c : cases) {
        const QString oldName = catalogue.ListFiles[size_t(rowFromTag(c.tag))].value(Field::Filename);
        const qsizetype at = qsizetype(sorted.indexOf(oldName + "#" + QString::number(c.tag)));
        catalogue.ListFiles2.setSelected(at, at, true);
        catalogue.ListFiles2.setCurrent(at, true);

        rename(c.tag, c.name);
        EXPECT_EQ(shown(), c.shown) << c.what;
        const qsizetype now = c.shown.indexOf(c.name + "#" + QString::number(c.tag));
        EXPECT_TRUE(catalogue.ListFiles2.row(now).Selected && catalogue.ListFiles2.row(now).Current) << c.what;

        rename(c.tag, oldName);
        EXPECT_EQ(shown(), sorted) << c.what << ", renamed back";
        catalogue.ListFiles2.setSelected(0, catalogue.ListFiles2.size() - 1, false);
        catalogue.ListFiles2.setCurrent(at, false);
    }
}

/// Names that share long beginnings (past the characters compared at once) and differ
/// in case; their characters take one, two or three bytes in a record's key of its name.
class RandomNames
{
public:
    QString next()
    {
        static const QString alphabet = QString::fromUtf8("aAbBzZ \u00e9\u00c9-0\u03a9\u03c9\u3042\uff21\uff41");
        QString name = below(3) == 0 ? QString() : QString("01 - The Same Long Beginning ").left(below(30));
        for (int length = below(12); length > 0; --length)
            name += alphabet[below(int(alphabet.size()))];
        return name;
    }

private:
    int below(int bound)
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return int((m_state >> 33) % quint64(bound));
    }
    quint64 m_state = 13;
};

/// How the records of a list came by the ranks of their names before the list sorts.
struct RankingCase
{
    const char* name;
    int rows;
    std::function<void(std::vector<FileRecord>& master, RandomNames& names)> prepare;
};

void renameEverySeventh(std::vector<FileRecord>& master, RandomNames& names)
{
    for (size_t row = 0; row < master.size(); row += 7)
        master[row].setValue(Field::Filename, names.next());
}

/// Distinct names in master order: `beginning`, then `beginning` and the row's number.
void nameAfterRows(std::vector<FileRecord>& master, const QString& beginning)
{
    master.front().setValue(Field::Filename, beginning);
    for (size_t row = 1; row < master.size(); ++row)
        master[row].setValue(Field::Filename, beginning + QString::number(row).rightJustified(6, u'0'));
}

TEST(SortByFileNameTest, MatchesAPlainCaseFoldedStableSort)
{
    const std::vector<RankingCase> cases{
        {"a short list sorts by keys and names", 3000, renameEverySeventh},
        {"a long unranked list ranks the whole master first", 40000, renameEverySeventh},
        {"a collection ranked in three parts at once", 200000, renameEverySeventh},
        {"distinct names ranked in two parts, none equal across their edge", 140000,
         [](std::vector<FileRecord>& master, RandomNames&) { nameAfterRows(master, "n"); }},
        {"more names than sort by comparison agree on their whole keys", 66,
         [](std::vector<FileRecord>& master, RandomNames&) { nameAfterRows(master, "abcdefghijklmnopqrstuvw"); }},
        {"renamed records join the ranked ones", 3000,
         [](std::vector<FileRecord>& master, RandomNames& names) {
             rankFileNames(master);
             renameEverySeventh(master, names);
         }},
        {"records added after a ranking join the ranked ones", 3000,
         [](std::vector<FileRecord>& master, RandomNames&) {
             std::vector<FileRecord> ranked(master.begin(), master.begin() + 2000);
             rankFileNames(ranked);
             std::copy(ranked.begin(), ranked.end(), master.begin());
         }},
        {"records ranked with another list are not mistaken for ranked with this one", 3000,
         [](std::vector<FileRecord>& master, RandomNames& names) {
             std::vector<FileRecord> other;
             for (int row = 0; row < 1200; ++row)
                 other.push_back(test::makeRecord(names.next(), "/o/", 1));
             rankFileNames(other);
             rankFileNames(master);
             std::copy(other.begin(), other.end(), master.begin() + 500);
         }},
    };
    for (const RankingCase& rankingCase : cases) {
        SCOPED_TRACE(rankingCase.name);
        RandomNames names;
        std::vector<FileRecord> master;
        for (int row = 0; row < rankingCase.rows; ++row)
            master.push_back(test::makeRecord(names.next(), "/m/", 1));
        rankingCase.prepare(master, names);
        // The list holds the master rows backwards: equal names keep the list's order.
        std::vector<ListRow> rows;
        for (qsizetype tag = qsizetype(master.size()); tag >= 1; --tag)
            rows.push_back({tag, {}, SystemWindowText, false});
        std::vector<QString> folded;
        for (const FileRecord& record : master)
            folded.push_back(record.value(Field::Filename).toCaseFolded());
        std::vector<ListRow> expected = rows;
        std::stable_sort(expected.begin(), expected.end(), [&folded](const ListRow& a, const ListRow& b) {
            return folded[size_t(a.Tag - 1)] < folded[size_t(b.Tag - 1)];
        });
        sortByFileName(rows, master);
        ASSERT_EQ(rows.size(), expected.size());
        for (size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].Tag, expected[i].Tag) << "at " << i;
        // A second sort, by the ranks the first one may have made, keeps the order.
        sortByFileName(rows, master);
        for (size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].Tag, expected[i].Tag) << "again, at " << i;
    }
}

} // namespace
} // namespace twinsweep
