// The yardstick for start-up time and memory: the least a Qt Widgets program does to
// show a window of Talco's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(190, 469);
    window.show();
    return app.exec();
}
