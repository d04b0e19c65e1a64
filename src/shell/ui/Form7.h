#pragma once

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <memory>

#include "shell/PrintList.h"

class QLabel;
class QRadioButton;
class QTableView;

namespace twinsweep {

class Catalogue;
class PrintListModel;
class WinXPbut;
struct Services;

/// The "Print" window: the files of the selected volume or of all volumes in a list,
/// printed on the default printer with "Print". It opens filled for the selected
/// volume.
class Form7 : public QDialog
{
    Q_OBJECT
public:
    /// Makes the printer a print goes to: nullptr when there is none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    /// The system's default printer, or nullptr when none is set up.
    static std::unique_ptr<QPrinter> defaultPrinter();

    Form7(Catalogue& catalogue, Services& services, PrinterSource printers, QWidget* owner);
    ~Form7() override;

    void Option1_Click();
    void Option2_Click();
    void Command1_Click();

    QLabel* Label1 = nullptr;
    QRadioButton* Option1 = nullptr; // "All volumes"
    QRadioButton* Option2 = nullptr; // "Selected volume"
    QTableView* ListFiles2 = nullptr;
    WinXPbut* Command1 = nullptr; // "Print"

private:
    void fill(const ListSource& source);

    Catalogue& m_catalogue;
    Services& m_services;
    PrinterSource m_printers;
    PrintList m_rows;
    PrintListModel* m_model = nullptr;
};

} // namespace twinsweep
