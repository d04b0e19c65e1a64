#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Services.h"

namespace twinsweep {

/// Message boxes shown with QMessageBox, parented to a window.
class QtPrompt : public Prompt
{
public:
    explicit QtPrompt(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    MessageAnswer ask(const QString& text, MessageIcon icon, MessageButtons buttons, int defaultButton,
                      const QString& caption) override;

private:
    QPointer<QWidget> m_parent;
};

/// QFileDialog behind the dialog service.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    QString saveFile(const QString& initialFolder, const QString& title, const QString& filter) override;
    QString openFile(const QString& initialFolder, const QString& title, const QString& filter) override;
    QString chooseFolder(const QString& title) override;

private:
    QPointer<QWidget> m_parent;
};

class QtEventPump : public EventPump
{
public:
    void processEvents() override;
};

} // namespace twinsweep
