#pragma once
// What the table shows of the outside world: the banner rotation with its
// lists, the sponsor window, the links, the about window and the help.
#include "platform/Program.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QDialog;
class QFrame;
class QLabel;
class QUrl;
class QWidget;
class Facerca;
class FrmAyuda;
class FrmSponsor;
class Navegador;
class Vinculo;

class Publicidad : public QObject {
    Q_OBJECT
public:
    // `mesa` is the table area its controls live on, `ventana` the table
    // window that owns the other windows.
    Publicidad(Services& s, QWidget* mesa, QWidget* ventana);
    ~Publicidad() override;

    // The controls on the table with their places in logical table
    // coordinates (the table at scale 1, 660 x 512), for the table's scaling.
    std::vector<std::pair<QWidget*, QRect>> controles() const;
    // The places themselves.
    static QRect rectLine7() { return {0, 78, 1, 242}; }
    static QRect rectLine9() { return {122, 78, 1, 242}; }
    static QRect rectImgLink() { return {1, 79, 120, 240}; }
    // Above the table, clear of the chat line under the tallies.
    static QRect rectLblhiper() { return {157, 26, 220, 22}; }
    // Wb1 is centred between the lines: left = L + (R - L - 120) / 2.
    static QRect rectWb1();

    // ---- Menu "Ayuda" and the table's links ----
    void como_Click();
    void Descargargratis_Click();
    void acerca_Click();
    void ImgLink_Click();
    void Lblhiper_Click();

    // ---- Banner rotation ----
    void Timer1_Timer();
    bool IsOnline();
    bool DownloadFile(const QString& URL, const QString& LocalFilename);
    void LeerDatos();
    void LeerDatosB();
    QString archivoBanners() const;
    QString archivoSponsors() const;

    // ---- Sponsor window ----
    void MostrarSponsor();
    // Hidden at every new game.
    void ocultarSponsor();

    QTimer Timer1;
    int Descargado = 0;
    int Indice = 0;
    std::vector<std::string> Banners;
    std::vector<std::string> Sponsors;
    bool SponsorActivo = false;

    QFrame* Line7 = nullptr;
    QFrame* Line9 = nullptr;
    Navegador* Wb1 = nullptr;
    QLabel* ImgLink = nullptr;
    Vinculo* Lblhiper = nullptr;
    // The windows, once made (nullptr before).
    FrmSponsor* sponsor() const;
    Facerca* acercaDe() const;
    FrmAyuda* ayuda() const;

signals:
    // A modal window is about to be shown (tests answer it).
    void ventanaModal(QDialog* w);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void mostrarBanner();
    void abrir(const QUrl& url);

    Services& s_;
    QWidget* mesa_;
    QWidget* ventana_;
    bool enTick_ = false;
    QPointer<FrmSponsor> FrmSponsor_;
    QPointer<Facerca> Facerca_;
    QPointer<FrmAyuda> FrmAyuda_;
};
