// The yardstick of the start-up benchmark: a bare Qt Widgets window, built
// like the game, of the size given on the command line (the table's).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QWidget ventana;
    ventana.resize(args.value(1, QStringLiteral("660")).toInt(), args.value(2, QStringLiteral("512")).toInt());
    ventana.setWindowTitle(QStringLiteral("Ventana vacía"));
    ventana.show();
    return app.exec();
}
