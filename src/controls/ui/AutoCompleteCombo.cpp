#include "AutoCompleteCombo.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "controls/ui/ControlConventions.h"
#include "platform/ui/KeyMapping.h"

namespace twinsweep {

namespace {
constexpr double Height = 315; // twips, whatever the font
} // namespace

AutoCompleteCombo::AutoCompleteCombo(QWidget* parent) : QWidget(parent)
{
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    // The control completes by its own rule; the list changes only by code.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    setFixedHeight(controlPixels(*this, Height));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusProxy(Combo1);
    setMouseTracking(true); // MouseMove is raised without a button held too
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    connect(Combo1, &QComboBox::editTextChanged, this, &AutoCompleteCombo::Change);
}

void AutoCompleteCombo::setBackColor(ColorValue color)
{
    m_backColor = color;
    applyColors();
}

void AutoCompleteCombo::setForeColor(ColorValue color)
{
    m_foreColor = color;
    applyColors();
}

void AutoCompleteCombo::applyColors()
{
    // A disabled box keeps the greyed colours of the palette.
    QPalette colors = Combo1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colors.setColor(group, QPalette::Base, controlColor(m_backColor, palette()));
        colors.setColor(group, QPalette::Text, controlColor(m_foreColor, palette()));
    }
    Combo1->setPalette(colors);
}

template <typename FontEdit> void AutoCompleteCombo::changeFont(FontEdit change)
{
    QFont changed = font();
    change(changed);
    setFont(changed);
}

void AutoCompleteCombo::setFontName(const QString& name)
{
    changeFont([&](QFont& changed) { changed.setFamily(name); });
}

void AutoCompleteCombo::setFontBold(bool bold)
{
    changeFont([&](QFont& changed) { changed.setBold(bold); });
}

void AutoCompleteCombo::setFontItalic(bool italic)
{
    changeFont([&](QFont& changed) { changed.setItalic(italic); });
}

void AutoCompleteCombo::setFontUnderline(bool underline)
{
    changeFont([&](QFont& changed) { changed.setUnderline(underline); });
}

void AutoCompleteCombo::setFontStrikethru(bool strikethru)
{
    changeFont([&](QFont& changed) { changed.setStrikeOut(strikethru); });
}

void AutoCompleteCombo::setFontSize(float points)
{
    if (points > 0)
        changeFont([&](QFont& changed) { changed.setPointSizeF(points); });
}

QString AutoCompleteCombo::Text() const
{
    return Combo1->currentText();
}

void AutoCompleteCombo::setText(const QString& text)
{
    Combo1->setEditText(text);
}

