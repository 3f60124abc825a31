#include "game/MesaEscalable.h"
#include "shell/FrmSponsor.h"
#include "shell/Navegador.h"
#include "shell/Publicidad.h"
#include "shell/Vinculo.h"
#include "support/Jugador.h"
#include "support/ServidorHttp.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QByteArray kBanners = "Banners de Naipex\r\n***http://a.example/1;http://b.example/2;http://c.example/3";
const QByteArray kSponsors = "Sponsors***http://s1.example/;http://s2.example/;";

QByteArray contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A table area with the banner controls, online against a local server.
struct Banners {
    ServidorHttp srv;
    EntornoTemporal sitio{"NAIPEX_SITIO", srv.direccion().toLatin1()};
    FakeServices fs;
    DescargadorHttp descargador{5000};
    FakeMotorWeb motor;
    QWidget ventana;
    bool listo = preparar();  // before the table's controls are made
    Publicidad p{fs.services, &ventana, &ventana};

    bool preparar()
    {
        srv.poner("/pnaipex.dat", kBanners);
        srv.poner("/pnaipexS.txt", kSponsors);
        fs.services.descargador = &descargador;
        fs.services.web = &motor;
        fs.conexion.online = true;
        ventana.resize(660, 512);
        return true;
    }
};

}  // namespace

TEST(Timer1, FirstTickFetchesBothListsThenTheBannersRotate)
{
    Banners b;
    ASSERT_TRUE(b.srv.ok());
    EXPECT_EQ(b.p.Timer1.interval(), 6000);
    EXPECT_TRUE(b.p.Timer1.isActive());
    EXPECT_FALSE(b.p.ImgLink->isHidden());
    EXPECT_TRUE(b.p.Wb1->isHidden());
    EXPECT_EQ(b.motor.paginas, 0);  // no page view before a banner is shown

    b.p.Timer1_Timer();
    EXPECT_EQ(b.srv.pedidos, (QStringList{"/pnaipex.dat", "/pnaipexS.txt"}));
    EXPECT_EQ(b.p.Timer1.interval(), 20000);
    EXPECT_EQ(b.p.Descargado, 1);
    EXPECT_EQ(contenido(b.fs.services.windowsFolder + "/pnaipex.dat"), kBanners);
    EXPECT_EQ(contenido(b.fs.services.windowsFolder + "/pnaipexS.dat"), kSponsors);
    EXPECT_EQ(b.p.Sponsors[1], "http://s2.example/");
    EXPECT_TRUE(b.p.ImgLink->isHidden());
    EXPECT_FALSE(b.p.Wb1->isHidden());
    EXPECT_EQ(b.motor.paginas, 1);
    // Centred between the frame lines: 0 + (122 - 0 - 120) / 2.
    EXPECT_EQ(b.p.Wb1->geometry(), QRect(1, 79, 120, 240));

    for (int i = 0; i < 4; ++i)
        b.p.Timer1_Timer();
    EXPECT_EQ(b.motor.navegaciones, (QStringList{"http://a.example/1", "http://b.example/2", "http://c.example/3",
                                                 "http://a.example/1", "http://b.example/2"}));
    EXPECT_EQ(b.srv.pedidos.size(), 2);  // once per connection
    EXPECT_EQ(b.motor.paginas, 1);
}

TEST(Timer1, AFailedDownloadEndsTheTickAndKeepsTheOldList)
{
    Banners b;
    b.p.Timer1_Timer();
    b.p.Timer1_Timer();
    ASSERT_EQ(b.motor.navegaciones.size(), 2);

    // Offline: both counters go back; nothing is fetched or shown.
    b.fs.conexion.online = false;
    b.p.Timer1_Timer();
    EXPECT_EQ(b.p.Descargado, 0);
    EXPECT_EQ(b.p.Indice, 0);
    EXPECT_EQ(b.srv.pedidos.size(), 2);
    EXPECT_EQ(b.motor.navegaciones.size(), 2);

    // Online again, but the banner list is gone from the server.
    b.srv.poner("/pnaipex.dat", "no está", 404);
    b.fs.conexion.online = true;
    b.p.Timer1_Timer();
    EXPECT_EQ(b.srv.pedidos.size(), 3);  // the sponsor list is not asked for
    EXPECT_EQ(b.p.Descargado, 1);
    EXPECT_EQ(b.motor.navegaciones.size(), 2);
    EXPECT_EQ(b.p.Banners[2], "http://c.example/3");
    EXPECT_EQ(contenido(b.fs.services.windowsFolder + "/pnaipex.dat"), kBanners);

    // The next tick goes on with the list it has, from the start.
    b.p.Timer1_Timer();
    EXPECT_EQ(b.motor.navegaciones.last(), "http://a.example/1");
    EXPECT_EQ(b.srv.pedidos.size(), 3);

    // A failing sponsor list ends the tick too and leaves the sponsors as they
    // were; the new banners show from the next tick.
    b.fs.conexion.online = false;
    b.p.Timer1_Timer();
    b.fs.conexion.online = true;
    b.srv.poner("/pnaipex.dat", "***http://d.example/");
    b.srv.quitar("/pnaipexS.txt");
    const int antes = b.motor.navegaciones.size();
    b.p.Timer1_Timer();
    EXPECT_EQ(b.motor.navegaciones.size(), antes);
    EXPECT_EQ(b.p.Sponsors[0], "http://s1.example/");
    b.p.Timer1_Timer();
    EXPECT_EQ(b.motor.navegaciones.last(), "http://d.example/");
}

