#include "PadNames.h"

#include <algorithm>

namespace velmora {

void appendPadName(std::string& out, std::int64_t position)
{
    char letters[16];
    int count = 0;
    while (position > 0 && count < 16) {
        const std::int64_t digit = (position - 1) % 26;
        letters[count++] = static_cast<char>('A' + digit);
        position = (position - 1) / 26;
    }
    std::reverse(letters, letters + count);
    out.append(letters, static_cast<std::size_t>(count));
}

std::string padName(std::int64_t position)
{
    std::string name;
    appendPadName(name, position);
    return name;
}

} // namespace velmora
