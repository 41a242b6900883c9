#pragma once

#include <QApplication>
#include <QPointer>

#include <functional>

class QFileOpenEvent;

namespace velmora::app {

class Menu;

// The application object. It shares the one menu bar with the main window,
// ignores requests to open documents and turns an exception that escapes an
// event handler into a visible error and a failing exit status.
class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);

    Menu* menu() const { return menu_; }

    // A document the system asks the program to open: the program opens
    // nothing and reads nothing.
    void OpenDocument(QFileOpenEvent* event);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an escaped exception's text in a message box and on standard
    // error, then ends every event loop with a failing status.
    static void reportEscapedException(const QString& what);

    // Tests: replaces the message box that reportEscapedException shows.
    static void setErrorPresenter(std::function<void(const QString&)> presenter);

protected:
    bool event(QEvent* event) override;

private:
    QPointer<Menu> menu_;
};

// The status the program ends with when an exception escaped.
inline constexpr int kEscapedExceptionStatus = 70;

} // namespace velmora::app
