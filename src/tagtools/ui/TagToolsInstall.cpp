#include "TagToolsInstall.h"

#include <QAction>
#include <QMenu>

#include "Form5.h"
#include "id3edit.h"
#include "renamer.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "duplicates/ResultListCommands.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/FileLayer.h"
#include "platform/Mp3TagReader.h"
#include "shell/ui/Form1.h"
#include "tagtools/ID3TafFromFileName.h"
#include "tagtools/TagToolRun.h"

namespace twinsweep {

TagTools::TagTools(Form1& window, MediaChannels& channels)
    : QObject(&window),
      m_window(window),
      m_files(std::make_unique<SystemFileLayer>()),
      m_reader(std::make_unique<Mp3TagReader>()),
      m_tools(std::make_unique<TagToolContext>(
          TagToolContext{window.catalogue(), window.services(), *m_files, channels, *m_reader})),
      m_parser(std::make_unique<ID3TafFromFileName>())
{
    addMenuEntries();
    window.resultList->commands().add("editid3_Click", editFirstSelectedOf(window.catalogue().Duplicates));
    window.volumeFileList->commands().add("editid3a_Click", editFirstSelectedOf(window.catalogue().ListFiles2));
}

ListCommands::Command TagTools::editFirstSelectedOf(const FileList& list)
{
    return [this, &list](const std::vector<qsizetype>& selected) {
        if (!selected.empty())
            editTagOf(list.row(selected.front()).Tag);
    };
}

TagTools::~TagTools() = default;

void TagTools::addMenuEntries()
{
    QMenu* tools = m_window.toolsMenu;
    tools->addSeparator();
    QAction* rnmr = tools->addAction("MP3 ID3 tag to file name");
    rnmr->setObjectName("rnmr");
    rnmr->setShortcut(QKeySequence(Qt::Key_F6));
    connect(rnmr, &QAction::triggered, this, &TagTools::rnmr_Click);
    QAction* filnametotag = tools->addAction("MP3 file name to ID3 tag");
    filnametotag->setObjectName("filnametotag");
    filnametotag->setShortcut(QKeySequence(Qt::Key_F2));
    connect(filnametotag, &QAction::triggered, this, &TagTools::filnametotag_Click);
}

void TagTools::rnmr_Click()
{
    if (!m_renamer)
        m_renamer = new renamer(*m_tools, &m_window);
    m_renamer->exec();
}

void TagTools::filnametotag_Click()
{
    if (!m_form5)
        m_form5 = new Form5(*m_tools, *m_parser, &m_window);
    m_form5->exec();
}

void TagTools::editTagOf(qsizetype tag)
{
    const std::vector<FileRecord>& master = m_window.catalogue().ListFiles;
    const qsizetype row = rowFromTag(tag);
    if (row < 0 || row >= qsizetype(master.size()))
        return;
    const QString fullPath = master[size_t(row)].fullPath();
    auto* editor = new id3edit(m_window.services().prompt, m_window.services().settings, *m_parser, &m_window);
    editor->setSavedHandler([this, tag, fullPath] { updateRow(tag, fullPath); });
    editor->GID3(fullPath);
}

void TagTools::updateRow(qsizetype tag, const QString& fullPath)
{
    Catalogue& catalogue = m_window.catalogue();
    const qsizetype row = rowFromTag(tag);
    // The editor does not wait: the row may have left the collection meanwhile.
    if (row < 0 || row >= qsizetype(catalogue.ListFiles.size()) ||
        catalogue.ListFiles[size_t(row)].fullPath() != fullPath)
        return;
    rescanRow(catalogue.ListFiles[size_t(row)], *m_reader, m_window.services().settings);
    catalogue.RefreshVolumeFileList(m_window.services());
    catalogue.MarkCollectionChanged();
}

TagTools* installTagTools(Form1& window, MediaChannels& channels)
{
    return new TagTools(window, channels);
}

} // namespace twinsweep
