#pragma once
#include "installer/Entorno.h"
#include "installer/rules/Payload.h"

#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class frmporc;

// The installer's window: choose the folder, press "Instalar".
class Setupfrm : public QWidget {
    Q_OBJECT
public:
    Setupfrm(const Entorno& entorno, Dialogs& dialogs, QWidget* parent = nullptr);
    ~Setupfrm() override;

    void Form_Load();
    void Txtdir_Change();
    void Label2_Click();
    void cmdinstalar_Click();
    void Porcentaje(int Cuanto);
    static void Gradiente(QPainter& p, QSize size);

    frmporc& porc();
    bool porcVisible() const;
    // The chosen folder of the last installation, ending with "/".
    QString carpetaElegida() const { return carpeta_; }
    bool terminado() const { return terminado_; }

    QLabel* Label1;
    QLineEdit* Txtdir;
    QPushButton* Cmdinstalar;
    QLabel* lblmensaje;
    QLabel* Label2;
    QLabel* imgsoft;
    QStringList List1;
    payload::PayloadSizes PayloadSizes;

    // Opens the maker's site; tests replace it.
    std::function<void(const QUrl&)> abrirUrl;

signals:
    void instalacionTerminada();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool instalar();
    void detener();
    void error(const QString& texto, const QString& titulo);
    bool extraer(const std::string& carpeta, int pieza, const QString& nombre, unsigned modo);
    // Stops the installation with `texto` and the note that nothing installed changed.
    bool cancelar(const QString& texto, const QString& titulo);
    void subrayar(bool si);

    Entorno e_;
    Dialogs& dialogs_;
    std::unique_ptr<frmporc> porc_;
    QString carpeta_;
    bool terminado_ = false;
    bool cursorEspera_ = false;
};
