// The yardstick for start-up time: a Qt Widgets program with one empty
// window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(795, 441);
    window.show();
    return app.exec();
}
