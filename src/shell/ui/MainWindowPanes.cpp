#include "MainWindowPanes.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QSplitter>
#include <QTreeWidget>

#include "platform/Twips.h"
#include "shell/ui/Form1.h"
#include "shell/ui/MainWindowLayout.h"

namespace twinsweep {

namespace {
/// The upper pane's share of the inner area, and the volume tree's share of the upper
/// pane's width, until the layout is recorded.
constexpr double DesignUpperShare = 0.5;
constexpr double DesignTreeShare = 0.22;

QSplitter* treeSplitter(const Form1& form)
{
    return qobject_cast<QSplitter*>(form.TreeView1->parentWidget());
}
} // namespace

MainWindowPanes::MainWindowPanes(Form1& form)
    : QObject(&form),
      m_form(form),
      m_layout(
          form, *form.centralWidget(),
          {"Frame1", "Frame2", "TreeView1", "Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6"})
{
    form.lifecycle.RecordFormLayout = [this] { RecordFormLayout(); };
    form.lifecycle.ResizeControl = [this](const char* control) { m_layout.ResizeControl(control); };
    form.centralWidget()->installEventFilter(this);
    form.Frame1->installEventFilter(this);
    form.Frame1->setMouseTracking(true);
    // The tree's share of the upper pane, as the user leaves it, is kept at resizes too.
    if (QSplitter* lists = treeSplitter(form))
        connect(lists, &QSplitter::splitterMoved, this, &MainWindowPanes::recordSplitAgain);
    placeAtDesignSplit();
}

double MainWindowPanes::twips(int pixels) const
{
    return pixelsToTwips(pixels, m_form.logicalDpiX());
}

int MainWindowPanes::pixels(double twips) const
{
    return twipsToPixels(twips, m_form.logicalDpiX());
}

void MainWindowPanes::placeAtDesignSplit()
{
    const QSize inner = m_form.centralWidget()->size();
    const int upper = int(inner.height() * DesignUpperShare);
    m_form.Frame1->setGeometry(0, 0, inner.width(), upper);
    m_form.Frame2->setGeometry(0, upper, inner.width(), inner.height() - upper);
    // Before the window is first shown the splitter has not laid its panes out yet:
    // the upper pane's layout gives it its size, then the tree its part of it.
    if (QSplitter* lists = treeSplitter(m_form)) {
        m_form.Frame1->layout()->setGeometry(m_form.Frame1->rect());
        const int tree = int(lists->width() * DesignTreeShare);
        lists->setSizes({tree, lists->width() - tree});
    }
}

void MainWindowPanes::RecordFormLayout()
{
    // Before the window is first shown its own layout gives the inner area its size.
    m_form.layout()->activate();
    if (!m_layout.recorded())
        placeAtDesignSplit();
    m_layout.RecordFormLayout();
}

void MainWindowPanes::Form_Resize()
{
    if (!m_layout.recorded())
        placeAtDesignSplit();
    MainWindowLayout target(m_form);
    twinsweep::Form_Resize(m_form.FormLoaded, target);
}

bool MainWindowPanes::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form.Frame1) {
        // Hiding a toolbar resizes the inner area as much as resizing the window does.
        if (event->type() == QEvent::Resize)
            Form_Resize();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove: Frame1_MouseMove(static_cast<QMouseEvent&>(*event)); break;
    case QEvent::MouseButtonPress: return m_splitter.sizingPointer(); // the drag stays with the edge
    case QEvent::MouseButtonRelease: Frame1_MouseUp(); break;
    case QEvent::Leave:
        m_splitter.pointerLeft(QApplication::mouseButtons() & Qt::LeftButton);
        showPointer();
        break;
    default: break;
    }
    return false;
}

void MainWindowPanes::Frame1_MouseMove(const QMouseEvent& event)
{
    QWidget* Frame1 = m_form.Frame1;
    QWidget* Frame2 = m_form.Frame2;
    SplitPanes panes{twips(Frame1->height()), twips(Frame2->y()), twips(Frame2->height())};
    const bool leftHeld = event.buttons() & Qt::LeftButton;
    const double y = twips(int(event.position().y()));
    if (m_splitter.Frame1_MouseMove(leftHeld, y, twips(m_form.frameGeometry().height()), panes)) {
        Frame1->resize(Frame1->width(), pixels(panes.Frame1Height));
        Frame2->setGeometry(Frame2->x(), pixels(panes.Frame2Top), Frame2->width(), pixels(panes.Frame2Height));
    }
    showPointer();
}

void MainWindowPanes::Frame1_MouseUp()
{
    m_splitter.Frame1_MouseUp();
    showPointer();
    recordSplitAgain();
}

void MainWindowPanes::recordSplitAgain()
{
    // Later resizes scale from the split as the user left it.
    m_layout.ResetLayouts();
    m_layout.RecordFormLayout();
}

void MainWindowPanes::showPointer()
{
    if (m_splitter.sizingPointer())
        m_form.Frame1->setCursor(Qt::SizeVerCursor);
    else
        m_form.Frame1->unsetCursor();
}

} // namespace twinsweep
