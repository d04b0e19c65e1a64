#pragma once

#include <QPushButton>

namespace twinsweep {

/// The program's own push button: a `Caption`, a `Default` flag and a `Click` event.
class WinXPbut : public QPushButton
{
    Q_OBJECT
public:
    explicit WinXPbut(const QString& caption = {}, QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Default() const { return isDefault(); }
    void setDefault(bool isDefaultButton) { QPushButton::setDefault(isDefaultButton); }

Q_SIGNALS:
    void Click();
};

} // namespace twinsweep
