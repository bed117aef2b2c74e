#include "storefile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv3sim::detail {
namespace {

namespace fs = std::filesystem;

// Links are followed at most this deep, as the kernel does.
constexpr int kMaxLinkDepth = 40;

// A file descriptor closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now, reporting whether the close succeeded.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Reads up to `size` bytes, retrying short reads; the count read, or -1.
ssize_t readUpTo(int fd, uint8_t *buffer, std::size_t size)
{
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(fd, buffer + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(total);
}

bool writeAll(int fd, const uint8_t *bytes, std::size_t size)
{
    std::size_t total = 0;
    while (total < size) {
        const ssize_t put = ::write(fd, bytes + total, size - total);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        total += static_cast<std::size_t>(put);
    }
    return true;
}

// The file a path finally names: its links followed, even when the last one
// points at a file that does not exist yet. Empty for a loop of links.
fs::path finalTarget(fs::path path)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)) || ec)
            return path;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec)
            return {};
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return {};
}

// The one temporary file of a state file, beside it. A commit killed
// half-way leaves it behind; the next commit replaces it.
fs::path temporaryBeside(const fs::path &target)
{
    return target.parent_path() / ("." + target.filename().string() + ".tmp");
}

// Creates the temporary file afresh: whatever stands under its name (a
// leftover, or anything else) is removed first, and the exclusive create
// never follows a link someone put there.
FileDescriptor createTemporary(const fs::path &temporary, mode_t mode)
{
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT)
        return FileDescriptor(-1);
    return FileDescriptor(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
}

// The permission bits the new file gets: those of the file it replaces, or
// the usual ones for a new file.
mode_t modeFor(const fs::path &target, bool &keepExisting)
{
    struct stat existing {};
    keepExisting = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    return keepExisting ? (existing.st_mode & 07777) : 0666;
}

} // namespace

StoreReading readStoreFile(const std::string &path)
{
    // Only a regular file is opened: a FIFO or device could block the open
    // or the read, or act on being opened. The non-blocking open and the
    // second look at the opened file close the gap between look and open.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? StoreState::Missing : StoreState::Refused, factoryDefaults()};
    }
    if (!S_ISREG(info.st_mode))
        return {StoreState::Refused, factoryDefaults()};

    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {StoreState::Refused, factoryDefaults()};

    // One byte more than a configuration tells a longer file from a full one.
    std::array<uint8_t, kStoredSize + 1> bytes{};
    if (readUpTo(file.get(), bytes.data(), bytes.size()) != static_cast<ssize_t>(kStoredSize))
        return {StoreState::Refused, factoryDefaults()};
    std::array<uint8_t, kStoredSize> stored{};
    std::copy_n(bytes.begin(), kStoredSize, stored.begin());
    return {StoreState::Loaded, decode(stored)};
}

bool writeStoreFile(const std::string &path, const Configuration &config)
{
    // A linked state file stays a link: the file it points at is replaced.
    const fs::path target = finalTarget(path);
    if (target.empty())
        return false;
    std::error_code ec;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    if (ec)
        return false;

    bool keepMode = false;
    const mode_t mode = modeFor(target, keepMode);
    const fs::path temporary = temporaryBeside(target);
    FileDescriptor file = createTemporary(temporary, mode);
    if (!file.valid())
        return false;

    // The bytes reach the disk before the rename, so that the state file
    // holds the old or the new configuration, never part of one. The
    // permission bits are set explicitly, as the create narrows them by the
    // umask.
    const std::array<uint8_t, kStoredSize> bytes = encode(config);
    bool ok = writeAll(file.get(), bytes.data(), bytes.size());
    ok = ok && (!keepMode || ::fchmod(file.get(), mode) == 0);
    ok = ok && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

StoreLock::Result StoreLock::acquire(const std::string &statePath)
{
    if (held())
        return Result::Held;
    // The lock belongs to the file itself, not to the name it is reached by.
    const fs::path target = finalTarget(statePath);
    if (target.empty())
        return Result::Unavailable;
    const fs::path lockPath = target.string() + ".lock";
    std::error_code ec;
    if (lockPath.has_parent_path())
        fs::create_directories(lockPath.parent_path(), ec);
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return Result::Unavailable;
    int locked;
    do
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool inUse = errno == EWOULDBLOCK;
        ::close(fd);
        return inUse ? Result::InUse : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Held;
}

void StoreLock::release()
{
    if (fd_ >= 0)
        ::close(fd_); // closing the only descriptor releases the lock
    fd_ = -1;
}

} // namespace kv3sim::detail
