#include "FileDialog.h"

#include <QFileDialog>

namespace velmora::ui {

namespace {

struct DialogState {
    std::deque<std::optional<QString>> answers;
    QString lastSuggestedName;
    bool lastWasSave = false;
};

DialogState& state()
{
    static DialogState s;
    return s;
}

} // namespace

std::optional<QString> FileDialog::ask(bool save, const QString& suggestedName)
{
    DialogState& s = state();
    s.lastSuggestedName = suggestedName;
    s.lastWasSave = save;
    if (!s.answers.empty()) {
        std::optional<QString> answer = std::move(s.answers.front());
        s.answers.pop_front();
        return answer;
    }

    QFileDialog dialog(nullptr);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> FileDialog::askSaveFile(const QString& suggestedName)
{
    return ask(true, suggestedName);
}

std::optional<QString> FileDialog::askOpenFile(const QString& suggestedName)
{
    return ask(false, suggestedName);
}

void FileDialog::setNextAnswer(std::optional<QString> answer)
{
    state().answers.push_back(std::move(answer));
}

bool FileDialog::hasPendingAnswers()
{
    return !state().answers.empty();
}

void FileDialog::clearAnswers()
{
    state() = DialogState{};
}

QString FileDialog::lastSuggestedName()
{
    return state().lastSuggestedName;
}

bool FileDialog::lastWasSaveDialog()
{
    return state().lastWasSave;
}

} // namespace velmora::ui
