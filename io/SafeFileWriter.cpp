#include "SafeFileWriter.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

using Status = FileWriteResult::Status;

// A write past the file-size limit would otherwise kill the process with
// SIGXFSZ before the failure could be reported and the file restored.
void reportFileSizeLimitAsError()
{
    static const bool done = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

FileWriteResult failure(Status status, const std::string& path, std::string reason)
{
    return {status, path, std::move(reason)};
}

FileWriteResult systemFailure(Status status, const std::string& path, int error)
{
    return failure(status, path, std::strerror(error));
}

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    // Closes now and reports the close's own error (0 when it succeeded).
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Writes everything, resuming after interruptions and short writes.
// Returns 0 or the error.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool endsWithLineFeed(const std::string& path, off_t size)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true; // cannot look: add nothing rather than guess
    Descriptor file(fd);
    char last = '\n';
    return ::pread(file.get(), &last, 1, size - 1) != 1 || last == '\n';
}

// Devices and pipes cannot be replaced by a rename; they are written as they are.
FileWriteResult writeInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return systemFailure(Status::NotOpened, path, errno);
    Descriptor file(fd);
    if (const int error = writeAll(file.get(), bytes))
        return systemFailure(Status::NotWritten, path, error);
    if (const int error = file.close())
        return systemFailure(Status::NotWritten, path, error);
    return {Status::Written, path, {}};
}

} // namespace

FileWriteResult SafeFileWriter::save(const std::string& path, std::string_view bytes)
{
    reportFileSizeLimitAsError();

    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode))
            return systemFailure(Status::NotOpened, path, EISDIR);
        if (!S_ISREG(target.st_mode))
            return writeInPlace(path, bytes);
    }

    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly))
        return failure(Status::NotOpened, path, file.errorString().toStdString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return failure(Status::NotWritten, path, std::move(reason));
    }
    if (!file.commit())
        return failure(Status::NotWritten, path, file.errorString().toStdString());
    return {Status::Written, path, {}};
}

FileWriteResult SafeFileWriter::append(const std::string& path, std::string_view bytes)
{
    reportFileSizeLimitAsError();

    const bool existed = ::access(path.c_str(), F_OK) == 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemFailure(Status::NotOpened, path, errno);
    Descriptor file(fd);

    struct stat before {};
    if (::fstat(file.get(), &before) != 0)
        return systemFailure(Status::NotOpened, path, errno);
    const bool regular = S_ISREG(before.st_mode);
    if (S_ISDIR(before.st_mode))
        return systemFailure(Status::NotOpened, path, EISDIR);

    // Undo a partial append, so that a library file never ends in half a
    // part type; a file this call created goes away again.
    const auto restore = [&](int error) {
        if (regular) {
            if (!existed)
                ::unlink(path.c_str());
            else
                while (::ftruncate(file.get(), before.st_size) != 0 && errno == EINTR) {
                }
        }
        return systemFailure(Status::NotWritten, path, error);
    };

    if (regular && before.st_size > 0 && !endsWithLineFeed(path, before.st_size)) {
        if (const int error = writeAll(file.get(), "\n"))
            return restore(error);
    }
    if (const int error = writeAll(file.get(), bytes))
        return restore(error);
    if (regular && ::fsync(file.get()) != 0)
        return restore(errno);
    if (const int error = file.close()) {
        // The descriptor is gone; reopen to put the old size back.
        if (regular) {
            if (!existed)
                ::unlink(path.c_str());
            else if (::truncate(path.c_str(), before.st_size) != 0) {
                // Nothing more can be done; the error below names the file.
            }
        }
        return systemFailure(Status::NotWritten, path, error);
    }
    return {Status::Written, path, {}};
}

} // namespace velmora
