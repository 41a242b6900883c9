#include "App.h"

#include "Menu.h"

#include <QFileOpenEvent>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace velmora::app {

namespace {

std::function<void(const QString&)>& errorPresenter()
{
    static std::function<void(const QString&)> presenter;
    return presenter;
}

} // namespace

App::App(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Velmora"));
    setApplicationDisplayName(QStringLiteral("Velmora"));
    setDesktopFileName(QStringLiteral("velmora"));
    menu_ = Menu::instance();
}

void App::OpenDocument(QFileOpenEvent*)
{
}

bool App::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        OpenDocument(static_cast<QFileOpenEvent*>(event));
        return true;
    }
    return QApplication::event(event);
}

bool App::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportEscapedException(QString::fromUtf8(error.what()));
    } catch (...) {
        reportEscapedException(QStringLiteral("An unknown error occurred."));
    }
    return true;
}

void App::reportEscapedException(const QString& what)
{
    static bool reporting = false;
    std::fprintf(stderr, "velmora: %s\n", what.toLocal8Bit().constData());
    std::fflush(stderr);
    if (reporting) {
        // A second failure while the first one is on screen: leave at once.
        std::_Exit(kEscapedExceptionStatus);
    }
    reporting = true;
    if (errorPresenter()) {
        errorPresenter()(what);
    } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::critical(nullptr, QStringLiteral("Velmora"),
                              QStringLiteral("Velmora has to stop because of an unexpected error:\n\n") + what);
    }
    reporting = false;
    QCoreApplication::exit(kEscapedExceptionStatus);
}

void App::setErrorPresenter(std::function<void(const QString&)> presenter)
{
    errorPresenter() = std::move(presenter);
}

} // namespace velmora::app
