#include "net/CargadorWs.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/MesaRed.h"
#include "game/AsientoRed.h"
#include "support/Jugador.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the table was told, in order.
struct MesaFalsa : MesaRed {
    struct Conexion {
        Enlace* enlace;
        bool servidor;
        QString nombre;
        int cara;
    };
    struct Saludo {
        QString nombre;
        int cara;
        bool operator==(const Saludo&) const = default;
    };
    std::vector<Conexion> conexiones;
    std::vector<Saludo> saludos;
    std::vector<std::pair<QString, QString>> recibidos;
    std::vector<bool> terminadas;
    std::vector<std::string> orden;

    void redConectada(Enlace& e, bool servidor, const QString& nombre, int cara) override
    {
        conexiones.push_back({&e, servidor, nombre, cara});
        orden.push_back("conectada");
    }
    void saludoHecho(const QString& nombre, int cara) override
    {
        saludos.push_back({nombre, cara});
        orden.push_back("saludo");
    }
    bool recibir(const QString& codigo, const QString& argumento) override
    {
        if (alRecibir)
            alRecibir(codigo);
        recibidos.emplace_back(codigo, argumento);
        return true;
    }
    void redTerminada(bool porElPeer) override
    {
        terminadas.push_back(porElPeer);
        orden.push_back("terminada");
    }
    std::function<void(const QString&)> alRecibir;
};

// One program: services whose waits let real socket events through (pauses
// still zero), its table and its connection window.
struct Programa {
    FakeServices f;
    MesaFalsa mesa;
    std::unique_ptr<JRed> red;

    Programa(const QString& nombre, int cara, int puerto1, int puerto2)
    {
        f.clock.eventosReales(5000);
        f.settings.save(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("nombre"), nombre);
        f.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), QString::number(cara));
        red = std::make_unique<JRed>(f.services, mesa);
        std::tie(red->enlace().puertoPrincipal, red->enlace().puertoAlternativo) = std::tie(puerto1, puerto2);
        red->intervaloIntento = 200;
        red->intervaloRendirse = 3000;
    }

    // Opens the window, types the address and presses "Conectar" on the
    // given second of the clock.
    void conectar(int segundo, const QString& destino = QStringLiteral("127.0.0.1"))
    {
        red->abrir();
        red->IPContrincante->setText(destino);
        f.clock.setSecond(segundo);
        QTest::mouseClick(red->Command1, Qt::LeftButton);
    }

    bool saludado() const { return !mesa.saludos.empty(); }
};

// How often the window asked whether to go on trying.
int preguntas(const ScriptedDialogs& d)
{
    int n = 0;
    for (const auto& s : d.shown)
        n += s.icon == Dialogs::Icon::Question && s.title == QLatin1String("Error") &&
             s.text == QStringLiteral("No se ha podido realizar la conexión.\n¿Desea seguir intentándolo?");
    return n;
}

// Two programs on this machine with the same two ports, like two copies of
// the game started by one user.
struct DosProgramas : ::testing::Test {
    // Held for the whole test: both copies listen on them in turn.
    PuertoReservado p1, p2;
    Programa a{QStringLiteral("Ana"), 12, p1.numero(), p2.numero()};
    Programa b{QStringLiteral("Beto"), 3, p1.numero(), p2.numero()};

    void SetUp() override
    {
        ASSERT_TRUE(p1.numero() > 0 && p2.numero() > 0);
        ASSERT_TRUE(a.red->disponible()) << CargadorWs(executableFolder()).error().toStdString();
    }

    void TearDown() override
    {
        EXPECT_FALSE(a.f.clock.stuck());
        EXPECT_FALSE(b.f.clock.stuck());
    }

    bool ambosSaludados() { return QTest::qWaitFor([&] { return a.saludado() && b.saludado(); }, 5000); }
};

}  // namespace

