#include "FileDialog.h"

#include <QFileDialog>

namespace velmora::ui {

namespace {

struct Answer {
    bool chosen = false;
    QString file;
};

struct DialogState {
    std::deque<Answer> answers;
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
        const Answer answer = s.answers.front();
        s.answers.pop_front();
        if (!answer.chosen)
            return std::nullopt;
        return answer.file;
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
    state().answers.push_back({answer.has_value(), answer.value_or(QString())});
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
