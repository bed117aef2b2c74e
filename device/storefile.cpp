#include "storefile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

    // Hands the descriptor over to the caller, who closes it.
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

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

// The byte of a folder that stands for a file's name in it (FNV-1a), well
// inside the offsets a lock may take.
off_t byteForName(const std::string &name)
{
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : name) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return static_cast<off_t>(hash >> 2);
}

StoreLock::Result lockExclusively(int fd)
{
    int locked;
    do
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked == 0)
        return StoreLock::Result::Held;
    return errno == EWOULDBLOCK ? StoreLock::Result::InUse : StoreLock::Result::Unavailable;
}

// Claims the name in the folder: first a shared lock on its byte, then a look
// for any other program's lock there. Two programs that claim it at once may
// both see the other and both give way; never do both keep it. The locks are
// open file description locks, so that two descriptors of one process are
// two claims, as two processes are.
StoreLock::Result claimName(int folder, const std::string &name)
{
    struct flock claim {};
    claim.l_type = F_RDLCK;
    claim.l_whence = SEEK_SET;
    claim.l_start = byteForName(name);
    claim.l_len = 1;
    struct flock other = claim;
    other.l_type = F_WRLCK; // conflicts with every lock of another description
    if (::fcntl(folder, F_OFD_SETLK, &claim) != 0 || ::fcntl(folder, F_OFD_GETLK, &other) != 0)
        return StoreLock::Result::Unavailable;
    return other.l_type == F_UNLCK ? StoreLock::Result::Held : StoreLock::Result::InUse;
}

StoreReading refused(std::string why)
{
    return {StoreState::Refused, factoryDefaults(), std::move(why)};
}

// What a file is that is not a regular one.
const char *kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "something else";
}

// Why a state file that stat() describes cannot be used; empty when it can.
std::string refusalOf(const struct stat &info)
{
    if (!S_ISREG(info.st_mode))
        return std::string("it is ") + kindOf(info.st_mode) + ", not a regular file";
    if (info.st_nlink > 1)
        return "it has " + std::to_string(info.st_nlink) + " hard links, and a commit would break them";
    return {};
}

} // namespace

StoreReading readStoreFile(const std::string &path)
{
    // Only a regular file is opened: a FIFO or device could block the open
    // or the read, or act on being opened. The non-blocking open and the
    // second look at the opened file close the gap between look and open.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {StoreState::Missing, factoryDefaults(), {}};
        return refused(std::string("it cannot be looked at: ") + std::strerror(errno));
    }
    if (std::string why = refusalOf(info); !why.empty())
        return refused(std::move(why));

    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid())
        return refused(std::string("it cannot be opened: ") + std::strerror(errno));
    if (::fstat(file.get(), &info) != 0)
        return refused(std::string("it cannot be looked at: ") + std::strerror(errno));
    if (std::string why = refusalOf(info); !why.empty())
        return refused(std::move(why));

    // One byte more than a configuration tells a longer file from a full one.
    std::array<uint8_t, kStoredSize + 1> bytes{};
    const ssize_t size = readUpTo(file.get(), bytes.data(), bytes.size());
    if (size < 0)
        return refused(std::string("it cannot be read: ") + std::strerror(errno));
    const std::string expected = std::to_string(kStoredSize);
    if (size > static_cast<ssize_t>(kStoredSize))
        return refused("it holds more than " + expected + " bytes");
    if (size < static_cast<ssize_t>(kStoredSize))
        return refused("it holds " + std::to_string(size) + " bytes, not " + expected);
    std::array<uint8_t, kStoredSize> stored{};
    std::copy_n(bytes.begin(), kStoredSize, stored.begin());
    return {StoreState::Loaded, decode(stored), {}};
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
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    fs::create_directories(folder, ec);

    const fs::path lockPath = target.string() + ".lock";
    FileDescriptor lockFile(
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!lockFile.valid())
        return Result::Unavailable;
    if (const Result result = lockExclusively(lockFile.get()); result != Result::Held)
        return result;
    FileDescriptor folderLock(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderLock.valid())
        return Result::Unavailable;
    if (const Result result = claimName(folderLock.get(), target.filename().string());
        result != Result::Held)
        return result;
    lockFile_ = lockFile.release();
    folder_ = folderLock.release();
    return Result::Held;
}

void StoreLock::release()
{
    // Closing the only descriptors releases the locks.
    for (int *fd : {&lockFile_, &folder_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

} // namespace kv3sim::detail
