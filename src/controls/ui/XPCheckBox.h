#pragma once

#include <QCheckBox>

namespace twinsweep {

/// The program's own check box: a whole-number `Value` (0 unchecked, 1 checked);
/// every change of `Value`, by the user or by code, raises `Click`.
class XPCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit XPCheckBox(const QString& caption = {}, QWidget* parent = nullptr);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
    QString Caption() const { return text(); }

Q_SIGNALS:
    void Click();
};

} // namespace twinsweep
