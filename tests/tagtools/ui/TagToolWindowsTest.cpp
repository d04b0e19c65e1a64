#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFiles.h"
#include "ScratchFiles.h"
#include "Taggers.h"
#include "TaggedFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/Mp3TagReader.h"
#include "platform/SettingKeys.h"
#include "tagtools/ui/Form5.h"
#include "tagtools/ui/id3edit.h"
#include "tagtools/ui/renamer.h"

namespace twinsweep {
namespace {

struct TagToolWindows : ::testing::Test
{
    TagToolWindows()
    {
        catalogue.TreeView1.add({"vol1", "1", "Volume"});
        test::writeMp3(folder + "Band - Song.mp3", {});
        catalogue.ListFiles.push_back(test::makeRecord("Band - Song.mp3", folder, 1));
        catalogue.TreeView1.select(1);
        catalogue.Duplicates.assign({{1, "Volume", SystemWindowText, false}});
        window.ClickNOD();
    }
    id3edit* openEditor()
    {
        window.resultList->commands().run("editid3_Click", {0});
        return window.findChild<id3edit*>();
    }

    const QString folder = test::freshFolder("tag-windows") + "/";
    test::FakeServices fake;
    Catalogue catalogue;
    MainWindow window{catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop};
};

bool isGreen(const QWidget* box)
{
    return box->palette().color(QPalette::Text) == QColor(0, 128, 0);
}

TEST_F(TagToolWindows, TheEditorSuggestsAndSaves)
{
    QPointer<id3edit> editor = openEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->windowTitle(), "Advanced ID3v1 Editor");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isModal());
    EXPECT_TRUE(editor->txtFILE->isReadOnly());
    EXPECT_EQ(editor->txtARTIST->text(), "Band");
    EXPECT_EQ(editor->txtTITLE->text(), "Song");
    EXPECT_EQ(editor->Combo1->currentText(), "Other");
    EXPECT_TRUE(isGreen(editor->txtTITLE) && isGreen(editor->txtYEAR) && isGreen(editor->Combo1));

    editor->txtTITLE->setText("New title");
    editor->txtCOMMENTS->setText(u"\u03a9mega \u4e2d ok"_qs); // text the code page lacks
    editor->Combo1->setCurrentText("Rock");
    QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(editor.isNull()); // closed and deleted

    Mp3TagReader reader;
    reader.Open(folder + "Band - Song.mp3");
    EXPECT_EQ(reader.Tag().ID3v1.Title, "New title");
    EXPECT_EQ(reader.Tag().ID3v1.GenreCode, 17);
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Title), "New title");
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Artist), "Band");
    EXPECT_EQ(reader.Tag().ID3v1.Comment, "?mega ? ok");
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Comment), "?mega ? ok"); // the row holds what the file holds
    EXPECT_TRUE(catalogue.CollectionChanged());
}

TEST_F(TagToolWindows, TheEditorOpensWithTheKeyboardInTitle)
{
    id3edit* editor = openEditor();
    ASSERT_TRUE(editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QTest::keyClicks(QApplication::focusWidget(), " live");
    EXPECT_TRUE(editor->txtTITLE->text().endsWith(" live")) << editor->txtTITLE->text().toStdString();
}

TEST_F(TagToolWindows, SavingUnchangedValuesKeepsTheFile)
{
    // Codes 30 and 84 share the name "Fusion".
    const QByteArray fusion84 =
        test::rawId3v1Tag({.title = "Song", .artist = "Band", .year = "1999", .comment = "c", .genre = 84});
    const QByteArray year =
        test::rawId3v1Tag({.title = "Song", .artist = "Band", .year = "199?", .comment = "c", .genre = 12});
    struct Case
    {
        const char* file;
        test::Mp3Content content;
        QString shownYear;
    };
    const Case cases[] = {
        {"ID3v1 genre 84", {.rawId3v1 = fusion84}, "1999"},
        {"ID3v2 genre Fusion beside ID3v1 genre 84",
         {.id3v2 = test::TagContent{.title = "Song", .artist = "Band", .genre = "Fusion", .yearText = "1999"},
          .rawId3v1 = fusion84},
         "1999"},
        {"ID3v2 year 199?",
         {.id3v2 = test::TagContent{.title = "Song", .artist = "Band", .yearText = "199?"}, .rawId3v1 = year},
         "199?"},
    };
    const QString path = folder + "Band - Song.mp3";
    for (const Case& c : cases) {
        test::writeMp3(path, c.content);
        const QByteArray before = test::readFile(path);
        id3edit* editor = openEditor();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->txtYEAR->text(), c.shownYear) << c.file;
        QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the next opening finds a new editor
        EXPECT_EQ(test::readFile(path), before) << c.file;
    }
}

