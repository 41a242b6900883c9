#include "MessageBox.h"

#include <QMessageBox>

namespace velmora::ui {

namespace {

struct MessageState {
    bool testMode = false;
    QStringList texts;
    QStringList informativeTexts;
};

MessageState& state()
{
    static MessageState s;
    return s;
}

} // namespace

void MessageBox::show(const QString& text, const QString& informativeText)
{
    MessageState& s = state();
    if (s.testMode) {
        s.texts << text;
        s.informativeTexts << informativeText;
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"), text, QMessageBox::Ok);
    box.setInformativeText(informativeText);
    box.exec();
}

void MessageBox::setTestMode(bool on)
{
    state().testMode = on;
}

QStringList MessageBox::shownTexts()
{
    return state().texts;
}

QStringList MessageBox::shownInformativeTexts()
{
    return state().informativeTexts;
}

void MessageBox::clearShown()
{
    state().texts.clear();
    state().informativeTexts.clear();
}

} // namespace velmora::ui
