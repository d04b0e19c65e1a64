#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace twinsweep {

/// Writes a text file line by line as UTF-8 with CR LF line ends, safely: the lines
/// go to a temporary file beside the target, which replaces the target only on
/// `commit()`. An existing target is untouched until then, and untouched for good
/// when anything fails. A line break inside a line's text is written as a blank, so
/// one line written is one line read back.
class LineWriter
{
public:
    explicit LineWriter(const QString& path);
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    /// Creates the temporary file; false when it cannot be created.
    bool open();
    void writeLine(QStringView text);
    /// `prefix` (ASCII) followed by `number` in decimal.
    void writeLine(const char* prefix, qint64 number);
    /// Writes what is buffered and puts the file in place; false when anything failed.
    bool commit();
    /// Why `open()` or `commit()` failed. Destroying an uncommitted writer discards
    /// the temporary file.
    QString errorString() const;

private:
    char* reserve(qsizetype bytes);
    void flush();

    QSaveFile m_file;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_failed = false;
    QString m_writeError;
};

} // namespace twinsweep