TEST_F(TagToolWindows, AnUnchangedSaveKeepsWhatTaggersWrote)
{
    struct Case
    {
        QStringList lame;
        QStringList eyeD3;
        qsizetype fromEnd; // the bytes kept, counted from the end of the file
        qsizetype length;
    };
    const Case cases[] = {
        {{"--add-id3v2", "--tg", "84"}, {}, 1, 1}, // the genre byte
        {{"--add-id3v2", "--tg", "40"}, {}, 1, 1},
        {{"--add-id3v2", "--tc", "a comment of exactly 30 chars", "--tn", "9"}, {}, 3, 2}, // zero byte and track
        {{},
         {"-1", "-t", "  Leading Blanks", "-a", "Band", "-A", "Album", "-c", " c", "-Y", "1999", "-G", "Rock"},
         128,
         128},
    };
    const QString path = folder + "Band - Song.mp3";
    for (const Case& c : cases) {
        test::makeTaggedMp3(path, c.lame, c.eyeD3);
        const QByteArray before = test::readFile(path);
        id3edit* editor = openEditor();
        ASSERT_TRUE(editor);
        QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QByteArray after = test::readFile(path);
        ASSERT_EQ(after.size(), before.size());
        EXPECT_EQ(after.right(c.fromEnd).left(c.length), before.right(c.fromEnd).left(c.length))
            << (c.lame + c.eyeD3).join(' ').toStdString();
    }
}

TEST_F(TagToolWindows, AfterAnUnchangedSaveTheRowHoldsWhatANewScanReads)
{
    const FileRecord& row = catalogue.ListFiles[0];
    for (const test::TaggedBy tags : {test::TaggedBy::V24AndV1, test::TaggedBy::V24, test::TaggedBy::V1}) {
        for (const char* preferred : {"1", "0"}) {
            fake.settings.setValue(Settings::ID3, preferred);
            test::writeEyeD3File(row.fullPath(), tags);
            id3edit* editor = openEditor();
            ASSERT_TRUE(editor);
            QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the next opening finds a new editor
            EXPECT_EQ(test::rowValues(row), test::newScanOf(row, fake.services)) << int(tags) << " ID3 " << preferred;
        }
    }
}

