#include "Form7.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "catalogue/Catalogue.h"
#include "catalogue/ui/RowListView.h"
#include "controls/ui/WinXPbut.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/ui/PrintListModel.h"
#include "shell/ui/PrinterSurface.h"

namespace twinsweep {

namespace {
QTableView* makeListView(QWidget* parent, PrintListModel* model, const PrintList& rows)
{
    auto* view = new RowListView(parent);
    view->setObjectName("ListFiles2");
    view->setModel(model);
    const QList<PrintColumn> columns = rows.columns();
    for (int column = 0; column < columns.size(); ++column)
        view->setColumnWidth(column, twipsToPixels(columns[column].width, view->logicalDpiX()));
    return view;
}
} // namespace

std::unique_ptr<QPrinter> Form7::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

Form7::Form7(Catalogue& catalogue, Services& services, PrinterSource printers, QWidget* owner)
    : QDialog(owner),
      m_catalogue(catalogue),
      m_services(services),
      m_printers(std::move(printers)),
      m_rows(catalogue.ListFiles, catalogue.TreeView1)
{
    setObjectName("Form7");
    setWindowTitle("Print");
    setModal(true);
    Label1 = new QLabel("This function prints the list below.", this);
    Option1 = new QRadioButton("All volumes", this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Selected volume", this);
    Option2->setObjectName("Option2");
    Option2->setChecked(true);
    m_model = new PrintListModel(m_rows, this);
    ListFiles2 = makeListView(this, m_model, m_rows);
    Command1 = new WinXPbut("Print", this);
    Command1->setObjectName("Command1");

    auto* options = new QHBoxLayout;
    options->addWidget(Option1);
    options->addWidget(Option2);
    options->addStretch();
    options->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(options);
    layout->addWidget(ListFiles2);
    resize(760, 460);

    connect(Option1, &QRadioButton::clicked, this, &Form7::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form7::Option2_Click);
    connect(Command1, &WinXPbut::Click, this, &Form7::Command1_Click);
    // Filled now, so that the window opens showing the selected volume's files.
    Option2_Click();
}

Form7::~Form7() = default;

void Form7::Option1_Click()
{
    fill(ListSource(m_catalogue.ListFiles));
}

void Form7::Option2_Click()
{
    fill(ListSource(m_catalogue.ListFiles2, m_catalogue.ListFiles));
}

void Form7::fill(const ListSource& source)
{
    m_services.status.setStatusText("Reading collection's data... Please wait...");
    m_model->beginRefill();
    m_rows.fill(source);
    m_model->endRefill();
}

void Form7::Command1_Click()
{
    const std::unique_ptr<QPrinter> printer = m_printers();
    printListOn(printer.get(), m_rows, "T w i n s w e e p Collection", m_services);
}

} // namespace twinsweep
