// The yardstick for start-up time: a Qt Widgets program with one empty
// window and nothing else. With --text the window also gets a menu bar and
// one label, the least that makes a program load the fonts.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <cstring>

int main(int argc, char** argv)
{
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    if (withText) {
        window.menuBar()->addMenu(QStringLiteral("File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Slider"), &window));
    }
    window.resize(795, 441);
    window.show();
    return app.exec();
}