TEST(Timer1, ANewConnectionReadsFreshListsAndDropsUnsafeAddresses)
{
    Banners b;
    b.p.Timer1_Timer();
    b.fs.conexion.online = false;
    b.p.Timer1_Timer();

    b.srv.poner("/pnaipex.dat", "***javascript:alert(1);file:///etc/passwd;http://nuevo.example/;");
    b.fs.conexion.online = true;
    b.p.Timer1_Timer();
    EXPECT_EQ(b.srv.pedidos.size(), 4);
    EXPECT_EQ(b.p.Banners[0], "http://nuevo.example/");  // not joined to "http://a.example/1"
    EXPECT_EQ(b.p.Banners[1], "");
    b.p.Timer1_Timer();
    EXPECT_EQ(b.motor.navegaciones, (QStringList{"http://a.example/1", "http://nuevo.example/", "http://nuevo.example/"}));
}

TEST(Timer1, OfflineCostsNothingAndWithoutAnEngineThePictureStays)
{
    Banners b;
    b.fs.conexion.online = false;
    b.p.Timer1_Timer();
    b.p.Timer1_Timer();
    EXPECT_TRUE(b.srv.pedidos.isEmpty());
    EXPECT_EQ(b.p.Timer1.interval(), 6000);
    EXPECT_FALSE(QFile::exists(b.fs.services.windowsFolder + "/pnaipex.dat"));
    EXPECT_FALSE(b.p.ImgLink->isHidden());

    // The game built without WebEngine: the lists are read, the link picture stays.
    const auto sinMotor = crearMotorWeb();
    EXPECT_EQ(sinMotor, nullptr);
    b.fs.services.web = sinMotor.get();
    QWidget otra;
    Publicidad p(b.fs.services, &otra, &otra);
    b.fs.conexion.online = true;
    p.Timer1_Timer();
    EXPECT_EQ(p.Banners[0], "http://a.example/1");
    EXPECT_FALSE(p.ImgLink->isHidden());
    EXPECT_TRUE(p.Wb1->isHidden());
    EXPECT_FALSE(p.Wb1->tieneMotor());
}

TEST(Links, TableLinksAndMenuOpenTheSitesThroughTheLinkService)
{
    EntornoTemporal sitio("NAIPEX_SITIO", "http://127.0.0.1:8080/");
    EntornoTemporal socio("NAIPEX_SITIO_SOCIO", "https://socio.example");
    MesaDePrueba m;
    Publicidad& p = *m.form.publicidad;
    for (QAction* a : {m.form.como, m.form.Descargargratis, m.form.acerca})
        EXPECT_TRUE(a->isEnabled());

    m.form.Descargargratis->trigger();
    QTest::mouseClick(p.ImgLink, Qt::LeftButton);
    QTest::mouseClick(p.Lblhiper, Qt::LeftButton);
    EXPECT_EQ(m.fake.enlaces.abiertos, (QList<QUrl>{QUrl("http://127.0.0.1:8080"), QUrl("http://127.0.0.1:8080"),
                                                   QUrl("https://socio.example")}));
    EXPECT_EQ(p.Lblhiper->caption(), "El que busca...encuentra");
    m.form.Form_Load();
    captura(&m.form, "mesa");

    // The banner controls scale with the table, from their logical places.
    auto* mesa = qobject_cast<MesaEscalable*>(m.form.centralWidget());
    ASSERT_NE(mesa, nullptr);
    EXPECT_EQ(mesa->logicoDe(p.Wb1), QRect(1, 79, 120, 240));
    EXPECT_EQ(mesa->logicoDe(p.Lblhiper), Publicidad::rectLblhiper());
    m.form.resize(m.form.size() * 2);
    QApplication::processEvents();
    EXPECT_GT(mesa->escala(), 1.5);
    EXPECT_EQ(p.Wb1->geometry(), mesa->enPantalla(QRectF(1, 79, 120, 240)));
    EXPECT_EQ(p.ImgLink->geometry(), mesa->enPantalla(QRectF(Publicidad::rectImgLink())));

    // Underlined while the mouse is over it.
    QEvent entra(QEvent::Enter), sale(QEvent::Leave);
    EXPECT_FALSE(p.Lblhiper->subrayado());
    QApplication::sendEvent(p.Lblhiper, &entra);
    EXPECT_TRUE(p.Lblhiper->subrayado());
    QApplication::sendEvent(p.Lblhiper, &sale);
    EXPECT_FALSE(p.Lblhiper->subrayado());
}

