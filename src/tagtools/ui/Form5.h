#pragma once

#include "BatchToolWindow.h"

class QComboBox;

namespace twinsweep {

class ID3TafFromFileName;
class XPCheckBox;

/// "MP3 Filename to ID3": writes ID3v1 tags into the collection's MP3 files from their
/// paths, by a chosen layout, policy and case conversion.
class Form5 : public BatchToolWindow
{
    Q_OBJECT
public:
    Form5(TagToolContext& tools, ID3TafFromFileName& parser, QWidget* parent);

    QComboBox* Combo1 = nullptr;  // "If tag already exists:"
    XPCheckBox* Check1 = nullptr; // "Case"
    QComboBox* Combo2 = nullptr;  // the case conversion
    QComboBox* Combo3 = nullptr;  // "File name mask:"

private:
    void Command1_Click();

    TagToolContext& m_tools;
    ID3TafFromFileName& m_parser;
};

} // namespace twinsweep
