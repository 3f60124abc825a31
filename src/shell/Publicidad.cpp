#include "shell/Publicidad.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Enlaces.h"
#include "platform/Red.h"
#include "platform/Sitios.h"
#include "shell/Facerca.h"
#include "shell/FrmAyuda.h"
#include "shell/FrmSponsor.h"
#include "shell/Navegador.h"
#include "shell/Nombres.h"
#include "shell/Vinculo.h"
#include "shell/rules/Listas.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QUrl>

namespace {

QString titulo() { return QStringLiteral("Naipex 2.0"); }

}  // namespace

Publicidad::Publicidad(Services& s, QWidget* mesa, QWidget* ventana)
    : QObject(ventana), s_(s), mesa_(mesa), ventana_(ventana)
{
    Banners.resize(listas::kBanners);
    Sponsors.resize(listas::kSponsors);

    for (QFrame** l : {&Line7, &Line9}) {
        *l = new QFrame(mesa_);
        (*l)->setFrameShape(QFrame::VLine);
        (*l)->setStyleSheet(QStringLiteral("color: #202020;"));
    }
    Line7->setObjectName(QStringLiteral("Line7"));
    Line9->setObjectName(QStringLiteral("Line9"));

    ImgLink = new QLabel(mesa_);
    nombrar(ImgLink, QStringLiteral("ImgLink"), QStringLiteral("Descargar más programas gratis"));
    ImgLink->setPixmap(QPixmap(QStringLiteral(":/enlace/imglink.png")));
    ImgLink->setScaledContents(true);
    ImgLink->setCursor(Qt::PointingHandCursor);
    ImgLink->setToolTip(QStringLiteral("Descargar más programas Gratis..."));
    ImgLink->installEventFilter(this);

    Wb1 = new Navegador(QStringLiteral("Wb1"), s_.web, mesa_);
    Wb1->hide();

    Lblhiper = new Vinculo(QStringLiteral("Lblhiper"), QStringLiteral("El que busca...encuentra"), mesa_);
    Lblhiper->setAlignment(Qt::AlignCenter);
    QFont f = Lblhiper->font();
    f.setPixelSize(13);
    f.setBold(true);
    Lblhiper->setFont(f);
    Lblhiper->setStyleSheet(QStringLiteral("color: #1a3fa0; background: rgba(255,255,255,170); border-radius: 4px;"));
    connect(Lblhiper, &Vinculo::clicked, this, &Publicidad::Lblhiper_Click);

    // At scale 1 until the table takes them into its scaling.
    for (const auto& [w, r] : controles())
        w->setGeometry(r);
    // The table closing lets the sponsor window close with it.
    ventana_->installEventFilter(this);

    // Enabled from the start: the first look is 6 s after the table opens.
    Timer1.setInterval(6000);
    connect(&Timer1, &QTimer::timeout, this, &Publicidad::Timer1_Timer);
    Timer1.start();
}

Publicidad::~Publicidad() = default;

FrmSponsor* Publicidad::sponsor() const { return FrmSponsor_; }
Facerca* Publicidad::acercaDe() const { return Facerca_; }
FrmAyuda* Publicidad::ayuda() const { return FrmAyuda_; }

QRect Publicidad::rectWb1()
{
    const int L = rectLine7().x();
    const int R = rectLine9().x();
    return {L + (R - L - 120) / 2, rectImgLink().y(), 120, rectImgLink().height()};
}

std::vector<std::pair<QWidget*, QRect>> Publicidad::controles() const
{
    return {{Line7, rectLine7()}, {Line9, rectLine9()}, {ImgLink, rectImgLink()}, {Wb1, rectWb1()}, {Lblhiper, rectLblhiper()}};
}

bool Publicidad::eventFilter(QObject* o, QEvent* e)
{
    if (o == ImgLink && e->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        ImgLink_Click();
        return true;
    }
    if (o == ventana_ && e->type() == QEvent::Close && FrmSponsor_)
        FrmSponsor_->terminar();
    return QObject::eventFilter(o, e);
}

void Publicidad::abrir(const QUrl& url)
{
    if (s_.enlaces)
        s_.enlaces->abrir(url);
}

// ---- Menu "Ayuda" and links ------------------------------------------------

