// Any bytes as the state file, then connecting, ReadCfg and the four Get
// calls, as the utility starts.
//
//   - 96 bytes load: every record holds the file's little-endian words, and
//     sending them back and committing writes the same 96 bytes;
//   - any other size is refused by ReadCfg with error 5 and by the commit,
//     and the file is left byte for byte as it was;
//   - no temporary file is left beside the state file.
#include "kv3sim.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char *what, size_t size)
{
    std::fprintf(stderr, "%s (a state file of %zu bytes)\n", what, size);
    std::abort();
}

// A folder of our own, in memory where possible, so that commits are cheap;
// removed at exit. Plain characters, so that nothing of it is destroyed
// before the exit handler runs.
char g_folder[64];

void removeFolder()
{
    for (const char *name : {"/sensor.bin", "/sensor.bin.lock", "/.sensor.bin.tmp"})
        ::unlink((std::string(g_folder) + name).c_str());
    ::rmdir(g_folder);
}

std::string folder()
{
    if (g_folder[0] == '\0') {
        const char *base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::snprintf(g_folder, sizeof g_folder, "%s/fuzz_statefile.XXXXXX", base);
        if (::mkdtemp(g_folder) == nullptr)
            std::abort();
        std::atexit(removeFolder);
    }
    return g_folder;
}

std::vector<uint8_t> readAll(const std::string &path)
{
    std::vector<uint8_t> bytes;
    if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[256];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.insert(bytes.end(), buffer, buffer + got);
        std::fclose(file);
    }
    return bytes;
}

void writeAll(const std::string &path, const uint8_t *data, size_t size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}

size_t entriesIn(const std::string &path)
{
    size_t count = 0;
    if (DIR *dir = ::opendir(path.c_str())) {
        while (const dirent *entry = ::readdir(dir))
            count += std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0;
        ::closedir(dir);
    }
    return count;
}

// The record's words from the file at `offset`, little-endian.
template <typename Record>
bool holdsWords(const Record &record, const uint8_t *data, size_t offset)
{
    int16_t words[sizeof(Record) / 2];
    std::memcpy(words, &record, sizeof(Record));
    for (size_t i = 0; i < std::size(words); ++i) {
        const auto word = static_cast<int16_t>(data[offset + 2 * i] | (data[offset + 2 * i + 1] << 8));
        if (words[i] != word)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const std::string path = folder() + "/sensor.bin";
    writeAll(path, data, size);
    kv3sim::Settings settings;
    settings.statePath = path;
    settings.heldRange = 30;
    kv3sim::reset(settings);

    int32_t version = 0;
    if (USBConnect(&version) == 0)
        fail("USBConnect failed", size);
    const bool loads = size == kv3sim::kStoredSize;
    const int16_t read = ReadCfg();
    if ((read != 0) != loads || (!loads && GetLastLibErr() != KV3_ERR_BAD_STORE))
        fail(loads ? "ReadCfg refused a whole configuration" : "ReadCfg took a file of the wrong size",
             size);

    SonarParms sonar{};
    IdleParms idle{};
    WalkParms away{}, up{};
    if (!GetSonarParms(&sonar) || !GetIdleParms(&idle) || !GetWalkAwayParms(&away) || !GetWalkUpParms(&up))
        fail("a Get call failed", size);
    if (loads && !(holdsWords(sonar, data, 0) && holdsWords(idle, data, 16) && holdsWords(away, data, 32) &&
                   holdsWords(up, data, 64)))
        fail("the records differ from the file", size);

    const bool sent = SetSonarParms(&sonar) && SetIdleParms(&idle) && SetWalkAwayParms(&away) &&
                      SetWalkUpParms(&up);
    if (!sent)
        fail("a Set call failed", size);
    const int16_t committed = WriteCfg();
    if ((committed != 0) != loads || (!loads && GetLastLibErr() != KV3_ERR_BAD_STORE))
        fail(loads ? "the commit failed" : "a file of the wrong size was committed over", size);

    const std::vector<uint8_t> after = readAll(path);
    if (after.size() != size || (size != 0 && std::memcmp(after.data(), data, size) != 0))
        fail(loads ? "the commit did not write the same bytes back" : "the refused file was changed",
             size);
    if (entriesIn(folder()) != 2) // the state file and its lock file
        fail("a temporary file was left behind", size);
    USBDisconnect();
    return 0;
}
