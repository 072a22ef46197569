#include "settings/SeenFile.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

SeenFile::SeenFile(int fd) : m_fd(fd)
{
    if (fd < 0 || ::fstat(fd, &m_status) != 0) {
        if (fd >= 0)
            ::close(fd);
        m_fd = -2;  // never current: the next write reads the file again
    }
}

SeenFile::~SeenFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

SeenFile::SeenFile(SeenFile&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)), m_status(other.m_status) {}

SeenFile& SeenFile::operator=(SeenFile&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_status = other.m_status;
    }
    return *this;
}

bool SeenFile::isCurrent(const QByteArray& path) const
{
    struct stat now {};
    if (::stat(path.constData(), &now) != 0)
        return m_fd == -1 && errno == ENOENT;
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return m_fd >= 0 && now.st_dev == m_status.st_dev && now.st_ino == m_status.st_ino &&
           now.st_size == m_status.st_size && same(now.st_mtim, m_status.st_mtim) &&
           same(now.st_ctim, m_status.st_ctim);
}