// Without the socket control the game against the computer still works, and
// network play says clearly what is missing, from the menu or the window.
TEST(JRed, WithoutThePlugInTheMenuAndTheWindowSayWhyAndThePcGameStillWorks)
{
    QTemporaryDir vacia;
    MesaDePrueba m(2);
    m.fake.services.programFolder = vacia.path();
    m.form.red_Click();
    EXPECT_EQ(m.fake.dialogs.texts(), QStringList{CargadorWs::mensajeFalta()});
    EXPECT_TRUE(CargadorWs::mensajeFalta().contains(QStringLiteral("Mswinsck.ocx")));
    JRed& red = m.form.jred();
    EXPECT_FALSE(red.isVisible());
    red.abrir();
    red.MiNombre->setText(QStringLiteral("Ana"));
    red.IPContrincante->setText(QStringLiteral("127.0.0.1"));
    QTest::mouseClick(red.Command1, Qt::LeftButton);
    EXPECT_EQ(m.fake.dialogs.texts(), (QStringList{CargadorWs::mensajeFalta(), CargadorWs::mensajeFalta()}));
    EXPECT_TRUE(red.Command1->isEnabled());
    EXPECT_FALSE(red.Timer1.isActive());
    EXPECT_FALSE(red.enlace().enviar(QStringLiteral("TRUC")));
    red.close();
    EXPECT_FALSE(m.form.asientoRed().RedEnJuego);
    m.empezar();
    EXPECT_TRUE(m.form.asiento().manoEnJuego());
    EXPECT_EQ(m.form.Label2->caption(), QStringLiteral("Pc"));
}

TEST_F(DosProgramas, DifferentRolesMeetAndExchangeNamesAndFaces)
{
    a.conectar(1);  // odd second: listens first
    EXPECT_EQ(a.f.settings.get(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero")),
              QStringLiteral("12"));
    b.conectar(0);  // even second: connects first
    ASSERT_TRUE(ambosSaludados());

    ASSERT_EQ(a.mesa.conexiones.size(), 1u);
    ASSERT_EQ(b.mesa.conexiones.size(), 1u);
    EXPECT_TRUE(a.mesa.conexiones[0].servidor);
    EXPECT_FALSE(b.mesa.conexiones[0].servidor);
    // Each table hears the other's name and face, once; a face of 12 does
    // not leak into the name.
    EXPECT_EQ(a.mesa.saludos, (std::vector<MesaFalsa::Saludo>{{QStringLiteral("Beto"), 3}}));
    EXPECT_EQ(b.mesa.saludos, (std::vector<MesaFalsa::Saludo>{{QStringLiteral("Ana"), 12}}));
    EXPECT_EQ(a.mesa.orden, (std::vector<std::string>{"conectada", "saludo"}));

    // Both windows are out of the way, their clocks stopped.
    for (Programa* p : {&a, &b}) {
        EXPECT_FALSE(p->red->isVisible());
        EXPECT_FALSE(p->red->Timer1.isActive());
        EXPECT_FALSE(p->red->Tmrtimeout.isActive());
        EXPECT_EQ(p->red->enlace().SaludoHecho, 1);
    }

    // "NICK" and the client's echo of the names reach nobody and worry nobody.
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.red->enlace().LlegoOK; }, 2000));
    EXPECT_TRUE(a.mesa.recibidos.empty());
    EXPECT_TRUE(a.f.dialogs.shown.empty());
    EXPECT_TRUE(b.f.dialogs.shown.empty());
    // The tables play over the connection they were handed.
    EXPECT_EQ(a.mesa.conexiones[0].enlace, &a.red->enlace());
    EXPECT_TRUE(a.mesa.terminadas.empty() && b.mesa.terminadas.empty());
}

