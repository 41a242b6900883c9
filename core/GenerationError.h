#pragma once

#include <cstdint>
#include <stdexcept>

namespace velmora {

// A generator refuses parameters whose part type could not be loaded by the
// layout program: too many cycles or fingers, or a number that would not be
// finite. The message is meant for the user as it stands.
class GenerationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest number of cycles or fingers a generator accepts. Below it no
// count arithmetic can overflow and the text stays a few megabytes.
inline constexpr std::int32_t kMaxCount = 100000;

} // namespace velmora