void Publicidad::como_Click()
{
    if (!FrmAyuda_) {
        FrmAyuda_ = new FrmAyuda(ventana_);
        connect(FrmAyuda_, &FrmAyuda::abrirFuera, this, &Publicidad::abrir);
    }
    QString error;
    // From the program's folder, whatever the current folder is.
    if (!FrmAyuda_->cargar(s_.programFolder, &error)) {
        s_.dialogs.message(ventana_, Dialogs::Icon::Error, titulo(), error);
        return;
    }
    FrmAyuda_->show();
    FrmAyuda_->raise();
    FrmAyuda_->activateWindow();
}

void Publicidad::Descargargratis_Click() { abrir(QUrl(sitios::fabricante())); }

void Publicidad::ImgLink_Click() { abrir(QUrl(sitios::fabricante())); }

void Publicidad::Lblhiper_Click() { abrir(QUrl(sitios::socio())); }

void Publicidad::acerca_Click()
{
    if (!Facerca_)
        Facerca_ = new Facerca(s_.enlaces, ventana_);
    emit ventanaModal(Facerca_);
    Facerca_->exec();
}

// ---- Banner rotation -----------------------------------------------------------

bool Publicidad::IsOnline() { return s_.conexion && s_.conexion->IsOnline(); }

bool Publicidad::DownloadFile(const QString& URL, const QString& LocalFilename)
{
    // Only lists come this way. One larger than the reader takes is refused
    // here, before it replaces the list in use with a file nobody reads.
    return s_.descargador
        && s_.descargador->DownloadFile(URL, LocalFilename, static_cast<qint64>(listas::kTamanoMaximo));
}

QString Publicidad::archivoBanners() const { return s_.windowsFolder + QStringLiteral("/pnaipex.dat"); }

QString Publicidad::archivoSponsors() const { return s_.windowsFolder + QStringLiteral("/pnaipexS.dat"); }

void Publicidad::LeerDatos() { listas::leerArchivoLista(archivoBanners().toStdString(), listas::kBanners, Banners); }

void Publicidad::LeerDatosB() { listas::leerArchivoLista(archivoSponsors().toStdString(), listas::kSponsors, Sponsors); }

void Publicidad::Timer1_Timer()
{
    // A download waits inside the tick; a tick that comes meanwhile is dropped.
    if (enTick_)
        return;
    enTick_ = true;
    const auto fin = qScopeGuard([this] { enTick_ = false; });

    if (!IsOnline()) {
        Descargado = 0;
        Indice = 0;
        return;
    }
    if (Descargado == 0) {
        Timer1.setInterval(20000);
        Descargado = 1;
        const QString sitio = sitios::fabricante();
        if (!DownloadFile(sitio + QStringLiteral("/pnaipex.dat"), archivoBanners()))
            return;
        LeerDatos();
        if (!DownloadFile(sitio + QStringLiteral("/pnaipexS.txt"), archivoSponsors()))
            return;
        LeerDatosB();
    }
    mostrarBanner();
}

void Publicidad::mostrarBanner()
{
    const std::string& e = Banners.at(static_cast<std::size_t>(Indice));
    if (listas::direccionPermitida(e)) {
        // The page view is made here, on the first banner actually shown;
        // without an engine the picture link keeps the place.
        Wb1->Navigate(QString::fromStdString(e));
        if (Wb1->paginaCreada() && Wb1->isHidden()) {
            ImgLink->hide();
            Wb1->show();
        }
    }
    Indice = listas::siguienteIndice(Banners, Indice);
}

// ---- Sponsor window ----------------------------------------------------------------

void Publicidad::MostrarSponsor()
{
    if (!SponsorActivo || !IsOnline())
        return;
    s_.clock.reseed();
    const int i = listas::elegirSponsor(Sponsors, s_.clock.uniform());
    // With no sponsor the window shows its previous page, if it ever had one.
    if (i < 0 && (!FrmSponsor_ || FrmSponsor_->Wb2->LocationURL().isEmpty()))
        return;
    if (!FrmSponsor_) {
        FrmSponsor_ = new FrmSponsor(s_.web, ventana_);
        connect(FrmSponsor_->Wb2, &Navegador::abrirFuera, this, &Publicidad::abrir);
    }
    if (i >= 0)
        FrmSponsor_->Wb2->Navigate(QString::fromStdString(Sponsors[static_cast<std::size_t>(i)]));
    FrmSponsor_->show();
}

void Publicidad::ocultarSponsor()
{
    if (SponsorActivo && FrmSponsor_)
        FrmSponsor_->hide();
}
