// The yardstick for start-up: a Qt Widgets program showing one window of the main
// window's size with one label, and nothing else.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1029, 510);
    QLabel label(QStringLiteral("Тактон"), &window);
    label.move(30, 30);
    window.show();
    return app.exec();
}