TEST_F(DosProgramas, SameRoleInStepEndsAtTheQuestionAndYesRestartsWithTheAddressKept)
{
    // Both listen and keep listening: nobody connects before the time-out.
    for (Programa* p : {&a, &b}) {
        p->red->intervaloIntento = 60000;
        p->f.dialogs.answers = {true};
    }
    a.red->intervaloRendirse = 400;
    b.red->intervaloRendirse = 700;
    a.conectar(1);
    b.conectar(1);
    EXPECT_EQ(a.red->l2->text(), QStringLiteral("0"));
    EXPECT_EQ(b.red->l2->text(), QStringLiteral("0"));
    // On the retry, Beto's clock says even: he connects first.
    b.f.clock.setSecond(2);
    ASSERT_TRUE(ambosSaludados());
    EXPECT_EQ(preguntas(a.f.dialogs), 1);
    EXPECT_EQ(preguntas(b.f.dialogs), 1);
    EXPECT_EQ(a.red->IPContrincante->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(b.red->IPContrincante->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(b.red->hostRecordado, QStringLiteral("127.0.0.1"));
    ASSERT_EQ(a.mesa.conexiones.size(), 1u);
    EXPECT_TRUE(a.mesa.conexiones[0].servidor);
    EXPECT_FALSE(b.mesa.conexiones[0].servidor);
}

// Two copies on one computer with a single port to listen on, as an ordinary
// user has (1001 is refused): both start waiting, the second finds the port
// taken and reaches the first at once instead of idling until the question.
TEST(JRed, WithOnePortTheCopyThatCannotWaitConnects)
{
    const PuertoReservado reservado;
    const int uno = reservado.numero();
    ASSERT_GT(uno, 0);
    Programa a(QStringLiteral("Ana"), 12, uno, uno), b(QStringLiteral("Beto"), 3, uno, uno);
    for (Programa* p : {&a, &b}) {
        p->red->intervaloIntento = 60000;
        p->red->intervaloRendirse = 3000;
        p->f.dialogs.answers = {false};
    }
    a.conectar(1);
    b.conectar(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.saludado() && b.saludado(); }, 5000));
    EXPECT_EQ(preguntas(a.f.dialogs) + preguntas(b.f.dialogs), 0);
    ASSERT_EQ(a.mesa.conexiones.size(), 1u);
    EXPECT_TRUE(a.mesa.conexiones[0].servidor);
    EXPECT_FALSE(b.mesa.conexiones[0].servidor);
}

// "Conectar" refuses, one box each and nothing started, an empty address,
// an empty name and an address that cannot be one.
TEST(JRed, ConectarRefusesWhatCannotConnect)
{
    Programa p(QStringLiteral("Ana"), 2, 0, 0);
    p.red->abrir();
    const struct {
        const char* destino;
        const char* nombre;
        const char* aviso;
        QLineEdit* foco;
    } casos[] = {
        {"   ", "Ana", "Por favor escriba el nombre de la otra Pc o su dirección IP.", p.red->IPContrincante},
        {"127.0.0.1", " ", "Por favor escriba su nombre o apodo.", p.red->MiNombre},
        {"pc:99999", "Ana", "Error al intentar conectarse", p.red->IPContrincante},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.aviso);
        p.f.dialogs.shown.clear();
        p.red->IPContrincante->setText(QString::fromUtf8(c.destino));
        p.red->MiNombre->setText(QString::fromUtf8(c.nombre));
        QTest::mouseClick(p.red->Command1, Qt::LeftButton);
        ASSERT_EQ(p.f.dialogs.shown.size(), 1u);
        EXPECT_EQ(p.f.dialogs.shown[0].icon, Dialogs::Icon::Error);
        EXPECT_EQ(p.f.dialogs.shown[0].text, QString::fromUtf8(c.aviso));
        EXPECT_EQ(p.red->focusWidget(), c.foco);
        EXPECT_TRUE(p.red->Command1->isEnabled());
        EXPECT_TRUE(p.red->IPContrincante->isEnabled());
        EXPECT_FALSE(p.red->Timer1.isActive());
        EXPECT_EQ(p.red->windowTitle(), QStringLiteral("Juego en Red"));
        EXPECT_EQ(p.red->enlace().puertoEscucha(), 0);
    }
}

