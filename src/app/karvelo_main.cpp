// karvelo: the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Karvelo ФУРНИТУРА"));
    w.resize(1024, 700);
    w.show();
    return app.exec();
}
