#include "QtServices.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace twinsweep {

namespace {
QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice
{
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

QList<ButtonChoice> buttonsOf(MessageButtons buttons)
{
    using B = QMessageBox;
    using A = MessageAnswer;
    switch (buttons) {
    case MessageButtons::Ok: return {{B::Ok, A::Ok}};
    case MessageButtons::OkCancel: return {{B::Ok, A::Ok}, {B::Cancel, A::Cancel}};
    case MessageButtons::AbortRetryIgnore: return {{B::Abort, A::Abort}, {B::Retry, A::Retry}, {B::Ignore, A::Ignore}};
    case MessageButtons::YesNoCancel: return {{B::Yes, A::Yes}, {B::No, A::No}, {B::Cancel, A::Cancel}};
    case MessageButtons::YesNo: return {{B::Yes, A::Yes}, {B::No, A::No}};
    case MessageButtons::RetryCancel: return {{B::Retry, A::Retry}, {B::Cancel, A::Cancel}};
    }
    return {{B::Ok, A::Ok}};
}
} // namespace

MessageAnswer QtPrompt::ask(const QString& text, MessageIcon icon, MessageButtons buttons, int defaultButton,
                            const QString& caption)
{
    QMessageBox box(toQtIcon(icon), caption.isEmpty() ? QApplication::applicationName() : caption, text,
                    QMessageBox::NoButton, m_parent);
    const QList<ButtonChoice> choices = buttonsOf(buttons);
    for (const ButtonChoice& choice : choices)
        box.addButton(choice.button);
    const int defaultIndex = qBound(1, defaultButton, int(choices.size())) - 1;
    box.setDefaultButton(choices[defaultIndex].button);
    const auto pressed = QMessageBox::StandardButton(box.exec());
    for (const ButtonChoice& choice : choices) {
        if (choice.button == pressed)
            return choice.answer;
    }
    // Closing the box counts as its escape answer.
    return buttons == MessageButtons::YesNo ? MessageAnswer::No
           : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                            : MessageAnswer::Cancel;
}

namespace {
/// Qt's own Save dialog, which adds the filter's extension to the typed name before it
/// asks about replacing a file, so the question covers the name that is written. Qt's
/// default suffix would not do: it is added only to names without a dot, while the
/// program adds the extension to every name that does not end in its letters.
class SaveDialog : public QFileDialog
{
public:
    SaveDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
        : QFileDialog(parent, title, folder, filter), m_filter(filter)
    {
        setAcceptMode(AcceptSave);
        setOption(DontUseNativeDialog);
    }

    void accept() override
    {
        auto* nameEdit = findChild<QLineEdit*>("fileNameEdit");
        const QStringList chosen = selectedFiles();
        // A folder typed is entered and a pattern typed filters the view, as Qt does it.
        if (nameEdit && chosen.size() == 1 && !QFileInfo(chosen.first()).isDir() && !nameEdit->text().contains('*'))
            nameEdit->setText(withFilterExtension(nameEdit->text(), m_filter));
        QFileDialog::accept();
    }

private:
    QString m_filter;
};

/// Qt's own folder dialog, returning the folder whose path or name is in the name box,
/// else the folder selected or shown. Qt's dialog puts its list's selection before the
/// typed text, and as the user types it selects each folder the text names on the way
/// ("/", "/home", ...): where the box does not hold the focus, such folders stay
/// selected and the first of them was returned, the typed path's parent or "/". So the
/// typed text no longer selects, and the text is read here.
class FolderDialog : public QFileDialog
{
public:
    FolderDialog(QWidget* parent, const QString& title) : QFileDialog(parent, title)
    {
        setFileMode(Directory);
        setOptions(ShowDirsOnly | DontUseNativeDialog);
        disconnect(nameEdit(), SIGNAL(textChanged(QString)), this, SLOT(_q_autoCompleteFileName(QString)));
    }

    QString chosenFolder() const { return m_chosen; }

    void accept() override
    {
        const QString typed = nameEdit() ? nameEdit()->text() : QString();
        const QFileInfo folder(directory(), typed);
        if (!typed.isEmpty() && folder.isDir()) {
            m_chosen = QDir::cleanPath(folder.absoluteFilePath());
            QDialog::accept();
            return;
        }
        m_chosen = selectedFiles().value(0);
        QFileDialog::accept();
    }

private:
    QLineEdit* nameEdit() const { return findChild<QLineEdit*>("fileNameEdit"); }

    QString m_chosen;
};
} // namespace

QString QtFileDialogs::saveFile(const QString& initialFolder, const QString& title, const QString& filter)
{
    SaveDialog dialog(m_parent, title, initialFolder, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::openFile(const QString& initialFolder, const QString& title, const QString& filter)
{
    QFileDialog dialog(m_parent, title, initialFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // a name that does not exist is accepted too
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::chooseFolder(const QString& title)
{
    FolderDialog dialog(m_parent, title);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenFolder() : QString();
}

void QtEventPump::processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace twinsweep
