#pragma once

#include <QObject>

#include <memory>

#include "catalogue/ListCommands.h"

namespace twinsweep {

class FileList;
class Form1;
class ID3TafFromFileName;
class MediaChannels;
class Mp3TagReader;
class SystemFileLayer;
class Form5;
class renamer;
struct TagToolContext;

/// The tag tools of the main window: the Tools menu's "MP3 ID3 tag to file name" (F6)
/// and "MP3 file name to ID3 tag" (F2), and "Edit ID3 tag" of the list menus.
class TagTools : public QObject
{
    Q_OBJECT
public:
    /// `channels` are the player's, closed before a tool writes a file they may hold.
    TagTools(Form1& window, MediaChannels& channels);
    ~TagTools() override;

    void rnmr_Click();
    void filnametotag_Click();
    /// Opens the tag editor on the master row `tag` (1-based).
    void editTagOf(qsizetype tag);

private:
    void addMenuEntries();
    /// "Edit ID3 tag" of a list's menu: the editor on the first selected row of `list`.
    ListCommands::Command editFirstSelectedOf(const FileList& list);
    /// After a save: the row of the file saved, while it still is that file's, holds what a new scan reads.
    void updateRow(qsizetype tag, const QString& fullPath);

    Form1& m_window;
    std::unique_ptr<SystemFileLayer> m_files;
    std::unique_ptr<Mp3TagReader> m_reader;
    std::unique_ptr<TagToolContext> m_tools;
    std::unique_ptr<ID3TafFromFileName> m_parser; // shared by the editor and the name to tag tool
    Form5* m_form5 = nullptr;
    renamer* m_renamer = nullptr;
};

TagTools* installTagTools(Form1& window, MediaChannels& channels);

} // namespace twinsweep
