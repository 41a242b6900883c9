#pragma once

#include <QString>

#include <deque>
#include <optional>

namespace velmora::ui {

// The file dialogs of the output commands, behind a seam that tests answer.
// Each dialog is modal and parentless, suggests a bare file name and sets no
// filter, so any file can be chosen.
class FileDialog {
public:
    // The chosen file, or nothing when the user cancels.
    static std::optional<QString> askSaveFile(const QString& suggestedName);
    static std::optional<QString> askOpenFile(const QString& suggestedName);

    // Tests: the next dialogs answer these, in order, without showing.
    static void setNextAnswer(std::optional<QString> answer);
    static bool hasPendingAnswers();
    static void clearAnswers();
    // What the last dialog was asked: its suggested name and whether it was a save dialog.
    static QString lastSuggestedName();
    static bool lastWasSaveDialog();

private:
    static std::optional<QString> ask(bool save, const QString& suggestedName);
};

} // namespace velmora::ui
