#include "StartUp.h"

#include "App.h"
#include "FileTypes.h"
#include "Menu.h"
#include "Window1.h"

#include <cstdio>
#include <exception>
#include <memory>

namespace velmora::app {

ui::Window1* startUp(App& app)
{
    FileTypes::setUp();
    return ui::Window1::findOrCreate(app.menu());
}

int run(int& argc, char** argv)
{
#ifndef Q_OS_MACOS
    // The menu bar belongs inside the window, below the title, with the
    // content area beneath it; asking the desktop for a global menu bar
    // would also cost a session-bus connection at every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
#endif
    std::unique_ptr<App> app;
    try {
        app = std::make_unique<App>(argc, argv);
    } catch (const std::exception& error) {
        // No GUI to show it in: standard error is all there is.
        std::fprintf(stderr, "velmora: %s\n", error.what());
        return kEscapedExceptionStatus;
    }

    int status = 0;
    try {
        startUp(*app);
        status = app->exec();
    } catch (const std::exception& error) {
        App::reportEscapedException(QString::fromUtf8(error.what()));
        status = kEscapedExceptionStatus;
    } catch (...) {
        App::reportEscapedException(QStringLiteral("An unknown error occurred."));
        status = kEscapedExceptionStatus;
    }

    // The window owns the menu bar; both go before the application object.
    // Deleting a window also deletes other top-level widgets (the menus'
    // pop-ups), so collect the windows before deleting any.
    QList<ui::Window1*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ui::Window1*>(widget))
            windows << window;
    }
    qDeleteAll(windows);
    return status;
}

} // namespace velmora::app
