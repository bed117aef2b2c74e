// Factory defaults and the byte layout of the stored configuration.
#include "kv3sim.h"
#include "recordwords.h"

namespace kv3sim {
namespace {

using detail::kWordCount;

// Calls f on each record of the configuration, in the order of the stored file.
template <typename Config, typename F>
void forEachRecord(Config &config, F f)
{
    f(config.sonar);
    f(config.idle);
    f(config.walkAway);
    f(config.walkUp);
}

} // namespace

Configuration factoryDefaults()
{
    return factoryConfiguration();
}

std::array<uint8_t, kStoredSize> encode(const Configuration &config)
{
    std::array<uint8_t, kStoredSize> bytes{};
    std::size_t at = 0;
    forEachRecord(config, [&](const auto &record) {
        for (int16_t word : detail::wordsOf(record)) {
            const auto bits = static_cast<uint16_t>(word);
            bytes[at++] = static_cast<uint8_t>(bits & 0xFF);
            bytes[at++] = static_cast<uint8_t>(bits >> 8);
        }
    });
    return bytes;
}

Configuration decode(const std::array<uint8_t, kStoredSize> &bytes)
{
    Configuration config;
    std::size_t at = 0;
    forEachRecord(config, [&](auto &record) {
        using Record = std::remove_reference_t<decltype(record)>;
        std::array<int16_t, kWordCount<Record>> words{};
        for (int16_t &word : words) {
            word = static_cast<int16_t>(static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8));
            at += 2;
        }
        record = detail::recordFrom<Record>(words);
    });
    return config;
}

} // namespace kv3sim
