#pragma once

#include <QDialog>

#include "catalogue/VolumeAdder.h"

class QLineEdit;

namespace twinsweep {

class Prompt;
class VolumeTree;
class WinXPbut;

/// The "Add collection" window: asks for the name of a new volume. It has no Cancel;
/// its close box ends it without a name.
class Form4 : public QDialog, public CollectionNameWindow
{
    Q_OBJECT
public:
    /// `tree` holds the names a new one must differ from.
    Form4(const VolumeTree& tree, Prompt& prompt, QWidget* owner);

    void SetName(const QString& Name) override;
    QString showModal() override;

    QLineEdit* Text1 = nullptr;
    WinXPbut* Command1 = nullptr; // "OK"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();

    const VolumeTree& m_tree;
    Prompt& m_prompt;
};

} // namespace twinsweep
