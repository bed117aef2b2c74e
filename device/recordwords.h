// A parameter record seen as its run of 16-bit words.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace kv3sim::detail {

template <typename Record>
inline constexpr std::size_t kWordCount = sizeof(Record) / sizeof(int16_t);

template <typename Record>
std::array<int16_t, kWordCount<Record>> wordsOf(const Record &record)
{
    static_assert(std::is_trivially_copyable_v<Record> && sizeof(Record) % sizeof(int16_t) == 0);
    std::array<int16_t, kWordCount<Record>> words{};
    std::memcpy(words.data(), &record, sizeof(Record));
    return words;
}

template <typename Record>
Record recordFrom(const std::array<int16_t, kWordCount<Record>> &words)
{
    Record record{};
    std::memcpy(&record, words.data(), sizeof(Record));
    return record;
}

} // namespace kv3sim::detail
