#pragma once

#include "PartType.h"

class QLineEdit;

namespace velmora::ui {

enum class OutputMode {
    Save,   // the part type becomes the whole content of a new file
    Append, // the part type goes after the end of an existing file
};

// The five entry fields of one side of the window.
struct SideFields {
    QLineEdit* count = nullptr;
    QLineEdit* length = nullptr;
    QLineEdit* gap = nullptr;
    QLineEdit* width = nullptr;
    QLineEdit* name = nullptr;
};

// Runs one of the four output commands: asks for the file, builds the side's
// part type from its fields with `unitConversion`, writes it and marks the
// name with "_Saved". Failures are shown in a message box.
void runOutputCommand(OutputMode mode, PartKind kind, const SideFields& fields, double unitConversion);

} // namespace velmora::ui
