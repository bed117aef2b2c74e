#include "storefile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#if defined(__unix__)
#include <unistd.h>
#endif

namespace kv3sim::detail {
namespace {

namespace fs = std::filesystem;

// A name for the temporary file that is unlikely to be in use already; the
// exclusive open below catches the rest.
fs::path temporaryBeside(const fs::path &target, int attempt)
{
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    return target.parent_path() / ("." + target.filename().string() + ".tmp-" +
                                   std::to_string(tick) + "-" + std::to_string(attempt));
}

std::FILE *openExclusive(const fs::path &target, fs::path &temporary)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = temporaryBeside(target, attempt);
        if (std::FILE *file = std::fopen(temporary.c_str(), "wbx"))
            return file;
    }
    return nullptr;
}

// Writes the bytes and makes sure they reach the disk before the rename.
bool writeAndClose(std::FILE *file, const std::array<uint8_t, kStoredSize> &bytes)
{
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
#if defined(__unix__)
    ok = ::fsync(::fileno(file)) == 0 && ok;
#endif
    return std::fclose(file) == 0 && ok;
}

} // namespace

StoreReading readStoreFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ec;
        const bool exists = fs::exists(fs::symlink_status(path, ec)) && !ec;
        return {exists ? StoreState::Refused : StoreState::Missing, factoryDefaults()};
    }
    std::array<uint8_t, kStoredSize> bytes{};
    in.read(reinterpret_cast<char *>(bytes.data()), kStoredSize);
    const bool full = static_cast<std::size_t>(in.gcount()) == kStoredSize;
    const bool atEnd = in.peek() == std::ifstream::traits_type::eof() && !in.bad();
    if (!full || !atEnd)
        return {StoreState::Refused, factoryDefaults()};
    return {StoreState::Loaded, decode(bytes)};
}

bool writeStoreFile(const std::string &path, const Configuration &config)
{
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    if (ec)
        return false;

    fs::path temporary;
    std::FILE *file = openExclusive(target, temporary);
    if (file == nullptr)
        return false;
    if (writeAndClose(file, encode(config))) {
        fs::rename(temporary, target, ec);
        if (!ec)
            return true;
    }
    fs::remove(temporary, ec);
    return false;
}

} // namespace kv3sim::detail
