#pragma once

#include <string>
#include <vector>

// Builds the expected lines of a part type from the numbers a case lists, so
// that a table of cases can be compared with the generated text byte for byte.
namespace velmora::test {

inline std::string typeLines(const std::string& name, long nameData)
{
    return "Type " + name + " {\nNameData { 50 0 " + std::to_string(nameData) + " 0 Center }\n";
}

inline std::string padLine(const std::string& letter, long width, long height)
{
    return "Pad " + letter + " { Rectangle " + std::to_string(width) + " " + std::to_string(height) + " }\n";
}

inline std::string pinLine(int number, const std::string& letter, long x, long y)
{
    return "Pin " + std::to_string(number) + " { " + letter + " 0 0 " + std::to_string(x) + " " + std::to_string(y) +
           " 0 }\n";
}

} // namespace velmora::test
