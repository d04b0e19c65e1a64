#include "frmAbout.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QWindow>

#include "shell/AppInfo.h"
#include "shell/ui/Icons.h"

namespace twinsweep {

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

/// A label showing `text` as a link to `target`.
QLabel* makeLink(QWidget* parent, const char* name, const QString& text, const QString& target)
{
    QLabel* label = makeLabel(parent, name, QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    return label;
}
} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("About Twinsweep"));
    Image1 = makeLabel(this, "Image1", {});
    Image1->setPixmap(Icons::icon(QStringLiteral("twinsweep")).pixmap(96, 96));
    Image1->installEventFilter(this);
    auto* title = makeLabel(this, "lblTitle", QStringLiteral("Twinsweep"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    Label1 = makeLabel(this, "Label1", QStringLiteral("*.*.*"));
    lblHomePageCap = makeLabel(this, "lblHomePageCap", QStringLiteral("Home Page:"));
    lblHomePage = makeLink(this, "lblHomePage", AppInfo::HomePage, AppInfo::HomePage);
    lblEmailCap = makeLabel(this, "lblEmailCap", QStringLiteral("E-mail address:"));
    lblEmail = makeLink(this, "lblEmail", AppInfo::EmailAddress, AppInfo::mailLink());
    lblCopyright = makeLabel(this, "lblCopyright", QString::fromUtf8(AppInfo::Copyright));
    for (QLabel* link : {lblHomePage, lblEmail})
        connect(link, &QLabel::linkActivated, this, [this](const QString& target) { Q_EMIT linkChosen(QUrl(target)); });

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(Image1, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1, 1, 2);
    layout->addWidget(Label1, 1, 1, 1, 2);
    layout->addWidget(lblHomePageCap, 2, 1);
    layout->addWidget(lblHomePage, 2, 2);
    layout->addWidget(lblEmailCap, 3, 1);
    layout->addWidget(lblEmail, 3, 2);
    layout->addWidget(lblCopyright, 4, 1, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Some window systems take the focus from the box before they give it to the next
    // window: the box goes once that window has it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &frmAbout::focusMoved);
    Form_Load();
}

void frmAbout::Form_Load()
{
    Label1->setText(AppInfo::versionText());
}

void frmAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        focusMoved();
}

void frmAbout::showInFront()
{
    show();
    raise();
    activateWindow();
    m_askedForFocus = true;
}

void frmAbout::showEvent(QShowEvent* event)
{
    // While shown, a click in any window of the program is seen: the box may never
    // have been the active window (the command line's work took the focus first).
    qApp->installEventFilter(this);
    m_hadFocus = false;
    m_askedForFocus = false;
    m_behindMessage = false;
    QDialog::showEvent(event);
}

void frmAbout::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

void frmAbout::focusMoved()
{
    if (!isVisible())
        return;
    const QWidget* window = QApplication::activeWindow();
    if (qobject_cast<const QMessageBox*>(window)) {
        m_behindMessage = m_hadFocus || m_askedForFocus;
    } else if (window == this) {
        m_hadFocus = true;
        m_askedForFocus = m_behindMessage = false;
    } else if (window && m_behindMessage) {
        // A closing message hands the focus to its owner, the main window; that is not
        // the user's move, and the box the message stood in front of takes it back.
        m_behindMessage = false;
        activateWindow();
    } else if (window) {
        // Only a focus the box had can be lost; a window system may give it to the main
        // window first, and then the box stays until the user leaves it.
        m_askedForFocus = false;
        if (m_hadFocus)
            Form_LostFocus(window);
    }
}

void frmAbout::Form_LostFocus(const QWidget* window)
{
    // Only another window of the program takes the focus away: switching to another
    // program, or the support message shown in front of the box, leaves it open.
    if (window && window != this && !qobject_cast<const QMessageBox*>(window))
        hide();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease)
        hide(); // Image1_Click
    else if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType())
        Form_LostFocus(static_cast<const QWidget*>(watched)->window());
    return QDialog::eventFilter(watched, event);
}

} // namespace twinsweep
