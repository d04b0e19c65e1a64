#include "BatchToolWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/ui/WinXPbut.h"

namespace twinsweep {

BatchToolWindow::BatchToolWindow(const QString& caption, const QString& startCaption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    Frame1 = new QGroupBox(this);
    Frame8 = new QGroupBox("In", this);
    Option12 = new QRadioButton("All volumes", Frame8);
    Option11 = new QRadioButton("Selected volume", Frame8);
    Option11->setChecked(true);
    auto* scopeLayout = new QVBoxLayout(Frame8);
    scopeLayout->addWidget(Option12);
    scopeLayout->addWidget(Option11);
    Command1 = new WinXPbut(startCaption, this);
    Command2 = new WinXPbut("Cancel", this);
    Command1->setDefault(true);
    connect(Command2, &WinXPbut::Click, this, &BatchToolWindow::Command2_Click);
}

void BatchToolWindow::finishLayout()
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Frame1);
    main->addWidget(Frame8);
    main->addLayout(buttons);
}

SearchScope BatchToolWindow::scope() const
{
    if (Option11->isChecked())
        return SearchScope::SelectedVolume;
    return Option12->isChecked() ? SearchScope::AllVolumes : SearchScope::None;
}

void BatchToolWindow::setOptionsEnabled(bool enabled)
{
    for (QWidget* control :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame8), static_cast<QWidget*>(Command1)})
        control->setEnabled(enabled);
}

void BatchToolWindow::runDisabled(const std::function<bool(const std::function<void()>& disableOptions)>& run)
{
    if (m_running)
        return;
    m_running = true;
    const bool ran = run([this] { setOptionsEnabled(false); });
    setOptionsEnabled(true);
    m_running = false;
    if (ran)
        accept();
}

void BatchToolWindow::reject()
{
    Command2_Click();
}

void BatchToolWindow::Command2_Click()
{
    stopMarker.request();
    // During a run the window stays until the run has finished its file.
    if (!m_running)
        QDialog::reject();
}

} // namespace twinsweep
