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
};

StoreReading readStoreFile(const std::string &path);

// Writes a temporary file beside the target and renames it into place, so the
// file holds either the old or the new configuration, never part of one.
// Creates missing parent directories. False when anything failed.
bool writeStoreFile(const std::string &path, const Configuration &config);

} // namespace kv3sim::detail
