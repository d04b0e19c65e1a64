#include "id3edit.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "controls/ui/WinXPbut.h"
#include "platform/Id3Genres.h"
#include "platform/Mp3TagReader.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "tagtools/ID3v1Writer.h"
#include "tagtools/TagEditorValues.h"

namespace twinsweep {

namespace {

/// Suggested values are green (colour value 32768), read values black.
QPalette textColour(QPalette palette, bool suggested)
{
    const QColor colour = suggested ? QColor(0, 128, 0) : QColor(Qt::black);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    return palette;
}

} // namespace

id3edit::id3edit(Prompt& prompt, const SettingsStore& settings, ID3TafFromFileName& parser, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_settings(settings), m_parser(parser)
{
    setWindowTitle("Advanced ID3v1 Editor");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QFormLayout(this);
    txtFILE = new QLineEdit(this);
    txtFILE->setReadOnly(true); // the path is what gets written
    form->addRow("File", txtFILE);
    txtTITLE = addField("Title", 30);
    txtARTIST = addField("Artist", 30);
    txtALBUM = addField("Album", 30);
    txtYEAR = addField("Year", 4);
    txtCOMMENTS = addField("Comments", 30);
    Combo1 = new QComboBox(this);
    Combo1->addItem(QString());
    for (int code = 0; code < Id3Genres::Count; ++code)
        Combo1->addItem(Id3Genres::name(code));
    form->addRow("Genre", Combo1);
    winxpbut1 = new WinXPbut("Save", this);
    winxpbut2 = new WinXPbut("Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(winxpbut1);
    buttons->addWidget(winxpbut2);
    form->addRow(buttons);
    // The window opens ready for typing, in the first box that can be written; the path
    // above it is read-only.
    txtTITLE->setFocus();
    connect(Combo1, &QComboBox::activated, this, [this] { m_keptGenreCode.reset(); });
    connect(winxpbut1, &WinXPbut::Click, this, &id3edit::winxpbut1_Click);
    connect(winxpbut2, &WinXPbut::Click, this, &QDialog::close);
    resize(420, sizeHint().height());
}

QLineEdit* id3edit::addField(const QString& label, int maxLength)
{
    auto* box = new QLineEdit(this);
    box->setMaxLength(maxLength);
    qobject_cast<QFormLayout*>(layout())->addRow(label, box);
    return box;
}

void id3edit::show(QLineEdit* box, const EditorValue& value)
{
    box->setText(value.text);
    box->setPalette(textColour(box->palette(), value.suggested));
}

void id3edit::GID3(const QString& strFile)
{
    Mp3TagReader reader;
    reader.Open(strFile);
    const EditorValues values =
        editorValuesFor(reader.Tag(), m_settings.value(Settings::ID3), strFile, m_parser, QDate::currentDate().year());
    txtFILE->setText(strFile);
    show(txtTITLE, values.title);
    show(txtARTIST, values.artist);
    show(txtALBUM, values.album);
    show(txtYEAR, values.year);
    show(txtCOMMENTS, values.comment);
    Combo1->setCurrentIndex(std::max(0, Combo1->findText(values.genre.text, Qt::MatchFixedString)));
    Combo1->setPalette(textColour(Combo1->palette(), values.genre.suggested));
    m_keptGenreCode = values.genreCode;
    QDialog::show();
}

void id3edit::winxpbut1_Click()
{
    const int genre = m_keptGenreCode.value_or(genreCodeOfListPosition(Combo1->currentIndex()));
    const ID3v1Texts texts{txtTITLE->text(),    txtARTIST->text(),      txtALBUM->text(),         txtYEAR->text(),
                           txtCOMMENTS->text(), QString::number(genre), txtCOMMENTS->isModified()};
    if (WriteID3v1Tag(m_prompt, txtFILE->text(), texts) && m_saved)
        m_saved();
    close();
}

} // namespace twinsweep
