// The yardstick for what text alone costs: the bare window showing one line of it, so
// that fonts are found, loaded and drawn as in any program that shows a figure.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("13 896,78"));
    window.resize(190, 469);
    window.show();
    return app.exec();
}
