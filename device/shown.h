// Text from the environment repeated in the library's warnings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kv3sim::detail {

// Characters of such text that a warning repeats.
inline constexpr std::size_t kShownLength = 80;

// The text with its control characters (C0, DEL and C1) written as \xNN, so
// that a value holding line breaks or terminal escapes still makes one plain
// line, and cut after kShownLength characters with a mark that gives its
// length. Characters are counted as code points, not bytes.
std::string shownText(std::string_view text);

} // namespace kv3sim::detail
