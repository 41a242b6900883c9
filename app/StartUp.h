#pragma once

namespace velmora::ui {
class Window1;
}

namespace velmora::app {

class App;

// Registers the file type and opens the main window (or finds the one that
// is already open). `app` must exist.
ui::Window1* startUp(App& app);

// The whole run: start-up, the event loop and shutdown. Returns the exit
// status; an exception that escapes start-up is reported and fails it.
int run(int& argc, char** argv);

} // namespace velmora::app
