#pragma once

#include <QObject>

#include <memory>

#include "shell/ListSource.h"
#include "shell/ui/Form7.h"

class QMenu;

namespace twinsweep {

class Form1;
class Form2;
class Form3;

/// The reports on lists: statistics (`Form2`, `Form3`), the text export and printing
/// (`Form7`), with their Collection menu entries, tree menu entries and toolbar
/// buttons. Owned by the main window; the statistics windows go with it.
class ListReports : public QObject
{
    Q_OBJECT
public:
    explicit ListReports(Form1& window);
    ~ListReports() override;

    /// Where "Print" prints; the default printer unless a test says otherwise.
    void setPrinterSource(Form7::PrinterSource printers) { m_printers = std::move(printers); }

    void Statistics_Click(const ListSource& list);
    void Statistics1_Click();
    void Statistic_Click();
    void stat_Click();
    void txtFILE_Click();
    void txtfile1_Click();
    void printint_Click();

    Form2* statisticsWindow() const { return m_form2.get(); }
    Form3* resultStatisticsWindow() const { return m_form3.get(); }

private:
    void addCollectionMenuEntries();
    void addTreeMenuEntries();
    void addToolbarButtons();
    void exportList(const ListSource& list);
    /// The whole collection, or the selected volume's files once its list is refreshed.
    ListSource collection() const;
    ListSource selectedVolume();

    Form1& m_window;
    Form7::PrinterSource m_printers = &Form7::defaultPrinter;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
};

/// Adds the list reports to the main window.
ListReports* installListReports(Form1& window);

} // namespace twinsweep
