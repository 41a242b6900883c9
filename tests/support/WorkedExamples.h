#pragma once

// The two reference part types, byte for byte: a four-cycle slider and a
// four-finger button, both entered in inches.
namespace velmora::test {

inline constexpr const char* kSliderSL1 =
    "Type SL1 {\n"
    "NameData { 50 0 280 0 Center }\n"
    "Pad A { Rectangle 30 500 }\n"
    "Pad B { Rectangle 81 500 }\n"
    "Pad C { Rectangle 132 500 }\n"
    "Pad D { Rectangle 183 500 }\n"
    "Pin 1 { A 0 0 -484 0 0 }\n"
    "Pin 2 { D 0 0 -357 0 0 }\n"
    "Pin 3 { B 0 0 -204 0 0 }\n"
    "Pin 4 { C 0 0 -76 0 0 }\n"
    "Pin 5 { C 0 0 77 0 0 }\n"
    "Pin 6 { B 0 0 204 0 0 }\n"
    "Pin 7 { D 0 0 357 0 0 }\n"
    "Pin 8 { A 0 0 485 0 0 }\n"
    "}\n";

inline constexpr const char* kButtonBT1 =
    "Type BT1 {\n"
    "NameData { 50 0 280 0 Center }\n"
    "Pad A { Rectangle 44 460 }\n"
    "Pad B { Rectangle 500 20 }\n"
    "Pin 1 { A 0 0 -227 -20 0 }\n"
    "Pin 2 { A 0 0 -162 20 0 }\n"
    "Pin 1 { A 0 0 -97 -20 0 }\n"
    "Pin 2 { A 0 0 -32 20 0 }\n"
    "Pin 1 { A 0 0 33 -20 0 }\n"
    "Pin 2 { A 0 0 98 20 0 }\n"
    "Pin 1 { A 0 0 163 -20 0 }\n"
    "Pin 2 { A 0 0 228 20 0 }\n"
    "Pin 1 { B 0 0 0 -240 0 }\n"
    "Pin 2 { B 0 0 0 240 0 }\n"
    "}\n";

} // namespace velmora::test
