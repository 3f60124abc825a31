// The yardsticks of the start-up benchmark, built like the game: a bare Qt
// Widgets window of the size given on the command line (the table's), and
// with "--texto" a main window of that size with a menu bar and a line of
// text, which is what any window that shows words pays on top (fonts,
// shaping, menus).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    std::unique_ptr<QWidget> ventana;
    if (args.contains(QStringLiteral("--texto"))) {
        auto principal = std::make_unique<QMainWindow>();
        for (const char* menu : {"&Juego", "&Opciones", "A&yuda"})
            principal->menuBar()->addMenu(QString::fromUtf8(menu));
        principal->setCentralWidget(new QLabel(QStringLiteral("Truco: Juego → Usuario Vs PC")));
        ventana = std::move(principal);
    } else {
        ventana = std::make_unique<QWidget>();
    }
    ventana->resize(args.value(1, QStringLiteral("660")).toInt(), args.value(2, QStringLiteral("512")).toInt());
    ventana->setWindowTitle(QStringLiteral("Ventana vacía"));
    ventana->show();
    return app.exec();
}
