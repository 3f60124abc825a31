#include "shell/FrmSponsor.h"
#include "support/Archivos.h"
#include "shell/Navegador.h"
#include "shell/Publicidad.h"
#include "shell/Vinculo.h"
#include "shell/rules/Listas.h"
#include "support/Jugador.h"
#include "support/ServidorHttp.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

const QByteArray kBanners = "Banners de Naipex\r\n***http://a.example/1;http://b.example/2;http://c.example/3";
const QByteArray kSponsors = "Sponsors***http://s1.example/;http://s2.example/;";


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
    EXPECT_EQ(b.motor.paginas, 0);  // no page view before a banner is shown

    b.p.Timer1_Timer();
    EXPECT_EQ(b.srv.pedidos, (QStringList{"/pnaipex.dat", "/pnaipexS.txt"}));
    EXPECT_EQ(b.p.Timer1.interval(), 20000);
    EXPECT_EQ(b.p.Descargado, 1);
    EXPECT_EQ(leer(b.fs.services.windowsFolder + "/pnaipex.dat"), kBanners);
    EXPECT_EQ(leer(b.fs.services.windowsFolder + "/pnaipexS.dat"), kSponsors);
    EXPECT_EQ(b.p.Sponsors[1], "http://s2.example/");
    EXPECT_TRUE(b.p.ImgLink->isHidden());

    for (int i = 0; i < 4; ++i)
        b.p.Timer1_Timer();
    EXPECT_EQ(b.motor.navegaciones, (QStringList{"http://a.example/1", "http://b.example/2", "http://c.example/3",
                                                 "http://a.example/1", "http://b.example/2"}));
    EXPECT_EQ(b.srv.pedidos.size(), 2);  // once per connection
    EXPECT_EQ(b.motor.paginas, 1);
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

TEST(Timer1, AListTooLargeToReadIsRefusedAndThePreviousOneStaysInUse)
{
    Banners b;
    b.p.Timer1_Timer();
    // Within what a download may bring, beyond what the reader takes.
    const QByteArray grande = "***http://grande.example/;" + QByteArray(listas::kTamanoMaximo, ' ');
    ASSERT_LT(grande.size(), DescargadorHttp::kTamanoMaximo);
    struct Lista {
        QString pedido, archivo;
        QByteArray guardada;
        int entradas;
        const std::vector<std::string>& enUso;
    };
    for (const Lista& l : {Lista{"/pnaipex.dat", b.p.archivoBanners(), kBanners, listas::kBanners, b.p.Banners},
                           Lista{"/pnaipexS.txt", b.p.archivoSponsors(), kSponsors, listas::kSponsors, b.p.Sponsors}}) {
        SCOPED_TRACE(l.pedido.toStdString());
        ASSERT_EQ(leer(l.archivo), l.guardada);
        b.srv.poner("/pnaipex.dat", kBanners);
        b.srv.poner("/pnaipexS.txt", kSponsors);
        b.srv.poner(l.pedido, grande);
        // A new connection fetches both lists again.
        b.fs.conexion.online = false;
        b.p.Timer1_Timer();
        b.fs.conexion.online = true;
        b.p.Timer1_Timer();
        EXPECT_TRUE(b.srv.pedidos.contains(l.pedido));
        EXPECT_EQ(leer(l.archivo), l.guardada);
        std::vector<std::string> leida;
        ASSERT_TRUE(listas::leerArchivoLista(l.archivo.toStdString(), l.entradas, leida));
        EXPECT_EQ(leida, l.enUso);
        if (l.entradas == listas::kBanners) {
            b.p.Timer1_Timer();
            EXPECT_EQ(b.motor.navegaciones.last(), "http://a.example/1");
        }
    }
    EXPECT_EQ(b.p.Sponsors[1], "http://s2.example/");
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
    // Only the table is told of the end: the engine's match is still on, and
    // each new game leaves it.
    m.fake.dialogs.defaultAnswer = true;

    // Offline: nothing at the end of a match.
    m.empezar();
    m.form.marcador(true, 30);
    EXPECT_EQ(p.sponsor(), nullptr);

    m.fake.conexion.online = true;
    m.empezar();
    m.fake.clock.queueUniform({0.99});
    m.form.marcador(true, 30);
    FrmSponsor* w = p.sponsor();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Wb2->LocationURL(), "http://s3.example/");  // the last one too

    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());

    m.empezar();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(p.sponsor(), w);  // loaded once, reused
}
