#pragma once

#include "EnteredDesign.h"
#include "PartType.h"

#include <string>
#include <vector>

namespace velmora {

enum class ReportLevel { Error, Warning, Note };

// One finding about a written part type. Lengths in the message are given
// in thousandths of an inch and in millimetres; `fix` is empty for notes.
struct ReportLine {
    ReportLevel level = ReportLevel::Note;
    std::string message;
    std::string fix;
};

struct ReportOptions {
    // The board house's smallest copper-to-copper gap, thousandths of an inch.
    double minimumGap = 6.0;
};

// What a designer must know about the written numbers before a board is
// made: errors (copper that overlaps or touches, pads without area, gaps
// below the manufacturing minimum), warnings (gaps that rounding narrowed,
// features below common touch-sensor guidance, the window's warnings) and
// notes (pitch, narrowest and widest pad, copper area of each electrode).
// Findings of one kind are gathered into one line with their count and the
// worst case, so the report stays short for any number of pads. Errors come
// first, then warnings, then notes.
std::vector<ReportLine> designReport(const PartType& part, const EnteredDesign& entered,
                                     const ReportOptions& options = {});

// "error: ...; fix: ...", one line each, every line ending in a line feed.
std::string reportText(const std::vector<ReportLine>& lines);

bool hasLevel(const std::vector<ReportLine>& lines, ReportLevel level);

} // namespace velmora
