#pragma once

#include <QString>
#include <QStringList>

namespace twinsweep::test {

/// Runs a tagger or encoder of the machine (lame, eyeD3) and waits for it; a failure
/// fails the running test.
void runTool(const QString& program, const QStringList& arguments);

/// Encodes two seconds of a tone under noise into an MP3 file at `path` with LAME and
/// `options` (such as "-b 160" or "--add-id3v2 --tg 84"), replacing the file.
void encodeWithLame(const QString& path, const QStringList& options = {});

/// The same, then tags the file with eyeD3 and `eyeD3Options` when they are given.
void makeTaggedMp3(const QString& path, const QStringList& lameOptions, const QStringList& eyeD3Options = {});

} // namespace twinsweep::test
