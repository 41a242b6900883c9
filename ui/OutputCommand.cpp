#include "OutputCommand.h"

#include "ButtonGenerator.h"
#include "FileDialog.h"
#include "GenerationError.h"
#include "MessageBox.h"
#include "SafeFileWriter.h"
#include "SliderGenerator.h"

#include <QFile>
#include <QLineEdit>

namespace velmora::ui {

namespace {

EntryTexts readEntries(const SideFields& fields)
{
    return {fields.count->text().toStdString(), fields.length->text().toStdString(),
            fields.gap->text().toStdString(), fields.width->text().toStdString(), fields.name->text().toStdString()};
}

ComponentText buildText(PartKind kind, const EntryTexts& entries, double unitConversion)
{
    if (kind == PartKind::Slider)
        return SliderComponentText(readSliderParameters(entries, unitConversion));
    return ButtonComponentText(readButtonParameters(entries, unitConversion));
}

} // namespace

void runOutputCommand(OutputMode mode, PartKind kind, const SideFields& fields, double unitConversion)
{
    const QString suggestedName = kind == PartKind::Slider ? QStringLiteral("Slider") : QStringLiteral("Button");
    const std::optional<QString> chosen =
        mode == OutputMode::Save ? FileDialog::askSaveFile(suggestedName) : FileDialog::askOpenFile(suggestedName);
    if (!chosen)
        return;

    // Build the text before touching the file, so a refused part type
    // leaves the file exactly as it was.
    ComponentText text;
    try {
        text = buildText(kind, readEntries(fields), unitConversion);
    } catch (const GenerationError& error) {
        MessageBox::show(QString::fromStdString(error.what()));
        return;
    }

    const std::string path = QFile::encodeName(*chosen).toStdString();
    const FileWriteResult result =
        mode == OutputMode::Save ? SafeFileWriter::save(path, text) : SafeFileWriter::append(path, text);
    if (!result.ok()) {
        const QString message = result.status == FileWriteResult::Status::NotOpened
                                    ? QStringLiteral("The text file could not be created.")
                                    : QStringLiteral("The text file could not be written.");
        MessageBox::show(message, *chosen + QStringLiteral(": ") + QString::fromStdString(result.reason));
        return;
    }

    // Changing the text reruns the side's check, like any other edit.
    fields.name->setText(fields.name->text() + QStringLiteral("_Saved"));
}

} // namespace velmora::ui
