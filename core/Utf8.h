#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

// Length in bytes of the well-formed UTF-8 sequence that starts at `pos`
// (overlong forms and surrogates rejected), or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

} // namespace velmora
