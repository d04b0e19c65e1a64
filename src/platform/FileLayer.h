#pragma once

#include <QString>

namespace twinsweep {

/// What the file operations do to a file on disk. Every call reports its real result.
class FileLayer
{
public:
    virtual ~FileLayer() = default;
    /// "Attributes to normal": gives the owner write permission. False when the file is
    /// missing or its permissions cannot be changed. A link is left as it is.
    virtual bool setAttributesNormal(const QString& path) = 0;
    /// Moves the file into the desktop's trash. True only when it is in the trash and
    /// no longer at `path`; on failure the file stays where it was.
    virtual bool moveToTrash(const QString& path) = 0;
    /// Deletes the file for good (its name only: never empties it, never creates it).
    virtual bool removeFile(const QString& path) = 0;
    /// Copies the file; never replaces anything at `to`, and a failed copy leaves
    /// nothing there.
    virtual bool copyFile(const QString& from, const QString& to) = 0;
    /// Moves or renames the file; never replaces anything at `to`. Across filesystems
    /// a copy, then the source's removal: any failure leaves the source where it was
    /// and nothing at `to`.
    virtual bool moveFile(const QString& from, const QString& to) = 0;
};

/// Whether anything is at `path`, a link that leads nowhere included.
bool entryExists(const QString& path);

/// The file system of the running system; the trash is the freedesktop trash.
class SystemFileLayer : public FileLayer
{
public:
    bool setAttributesNormal(const QString& path) override;
    bool moveToTrash(const QString& path) override;
    bool removeFile(const QString& path) override;
    bool copyFile(const QString& from, const QString& to) override;
    bool moveFile(const QString& from, const QString& to) override;
};

} // namespace twinsweep
