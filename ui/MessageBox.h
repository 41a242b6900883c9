#pragma once

#include <QString>
#include <QStringList>

namespace velmora::ui {

// The modal message box of the output commands, behind a seam that tests
// answer: in test mode a message is recorded instead of shown.
class MessageBox {
public:
    // Shows `text`, with the details (file and system reason) beneath it.
    static void show(const QString& text, const QString& informativeText = {});

    // Tests: record messages as "text" and "informative text" instead of showing them.
    static void setTestMode(bool on);
    static QStringList shownTexts();
    static QStringList shownInformativeTexts();
    static void clearShown();
};

} // namespace velmora::ui