TEST(JRed, YesGivesAFreshTimeOutNoReturnsToTheClosedWindow)
{
    const PuertoReservado reservado;
    const int nadie = reservado.numero();
    ASSERT_GT(nadie, 0);
    Programa p(QStringLiteral("Ana"), 2, nadie, nadie);
    p.red->intervaloIntento = 100;
    p.red->intervaloRendirse = 300;
    p.f.dialogs.answers = {true, false};
    p.conectar(0, QStringLiteral("127.0.0.1:%1").arg(nadie));
    // Once, then once more after the fresh time-out of the retry.
    ASSERT_TRUE(QTest::qWaitFor([&] { return preguntas(p.f.dialogs) == 2; }, 5000));
    // The "No" leads back to the closed window.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.red->windowTitle() == QStringLiteral("Juego en Red"); }, 5000));
    EXPECT_EQ(p.red->IPContrincante->text(), QStringLiteral("127.0.0.1:%1").arg(nadie));
    EXPECT_FALSE(p.red->Timer1.isActive());
    EXPECT_FALSE(p.red->Tmrtimeout.isActive());
    EXPECT_FALSE(p.red->enlace().conectado());
    EXPECT_EQ(p.red->enlace().puertoEscucha(), 0);
    EXPECT_TRUE(p.red->lblstate->text().isEmpty()) << p.red->lblstate->text().toStdString();
    EXPECT_TRUE(p.mesa.conexiones.empty());
}

TEST_F(DosProgramas, PeerLeavingEndsTheGameOnBothTablesAndANewOneCanStart)
{
    a.conectar(1);
    b.conectar(0);
    ASSERT_TRUE(ambosSaludados());
    // Beto closes his connection window.
    b.red->descargar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !a.mesa.terminadas.empty(); }, 3000));
    EXPECT_EQ(a.mesa.terminadas, std::vector<bool>{true});
    EXPECT_EQ(b.mesa.terminadas, std::vector<bool>{false});
    EXPECT_FALSE(a.red->enlace().conectado());
    EXPECT_FALSE(a.red->RedDos);
    // The table shows the message itself; the window shows none.
    EXPECT_TRUE(a.f.dialogs.shown.empty());

    // From the menu again: a closed window with the address kept.
    a.red->abrir();
    EXPECT_EQ(a.red->IPContrincante->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(a.red->enlace().SaludoHecho, 0);
    EXPECT_TRUE(a.red->enlace().PuedeEnviar);

    // And the two meet again, in the other roles this time.
    a.mesa = MesaFalsa{};
    b.mesa = MesaFalsa{};
    b.conectar(1);
    a.conectar(0);
    ASSERT_TRUE(ambosSaludados());
    EXPECT_TRUE(b.mesa.conexiones[0].servidor);
    EXPECT_FALSE(a.mesa.conexiones[0].servidor);
    EXPECT_EQ(b.mesa.saludos, (std::vector<MesaFalsa::Saludo>{{QStringLiteral("Ana"), 12}}));
}

TEST_F(DosProgramas, TransmissionErrorUnloadsTheWindowAndReleasesTheTable)
{
    a.conectar(1);
    b.conectar(0);
    ASSERT_TRUE(ambosSaludados());
    // Beto's table hangs on a message until Ana's patience is over. Both run
    // in this one thread, so Ana's wait sees its end only once Beto's handler
    // returns; a timer set after hers and twice as long tells when hers has
    // fired, since timers fire in the order they fall due.
    a.red->enlace().esperaAcuseMs = 150;
    bool colgada = false;
    b.mesa.alRecibir = [&](const QString&) {
        colgada = true;
        QTimer testigo;
        testigo.setSingleShot(true);
        QSignalSpy vencido(&testigo, &QTimer::timeout);
        testigo.start(2 * a.red->enlace().esperaAcuseMs);
        EXPECT_TRUE(vencido.wait(10000));
    };
    a.red->show();
    EXPECT_FALSE(a.red->enlace().enviar(QStringLiteral("TRUC")));
    EXPECT_TRUE(colgada);
    ASSERT_FALSE(a.f.dialogs.shown.empty());
    EXPECT_EQ(a.f.dialogs.shown.back().text, QStringLiteral("Error en la transmisión, por favor vuelva a conectarse"));
    EXPECT_EQ(a.mesa.terminadas, std::vector<bool>{false});
    EXPECT_FALSE(a.red->isVisible());
    EXPECT_FALSE(a.red->RedDos);
    // Ready for the next connection.
    EXPECT_TRUE(a.red->enlace().PuedeEnviar);
    EXPECT_EQ(a.red->enlace().SaludoHecho, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b.mesa.terminadas.empty(); }, 3000));
    EXPECT_EQ(b.mesa.terminadas, std::vector<bool>{true});
}
