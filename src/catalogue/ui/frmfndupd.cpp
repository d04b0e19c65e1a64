#include "frmfndupd.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"

namespace twinsweep {

namespace {
QLabel* picture(QWidget* parent, QStyle::StandardPixmap icon, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(parent->style()->standardIcon(icon).pixmap(32, 32));
    return label;
}

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 52);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

frmfndupd::frmfndupd(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmfndupd");
    setWindowTitle("Scanning");
    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Directory = valueLabel(Frame1, "Directory");
    File = valueLabel(Frame1, "File");
    auto* fields = new QGridLayout(Frame1);
    fields->addWidget(new QLabel("Directory:", Frame1), 0, 0);
    fields->addWidget(Directory, 0, 1);
    fields->addWidget(new QLabel("File:", Frame1), 1, 0);
    fields->addWidget(File, 1, 1);

    // A folder giving its files to the collection.
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(picture(this, QStyle::SP_DirOpenIcon, "Image1"));
    pictures->addWidget(picture(this, QStyle::SP_ArrowRight, "Image2"));
    pictures->addWidget(picture(this, QStyle::SP_FileIcon, "Image3"));
    pictures->addStretch();
    Command1 = new WinXPbut("Cancel", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    pictures->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(pictures);
}

void frmfndupd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

ScanningWindowHost::ScanningWindowHost(QWidget* owner) : m_owner(owner) {}

void ScanningWindowHost::show()
{
    if (!m_window) {
        m_window = new frmfndupd(m_owner);
        connect(m_window->Command1, &WinXPbut::Click, this, &ScanningWindowHost::cancelClicked);
    }
    m_window->setEnabled(true);
    m_window->show();
}

void ScanningWindowHost::unload()
{
    if (!m_window)
        return;
    // Cancel unloads the window from inside its own click.
    m_window->hide();
    m_window->deleteLater();
    m_window = nullptr;
}

void ScanningWindowHost::setDirectory(const QString& caption)
{
    if (m_window)
        m_window->Directory->setText(caption);
}

void ScanningWindowHost::setFile(const QString& caption)
{
    if (m_window)
        m_window->File->setText(caption);
}

} // namespace twinsweep