TEST(Sponsor, ShownAtTheMatchEndRefusesToCloseAndHidesAtANewGame)
{
    MesaDePrueba m;
    FakeMotorWeb motor;
    m.fake.services.web = &motor;
    Publicidad& p = *m.form.publicidad;
    p.SponsorActivo = true;
    p.Sponsors[0] = "http://s1.example/";
    p.Sponsors[1] = "http://s2.example/";
    p.Sponsors[2] = "http://s3.example/";

    // Offline: nothing at the end of a match.
    m.empezar();
    m.form.DarPuntos("M", 30);
    EXPECT_EQ(p.sponsor(), nullptr);

    m.fake.conexion.online = true;
    m.empezar();
    m.fake.clock.queueUniform({0.99});
    m.form.DarPuntos("M", 30);
    EXPECT_TRUE(m.fake.dialogs.texts().contains("Ganador del partido: PC"));
    FrmSponsor* w = p.sponsor();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Sponsor - Naipex");
    EXPECT_EQ(w->width(), 728);
    EXPECT_EQ(w->Wb2->LocationURL(), "http://s3.example/");  // the last one too

    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());

    m.empezar();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(p.sponsor(), w);  // loaded once, reused

    // No sponsors left: the window comes back with its previous page.
    std::fill(p.Sponsors.begin(), p.Sponsors.end(), std::string());
    p.MostrarSponsor();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Wb2->LocationURL(), "http://s3.example/");
    EXPECT_EQ(motor.navegaciones.size(), 1);

    // Declining to abandon a hand under way hides it as well.
    m.fake.dialogs.answers.push_back(false);
    m.form.nuevo_Click();
    EXPECT_FALSE(w->isVisible());
}

TEST(Sponsor, NeverShownWhenInactiveOrWithoutAnySponsor)
{
    FakeServices fs;
    fs.conexion.online = true;
    QWidget ventana;
    Publicidad p(fs.services, &ventana, &ventana);
    p.Sponsors[0] = "http://s1.example/";
    p.MostrarSponsor();
    EXPECT_EQ(p.sponsor(), nullptr);  // SponsorActivo is set by the program's start-up

    p.SponsorActivo = true;
    p.Sponsors[0].clear();
    p.MostrarSponsor();
    EXPECT_EQ(p.sponsor(), nullptr);

    // Without an engine the window offers the sponsor's page as a link.
    p.Sponsors[0] = "http://s1.example/pagina";
    p.MostrarSponsor();
    ASSERT_NE(p.sponsor(), nullptr);
    EXPECT_TRUE(p.sponsor()->isVisible());
    p.sponsor()->Wb2->enlace()->press();
    EXPECT_EQ(fs.enlaces.abiertos, QList<QUrl>{QUrl("http://s1.example/pagina")});
}

TEST(Navegador, AnEngineModuleThatCannotLoadLeavesALink)
{
    QTemporaryDir dir;
    MotorModulo roto(dir.filePath("NaipexWeb.so"));
    QWidget padre;
    Navegador wb(QStringLiteral("Wb1"), &roto, &padre);
    EXPECT_TRUE(wb.tieneMotor());
    wb.Navigate(QStringLiteral("http://a.example/1"));
    EXPECT_FALSE(roto.cargado());
    EXPECT_FALSE(wb.paginaCreada());
    EXPECT_FALSE(wb.tieneMotor());
    ASSERT_NE(wb.enlace(), nullptr);
    EXPECT_TRUE(wb.enlace()->caption().endsWith("a.example"));
    QList<QUrl> pedidas;
    QObject::connect(&wb, &Navegador::abrirFuera, [&](const QUrl& u) { pedidas << u; });
    wb.enlace()->press();
    EXPECT_EQ(pedidas, QList<QUrl>{QUrl("http://a.example/1")});
}
