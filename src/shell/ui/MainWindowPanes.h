#pragma once

#include <QObject>

#include "controls/MainSplitter.h"
#include "controls/ui/FormLayout.h"

class QMouseEvent;

namespace twinsweep {

class Form1;

/// The main window's upper pane `Frame1` and lower pane `Frame2`, placed by position on
/// its inner area: at the design split until start-up records the layout, then scaled
/// by the layout records at each resize, and split anew by dragging `Frame1`'s bottom
/// edge, after which the layout is recorded again; the volume tree keeps its share of
/// the upper pane's width the same way. Fills the start-up and re-layout
/// steps of the layout records and runs the re-layout when the inner area changes size.
/// The main window owns it and ends it first, before its widgets go.
class MainWindowPanes : public QObject
{
public:
    explicit MainWindowPanes(Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAtDesignSplit();
    void RecordFormLayout();
    void Form_Resize();
    void Frame1_MouseMove(const QMouseEvent& event);
    void Frame1_MouseUp();
    void recordSplitAgain();
    void showPointer();
    double twips(int pixels) const;
    int pixels(double twips) const;

    Form1& m_form;
    FormLayout m_layout;
    MainSplitter m_splitter;
};

} // namespace twinsweep
