#pragma once
#include <QString>
#include <QWidget>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help window: the topics of "Truco.hlp", with the table of contents
// that "Truco.cnt" gives, both beside the program.
class FrmAyuda : public QWidget {
    Q_OBJECT
public:
    explicit FrmAyuda(QWidget* owner);
    // Reads the files of `carpeta`; false (and a message in `error`) when the
    // help file is missing or unreadable.
    bool cargar(const QString& carpeta, QString* error);
    void mostrarTema(int contexto);
    // Titles of the contents, in order, as shown.
    QStringList titulos() const;

    QTreeWidget* Contenido = nullptr;
    QTextBrowser* Texto = nullptr;

signals:
    // A link out of the help (a web or mail address).
    void abrirFuera(const QUrl& url);

private:
    void alPulsarEnlace(const QUrl& url);
};
