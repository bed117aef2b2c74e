// The file that holds the sensor's stored configuration: exactly the 96 bytes
// of kv3sim::encode, replaced atomically.
#pragma once

#include "kv3sim.h"

#include <string>

namespace kv3sim::detail {

enum class StoreState {
    Loaded,  // the file held a configuration
    Missing, // no file: factory defaults
    Refused, // unreadable or of the wrong size; it is left as it is
};

struct StoreReading {
    StoreState state = StoreState::Missing;
    Configuration config = factoryDefaults(); // factory defaults unless Loaded
    std::string refusal;                      // why it was Refused, for the library's warning
};

// Only a regular file with one name is read: anything else (a FIFO, socket,
// device or directory) is Refused at once, without being opened, and so is a
// file with more than one hard link, which a commit could only replace by
// breaking the link.
StoreReading readStoreFile(const std::string &path);

// Writes the temporary file beside the target and renames it into place, so
// the file holds either the old or the new configuration, never part of one.
// A link is kept: the file it points at is replaced, and an existing file
// keeps its permission bits. There is one temporary file per state file,
// which the next write replaces if a write was cut short. Creates missing
// parent directories. False when anything failed.
bool writeStoreFile(const std::string &path, const Configuration &config);

// One program at a time. The lock rests on the folder of the file the state
// file's path finally names (so that a link and the file it points at share
// it), which cannot be deleted while the state file or its lock file is in
// it: a shared lock on the one byte of the folder that stands for the file's
// name, taken first and then checked against every other program's, so that
// of two programs after one sensor at most one keeps it, and state files
// side by side in one folder are separate sensors. The lock file beside the
// file, "<file>.lock", is locked too (flock), as programs built with earlier
// versions of this library lock only that; it may be deleted or replaced at
// any time. Both are held until released, or until the process ends, however
// it ends.
class StoreLock {
public:
    enum class Result {
        Held,        // this sensor is ours now
        InUse,       // another program holds it
        Unavailable, // the lock file cannot be made or locked, for any other reason
    };

    StoreLock() = default;
    ~StoreLock() { release(); }
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    // Never waits. Creates missing parent directories, as a commit would.
    Result acquire(const std::string &statePath);
    void release();
    bool held() const { return lockFile_ >= 0; }

private:
    int lockFile_ = -1;
    int folder_ = -1;
};

} // namespace kv3sim::detail
