#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <functional>

#include "ModalWindows.h"
#include "ScratchFiles.h"
#include "platform/ui/QtServices.h"

namespace twinsweep {
namespace {

/// Drives the real dialogs as a user does: typing into the name box, pressing Enter or
/// the dialog's button, double-clicking a folder.
class QtFileDialogsTest : public ::testing::Test
{
protected:
    static QLineEdit& nameEdit(QFileDialog& dialog) { return *dialog.findChild<QLineEdit*>("fileNameEdit"); }
    static void type(QFileDialog& dialog, const QString& text)
    {
        nameEdit(dialog).setFocus();
        QTest::keyClicks(&nameEdit(dialog), text);
    }
    static void pressEnter(QFileDialog& dialog) { QTest::keyClick(&nameEdit(dialog), Qt::Key_Return); }
    static void pressButton(QFileDialog& dialog, QDialogButtonBox::StandardButton which)
    {
        dialog.findChild<QDialogButtonBox*>("buttonBox")->button(which)->click();
    }
    /// Double-clicks `folder` in the dialog's list once the list shows it.
    static void doubleClick(QFileDialog& dialog, const QString& folder)
    {
        auto* view = dialog.findChild<QTreeView*>("treeView");
        auto* model = dialog.findChild<QFileSystemModel*>();
        const QModelIndex index = model->index(folder);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view->visualRect(index).isEmpty(); }));
        // Through the window, so the press comes first, as the view needs it.
        const QPoint place = view->viewport()->mapTo(&dialog, view->visualRect(index).center());
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, place);
    }

    QString root = QDir(test::freshFolder("dialogs")).canonicalPath();
    QtFileDialogs dialogs;
};

TEST_F(QtFileDialogsTest, FolderPickerReturnsTheFolderTypedOrEntered)
{
    const QString shown = root + "/music";
    const QString target = shown + "/target";
    QDir().mkpath(target);
    QDir().mkpath(shown + "/other");
    struct Case
    {
        const char* what;
        std::function<void(QFileDialog&)> act;
    };
    const std::vector<Case> cases{
        {"full path typed, Enter",
         [&](QFileDialog& dialog) {
             type(dialog, target);
             pressEnter(dialog);
         }},
        {"full path typed, Choose",
         [&](QFileDialog& dialog) {
             type(dialog, target);
             pressButton(dialog, QDialogButtonBox::Open);
         }},
        {"entered by double-click, Choose",
         [&](QFileDialog& dialog) {
             doubleClick(dialog, target);
             ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.directory().path() == target; }));
             pressButton(dialog, QDialogButtonBox::Open);
         }},
    };
    for (const Case& c : cases) {
        test::whenModal<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(shown);
            c.act(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        EXPECT_EQ(dialogs.chooseFolder("Choose Path."), target) << c.what;
    }
}

TEST_F(QtFileDialogsTest, SaveDialogAsksAboutTheNameWithTheExtensionAdded)
{
    test::writeFile(root + "/songs.txt", "kept");
    struct Case
    {
        const char* typed;
        QMessageBox::StandardButton answer; // NoButton: no question expected
        QString result;
    };
    const std::vector<Case> cases{
        {"songs", QMessageBox::Yes, root + "/songs.txt"},
        {"songs", QMessageBox::No, ""},
        {"songs.txt", QMessageBox::No, ""},
        {"new", QMessageBox::NoButton, root + "/new.txt"},
        {"listtxt", QMessageBox::NoButton, root + "/listtxt"},
    };
    for (const Case& c : cases) {
        bool asked = false;
        test::whenModal<QFileDialog>([&](QFileDialog& dialog) {
            if (c.answer != QMessageBox::NoButton) {
                test::whenModal<QMessageBox>([&](QMessageBox& question) {
                    asked = true;
                    question.button(c.answer)->click();
                });
            }
            type(dialog, c.typed);
            pressEnter(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        EXPECT_EQ(dialogs.saveFile(root, "Save txt file", "*.txt"), c.result) << c.typed;
        EXPECT_EQ(asked, c.answer != QMessageBox::NoButton) << c.typed;
    }
    EXPECT_EQ(test::readFile(root + "/songs.txt"), "kept");
}

} // namespace
} // namespace twinsweep
