#pragma once

#include "BatchToolWindow.h"

class QLabel;
class QLineEdit;

namespace twinsweep {

class XPCheckBox;

/// "Renamer & Recommenter": renames the collection's MP3 files after their recorded
/// tag fields by a name pattern, and can give them a new ID3v1 comment.
class renamer : public BatchToolWindow
{
    Q_OBJECT
public:
    renamer(TagToolContext& tools, QWidget* parent);

    QLineEdit* Text2 = nullptr;   // the pattern
    QLabel* Label13 = nullptr;    // the example line
    XPCheckBox* Check1 = nullptr; // "Recomment"
    QLineEdit* Text1 = nullptr;   // the new comment
    XPCheckBox* Check2 = nullptr; // "Rename only if all needed ID3 tag fields exist"

private:
    void Text2_Change();
    void Command1_Click();

    TagToolContext& m_tools;
};

} // namespace twinsweep
