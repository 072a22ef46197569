#pragma once

#include <QByteArray>

#include <sys/stat.h>

/**
 * A file as this program last read or wrote it, to tell at the next write
 * whether anyone has replaced or changed it since. The file is held open:
 * while it is, no other file on the disk can take its inode number, so a
 * file renamed over it always differs in that number; its size and times
 * tell an edit in place.
 */
class SeenFile {
public:
    /// No file: there was none to see.
    SeenFile() = default;
    /// The file open as @p fd, as it is now; takes @p fd over. With no
    /// file open (-1), no file is ever current.
    explicit SeenFile(int fd);
    ~SeenFile();
    SeenFile(SeenFile&& other) noexcept;
    SeenFile& operator=(SeenFile&& other) noexcept;
    SeenFile(const SeenFile&) = delete;
    SeenFile& operator=(const SeenFile&) = delete;

    /// Whether @p path still names the file seen, unchanged (or still
    /// names nothing, when no file was seen).
    bool isCurrent(const QByteArray& path) const;

private:
    int m_fd = -1;
    struct stat m_status {};
};