TEST_F(TagToolWindows, AnUnchangedSaveKeepsWhatEitherTagHolds)
{
    const QStringList v1{"-1", "-t", "Omega ok", "-a", "Uni Band", "-A", "Uni Album", "-c", "v1 comment"};
    const QStringList v24{"-2", "--to-v2.4", "--encoding", "utf8",      "-t", u"\u03a9mega \u4e2d ok"_qs,
                          "-a", "Uni Band",  "-A",         "Uni Album", "-c", u"\u03a9 comment \u4e2d"_qs};
    const QStringList genreAndYear{"-G", "17", "-Y", "1999"};
    const QString thisYear = QString::number(QDate::currentDate().year());
    struct Case
    {
        const char* preferred;
        QStringList firstTag; // eyeD3's arguments, none for an untagged file
        QStringList secondTag;
        QString year;
        QString genre;
        QColor colour;
        quint8 genreByte;
    };
    const Case cases[] = {
        {"1", v1 + genreAndYear, v24, "1999", "Rock", Qt::black, 17},  // the ID3v2 tag has no year and no genre
        {"0", v1, v24 + genreAndYear, "1999", "Other", Qt::black, 12}, // eyeD3's ID3v1 tag has genre 12, no year
        {"1", {}, {}, thisYear, "Other", QColor(0, 128, 0), 12},       // neither tag: suggestions
    };
    const FileRecord& row = catalogue.ListFiles[0];
    for (const Case& c : cases) {
        fake.settings.setValue(Settings::ID3, c.preferred);
        test::makeTaggedMp3(row.fullPath(), {}, c.firstTag);
        if (!c.secondTag.isEmpty())
            test::runTool("eyeD3", c.secondTag + QStringList{row.fullPath()});
        id3edit* editor = openEditor();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->txtYEAR->text(), c.year) << c.preferred;
        EXPECT_EQ(editor->Combo1->currentText(), c.genre) << c.preferred;
        EXPECT_EQ(editor->txtYEAR->palette().color(QPalette::Text), c.colour) << c.preferred;
        EXPECT_EQ(editor->Combo1->palette().color(QPalette::Text), c.colour) << c.preferred;
        QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the next opening finds a new editor
        const QByteArray id3v1 = test::readFile(row.fullPath()).right(128);
        EXPECT_EQ(id3v1.mid(93, 4), c.year.toLatin1()) << c.preferred;
        EXPECT_EQ(quint8(id3v1[127]), c.genreByte) << c.preferred;
        EXPECT_EQ(test::rowValues(row), test::newScanOf(row, fake.services)) << c.preferred;
    }
}

TEST_F(TagToolWindows, ChoosingFusionFromTheListTakesItsFirstEntry)
{
    const QString path = folder + "Band - Song.mp3";
    test::writeMp3(path, {.rawId3v1 = test::rawId3v1Tag({.title = "Song", .genre = 84})});
    id3edit* editor = openEditor();
    ASSERT_TRUE(editor);
    QTest::keyClick(editor->Combo1, Qt::Key_Down);
    QTest::keyClick(editor->Combo1, Qt::Key_Up);
    EXPECT_EQ(editor->Combo1->currentText(), "Fusion");
    QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
    Mp3TagReader reader;
    reader.Open(path);
    EXPECT_EQ(reader.Tag().ID3v1.GenreCode, 30);
}

TEST_F(TagToolWindows, TheEmptyGenreSavesNoGenreAndCancelWritesNothing)
{
    id3edit* editor = openEditor();
    ASSERT_TRUE(editor);
    editor->Combo1->setCurrentIndex(0);
    QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
    Mp3TagReader reader;
    reader.Open(folder + "Band - Song.mp3");
    EXPECT_EQ(reader.Tag().ID3v1.GenreCode, 255);

    const QByteArray saved = test::readFile(folder + "Band - Song.mp3");
    editor = openEditor();
    ASSERT_TRUE(editor);
    editor->txtTITLE->setText("Not this");
    QTest::mouseClick(editor->winxpbut2, Qt::LeftButton);
    EXPECT_EQ(test::readFile(folder + "Band - Song.mp3"), saved);
}

