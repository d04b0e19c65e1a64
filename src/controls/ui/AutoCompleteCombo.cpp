#include "AutoCompleteCombo.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ui/KeyMapping.h"

namespace twinsweep {

AutoCompleteCombo::AutoCompleteCombo(QWidget* parent) : QWidget(parent)
{
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    // The control completes by its own rule; the list changes only by code.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Combo1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusProxy(Combo1);
    Combo1->installEventFilter(this);
    connect(Combo1, &QComboBox::editTextChanged, this, &AutoCompleteCombo::Change);
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

int AutoCompleteCombo::SelLength() const
{
    return int(Combo1->lineEdit()->selectedText().size());
}

QString AutoCompleteCombo::SelText() const
{
    return Combo1->lineEdit()->selectedText();
}

int AutoCompleteCombo::ListCount() const
{
    return Combo1->count();
}

QString AutoCompleteCombo::list(int index) const
{
    return Combo1->itemText(index);
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

bool AutoCompleteCombo::eventFilter(QObject* watched, QEvent* event)
{
    // Only keys typed in the box complete: not the release of a key pressed elsewhere,
    // such as the shortcut that opened the window, nor a shortcut such as Ctrl+A
    // whose Ctrl is let go first.
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress) {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            m_keysPressed.remove(key->key());
        else
            m_keysPressed.insert(key->key());
    }
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat() && m_keysPressed.remove(key->key())) {
        const WinKey released = toWinKey(*key);
        Combo1_KeyUp(released.keyCode, released.shift);
    }
    return QWidget::eventFilter(watched, event);
}

void AutoCompleteCombo::Combo1_KeyUp(int keyCode, int shift)
{
    if (const auto completion = m_items.complete(keyCode, shift, Text(), SelStart())) {
        QLineEdit* edit = Combo1->lineEdit();
        if (edit->text() != completion->text)
            edit->setText(completion->text);
        const int length = qMin(completion->selLength, int(completion->text.size()) - completion->selStart);
        edit->setSelection(completion->selStart, qMax(0, length));
    }
    Q_EMIT KeyUp(keyCode, shift);
}

} // namespace twinsweep
