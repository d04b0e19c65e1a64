#include "Form4.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"

namespace twinsweep {

Form4::Form4(const VolumeTree& tree, Prompt& prompt, QWidget* owner) : QDialog(owner), m_tree(tree), m_prompt(prompt)
{
    setObjectName("Form4");
    setWindowTitle("Add collection");
    auto* Frame1 = new QGroupBox("Collection name", this);
    Frame1->setObjectName("Frame1");
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName("Text1");
    Text1->setMinimumWidth(Text1->fontMetrics().averageCharWidth() * 40);
    Command1 = new WinXPbut("OK", Frame1);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    auto* row = new QHBoxLayout(Frame1);
    row->addWidget(Text1);
    row->addWidget(Command1);
    (new QVBoxLayout(this))->addWidget(Frame1);
    connect(Command1, &WinXPbut::Click, this, &Form4::Command1_Click);
}

void Form4::SetName(const QString& Name)
{
    Text1->setText(Name);
    Text1->selectAll();
}

QString Form4::showModal()
{
    // A window made before the main window was disabled for a scan shares its state.
    setEnabled(true);
    Text1->setFocus();
    const QPointer<Form4> self(this);
    const int result = exec();
    if (!self)
        return {};
    if (result == QDialog::Accepted)
        return Text1->text();
    // Closed by its close box: the window unloads, and its name box with it.
    Text1->clear();
    return {};
}

void Form4::Command1_Click()
{
    if (CollectionNameAccepted(m_tree, m_prompt, Text1->text()))
        accept();
}

void Form4::keyPressEvent(QKeyEvent* event)
{
    // No Cancel button: Esc does not close the window.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace twinsweep
