// The floor for start-up figures: a Qt program that shows a 1200x750 main window and nothing else.
// Measured against the tutor with ../shared/tools/startup-race (see docs/DEVELOPING.md).
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1200, 750);
    window.show();
    return QApplication::exec();
}
