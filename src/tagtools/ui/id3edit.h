#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;

namespace twinsweep {

class ID3TafFromFileName;
class Prompt;
class SettingsStore;
class WinXPbut;
struct EditorValue;

/// "Advanced ID3v1 Editor": shows one file's tag with suggestions for its empty fields
/// in green, and saves it as an ID3v1 tag. It is shown without waiting and deleted
/// when it closes.
class id3edit : public QDialog
{
    Q_OBJECT
public:
    /// Called after a successful save.
    using SavedHandler = std::function<void()>;

    id3edit(Prompt& prompt, const SettingsStore& settings, ID3TafFromFileName& parser, QWidget* parent = nullptr);

    /// Loads the file's tag (with a reader of its own) and shows the window.
    void GID3(const QString& strFile);
    void setSavedHandler(SavedHandler handler) { m_saved = std::move(handler); }

    QLineEdit* txtFILE = nullptr;
    QLineEdit* txtTITLE = nullptr;
    QLineEdit* txtARTIST = nullptr;
    QLineEdit* txtALBUM = nullptr;
    QLineEdit* txtYEAR = nullptr;
    QLineEdit* txtCOMMENTS = nullptr;
    QComboBox* Combo1 = nullptr;
    WinXPbut* winxpbut1 = nullptr; // Save
    WinXPbut* winxpbut2 = nullptr; // Cancel

private:
    QLineEdit* addField(const QString& label, int maxLength);
    void show(QLineEdit* box, const EditorValue& value);
    void winxpbut1_Click();

    Prompt& m_prompt;
    const SettingsStore& m_settings;
    ID3TafFromFileName& m_parser;
    SavedHandler m_saved;
    std::optional<int> m_keptGenreCode; ///< saved while the user leaves the genre alone
};

} // namespace twinsweep