int AutoCompleteCombo::SelStart() const
{
    const QLineEdit* edit = Combo1->lineEdit();
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void AutoCompleteCombo::setSelStart(int start)
{
    select(start, 0);
}

int AutoCompleteCombo::SelLength() const
{
    return int(Combo1->lineEdit()->selectedText().size());
}

void AutoCompleteCombo::setSelLength(int length)
{
    select(SelStart(), length);
}

QString AutoCompleteCombo::SelText() const
{
    return Combo1->lineEdit()->selectedText();
}

void AutoCompleteCombo::setSelText(const QString& text)
{
    Combo1->lineEdit()->insert(text);
}

void AutoCompleteCombo::select(int start, int length)
{
    QLineEdit* edit = Combo1->lineEdit();
    const int size = int(edit->text().size());
    start = qBound(0, start, size);
    length = qBound(0, length, size - start);
    if (length == 0)
        edit->setCursorPosition(start);
    else
        edit->setSelection(start, length);
}

std::optional<int> AutoCompleteCombo::ItemData(int index) const
{
    if (index < 0 || index >= ListCount())
        return std::nullopt;
    return Combo1->itemData(index).toInt();
}

bool AutoCompleteCombo::setItemData(int index, int value)
{
    if (index < 0 || index >= ListCount())
        return false;
    Combo1->setItemData(index, value);
    return true;
}

int AutoCompleteCombo::ListCount() const
{
    return Combo1->count();
}

QString AutoCompleteCombo::list(int index) const
{
    return Combo1->itemText(index);
}

int AutoCompleteCombo::ListIndex() const
{
    // Typing over a chosen entry leaves it current in Combo1; the text is then no entry.
    const int index = Combo1->currentIndex();
    return index >= 0 && Combo1->itemText(index) == Text() ? index : -1;
}

bool AutoCompleteCombo::setListIndex(int index)
{
    if (index < -1 || index >= ListCount())
        return false;
    Combo1->setCurrentIndex(index);
    if (index == -1)
        setText({});
    return true;
}

/// A plain combo box would show the first item added, or nothing after clearing.
template <typename Edit> void AutoCompleteCombo::keepingTheText(Edit edit)
{
    const QString typed = Text();
    edit();
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(typed);
}

void AutoCompleteCombo::AddItem(const QString& item)
{
    if (!item.isEmpty())
        keepingTheText([&] { Combo1->addItem(item); });
    m_items.AddItem(item);
}

void AutoCompleteCombo::AddItems(const QVariantList& items)
{
    const QStringList stored = m_items.AddItems(items);
    keepingTheText([&] { Combo1->addItems(stored); });
}

void AutoCompleteCombo::RemoveItem(int index)
{
    if (m_items.RemoveItem(index) && index < ListCount())
        keepingTheText([&] { Combo1->removeItem(index); });
}

void AutoCompleteCombo::Clear()
{
    m_items.Clear();
    keepingTheText([&] { Combo1->clear(); });
}

AutoCompleteComboProperties AutoCompleteCombo::properties() const
{
    return {BackColor(), isEnabled(),      FontBold(),      FontItalic(), FontName(),
            FontSize(),  FontStrikethru(), FontUnderline(), ForeColor(),  Text()};
}

void AutoCompleteCombo::ReadProperties(const QVariantHash& bag)
{
    const AutoCompleteComboProperties stored = AutoCompleteComboProperties::read(bag, properties());
    setBackColor(stored.BackColor);
    setEnabled(stored.Enabled);
    setFontBold(stored.FontBold);
    setFontItalic(stored.FontItalic);
    setFontName(stored.FontName);
    setFontSize(stored.FontSize);
    setFontStrikethru(stored.FontStrikethru);
    setFontUnderline(stored.FontUnderline);
    setForeColor(stored.ForeColor);
    setText(stored.Text);
}

void AutoCompleteCombo::WriteProperties(QVariantHash& bag) const
{
    properties().write(bag);
}

QSize AutoCompleteCombo::sizeHint() const
{
    return {Combo1->sizeHint().width(), height()};
}

QSize AutoCompleteCombo::minimumSizeHint() const
{
    return {Combo1->minimumSizeHint().width(), height()};
}

void AutoCompleteCombo::resizeEvent(QResizeEvent* event)
{
    Combo1->setGeometry(rect());
    QWidget::resizeEvent(event);
}

bool AutoCompleteCombo::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == Combo1)
            Combo1_KeyDown(static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::KeyRelease: {
        // Only keys typed in the box complete: not the release of a key pressed
        // elsewhere, such as the shortcut that opened the window, nor a shortcut such
        // as Ctrl+A whose Ctrl is let go first.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == Combo1 && !key.isAutoRepeat() && m_keysPressed.remove(key.key())) {
            const WinKey released = toWinKey(key);
            Combo1_KeyUp(released.keyCode, released.shift);
        }
        break;
    }
    case QEvent::MouseButtonDblClick: Q_EMIT DblClick(); break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void AutoCompleteCombo::Combo1_KeyDown(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        m_keysPressed.remove(key.key());
    else
        m_keysPressed.insert(key.key());
    const WinKey pressed = toWinKey(key);
    Q_EMIT KeyDown(pressed.keyCode, pressed.shift);
    if (const int character = keyAscii(key))
        Q_EMIT KeyPress(character);
}

void AutoCompleteCombo::Combo1_KeyUp(int keyCode, int shift)
{
    if (const auto completion = m_items.complete(keyCode, shift, Text(), SelStart())) {
        QLineEdit* edit = Combo1->lineEdit();
        if (edit->text() != completion->text)
            edit->setText(completion->text);
        select(completion->selStart, completion->selLength);
    }
    Q_EMIT KeyUp(keyCode, shift);
}

void AutoCompleteCombo::mousePressEvent(QMouseEvent* event)
{
    const MouseArgs args = mouseArgs(*event, *this, event->button());
    Q_EMIT MouseDown(args.Button, args.Shift, args.x, args.y);
}

void AutoCompleteCombo::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArgs args = mouseArgs(*event, *this, event->buttons());
    Q_EMIT MouseMove(args.Button, args.Shift, args.x, args.y);
}

void AutoCompleteCombo::mouseReleaseEvent(QMouseEvent* event)
{
    const MouseArgs args = mouseArgs(*event, *this, event->button());
    Q_EMIT MouseUp(args.Button, args.Shift, args.x, args.y);
}

} // namespace twinsweep
