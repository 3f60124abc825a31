#pragma once
#include "platform/Program.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Cambiar Fondo...": browse the volumes and folders for a picture to tile
// the table with. Each file clicked is previewed and put into the table's
// picture at once; "Aceptar" remembers it and repaints the table.
class FrmFOndo : public QDialog {
    Q_OBJECT
public:
    FrmFOndo(Services& s, QPixmap& P1, std::function<void()> pintarFondo,
             QWidget* parent = nullptr);

    // folder + "/" + name, without doubling the separator of a root folder.
    static QString rutaCompleta(const QString& carpeta, const QString& nombre);
    // File patterns listed, matched without regard to case.
    static QStringList patrones();

    // The folder listed; false (and nothing changes) when it cannot be read.
    bool irACarpeta(const QString& carpeta);
    QString carpeta() const { return carpeta_; }

    QLabel* LblUnidad;
    QComboBox* Drive1;
    QLabel* LblCarpetas;
    QLabel* LblRuta;
    QListWidget* Dir1;
    QLabel* LblArchivos;
    QListWidget* File1;
    QLabel* Imgprel;
    QPushButton* Cmdok;
    QPushButton* CmdNo;

    QString RutaElegida;

public slots:
    void Drive1_Change();
    void File1_Click();
    void Cmdok_Click();
    void CmdNo_Click();
    void done(int r) override;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The folder on one line, shortened in its middle when long; whole in
    // its tooltip and for the screen reader.
    void mostrarRuta();
    void entrarCarpeta(QListWidgetItem* item);
    void llenarUnidades();
    void elegirUnidadDe(const QString& carpeta);

    Services& s_;
    QPixmap& P1_;
    QPixmap elegida_;  // previewed, not yet on the table
    std::function<void()> pintarFondo_;
    QString carpeta_;
    bool ajustandoUnidad_ = false;
};
