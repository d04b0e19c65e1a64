#include "QtServices.h"

#include <QApplication>
#include <QFileDialog>
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

QString QtFileDialogs::saveFile(const QString& initialFolder, const QString& title, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, initialFolder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
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
    return QFileDialog::getExistingDirectory(m_parent, title);
}

void QtEventPump::processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace twinsweep