TEST_F(TagToolWindows, ToolsMenuEntries)
{
    QAction* rnmr = window.toolsMenu->findChild<QAction*>("rnmr");
    QAction* filnametotag = window.toolsMenu->findChild<QAction*>("filnametotag");
    ASSERT_TRUE(rnmr && filnametotag);
    EXPECT_EQ(rnmr->text(), "MP3 ID3 tag to file name");
    EXPECT_EQ(rnmr->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(filnametotag->text(), "MP3 file name to ID3 tag");
    EXPECT_EQ(filnametotag->shortcut(), QKeySequence(Qt::Key_F2));
}

TEST_F(TagToolWindows, TheRenamerRunsFromItsWindow)
{
    catalogue.ListFiles[0].setValue(Field::Title, "T");
    catalogue.ListFiles[0].setValue(Field::Artist, "A");
    QTimer::singleShot(0, [&] {
        auto* tool = window.findChild<renamer*>();
        ASSERT_TRUE(tool);
        EXPECT_EQ(tool->Label13->text(), "Ex. Band - Song");
        tool->Text2->setText("");
        EXPECT_EQ(tool->Label13->text(), "Ex. ");
        tool->Text2->setText("%01 by %02");
        EXPECT_FALSE(tool->Text1->isEnabled());
        QTest::mouseClick(tool->Command1, Qt::LeftButton);
    });
    window.findChild<QAction*>("rnmr")->trigger();
    EXPECT_EQ(test::readFile(folder + "T by A.mp3").isEmpty(), false);
    EXPECT_EQ(catalogue.ListFiles[0].value(Field::Filename), "T by A.mp3");
    EXPECT_EQ(window.statusPanel->text(), "1 of 1 files renamed successfully.");
}

TEST_F(TagToolWindows, TheNameToTagWindowAsksForItsChoices)
{
    QTimer::singleShot(0, [&] {
        auto* tool = window.findChild<Form5*>();
        ASSERT_TRUE(tool);
        EXPECT_FALSE(tool->Combo2->isEnabled());
        tool->Check1->setValue(1);
        EXPECT_TRUE(tool->Combo2->isEnabled());
        QTest::mouseClick(tool->Command1, Qt::LeftButton); // nothing chosen yet
        tool->Combo1->setCurrentIndex(2);
        tool->Combo3->setCurrentIndex(0);
        QTest::mouseClick(tool->Command1, Qt::LeftButton);
    });
    window.findChild<QAction*>("filnametotag")->trigger();
    EXPECT_EQ(fake.prompt.texts(), QStringList({"Not all needed options selected!", "Do you want to proceed?"}));
    Mp3TagReader reader;
    reader.Open(folder + "Band - Song.mp3");
    EXPECT_EQ(reader.Tag().ID3v1.Artist, "Band");
    EXPECT_EQ(window.statusPanel->text(), "1 of 1 files ID3 tags wrote successfully.");
}

TEST_F(TagToolWindows, BatchToolsDisableTheirOptionsOnlyAfterYes)
{
    const auto startAndAnswer = [&](const char* action, MessageAnswer answer, const std::function<void()>& choose) {
        std::vector<bool> enabledWhileAsked;
        fake.prompt.answers = {answer};
        fake.prompt.whileAsking = [&](const QString&) {
            auto* tool = qobject_cast<BatchToolWindow*>(QApplication::activeModalWidget());
            ASSERT_TRUE(tool);
            for (const QWidget* control : {static_cast<QWidget*>(tool->Frame1), static_cast<QWidget*>(tool->Frame8),
                                           static_cast<QWidget*>(tool->Command1)})
                enabledWhileAsked.push_back(control->isEnabled());
        };
        QTimer::singleShot(0, [&] {
            auto* tool = qobject_cast<BatchToolWindow*>(QApplication::activeModalWidget());
            ASSERT_TRUE(tool);
            choose();
            QTest::mouseClick(tool->Command1, Qt::LeftButton);
            if (tool->isVisible()) // answered No: the window stays, its options usable
                tool->close();
        });
        window.findChild<QAction*>(action)->trigger();
        return enabledWhileAsked;
    };
    const std::vector<bool> allEnabled(3, true);
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        EXPECT_EQ(startAndAnswer("rnmr", answer, [] {}), allEnabled);
        EXPECT_EQ(startAndAnswer("filnametotag", answer,
                                 [&] {
                                     auto* tool = window.findChild<Form5*>();
                                     tool->Combo1->setCurrentIndex(1);
                                     tool->Combo3->setCurrentIndex(0);
                                 }),
                  allEnabled);
    }
}

} // namespace
} // namespace twinsweep
