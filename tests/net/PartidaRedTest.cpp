// Two tables in one process play whole matches against each other over
// loopback TCP, with scripted players who play cards and press random
// enabled calls.
#include "game/AsientoRed.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/CargadorWs.h"
#include "net/rules/Protocolo.h"
#include "support/PartidaRed.h"
#include "support/Traza.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTcpServer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <random>

namespace {

struct PartidaRed : ::testing::TestWithParam<unsigned> {
    void conectar(Lado& a, Lado& b) { ASSERT_TRUE(conectarLados(a, b)); }
};

}  // namespace

TEST_P(PartidaRed, DosMesasJueganUnPartidoEntero)
{
    const unsigned seed = GetParam();
    Lado a(seed, QStringLiteral("Ana"), 3), b(seed + 100, QStringLiteral("Beto"), 12);
    a.m.computadoraEmpieza = seed % 2;  // on the server, "the peer starts"
    a.m.conFlor = seed % 3 != 0;
    Traza ta(a.m), tb(b.m);
    for (auto [l, t] : {std::pair{&a, &ta}, std::pair{&b, &tb}}) {
        t->seguirCable(l->f().jred().enlace());
        l->alActuar = [t](const QString& s) { t->anotar(QStringLiteral("> ") + s); };
    }
    conectar(a, b);
    ASSERT_FALSE(HasFatalFailure());

    // The names, faces and the options reached both tables.
    EXPECT_EQ(a.f().NombreC->caption(), QStringLiteral("Beto"));
    EXPECT_EQ(b.f().NombreC->caption(), QStringLiteral("Ana"));
    EXPECT_EQ(a.f().Label2->caption(), QStringLiteral("Ana"));
    EXPECT_EQ(a.red().voz(), QStringLiteral("12"));
    EXPECT_EQ(b.red().voz(), QStringLiteral("3"));
    EXPECT_EQ(b.red().estado().conFlor, a.red().estado().conFlor);
    ASSERT_FALSE(b.m.fake.dialogs.shown.empty());
    EXPECT_EQ(b.m.fake.dialogs.shown.front().title, QStringLiteral("Configuración del juego"));
    EXPECT_EQ(b.m.fake.dialogs.shown.front().text,
              QStringLiteral("Empieza %1\n¿Con flor? %2").arg(seed % 2 ? "Beto" : "Ana", a.red().estado().conFlor ? "SI" : "NO"));
    // A chat line reaches the other table above its cards, between quotes.
    b.f().mensaje->setText(QStringLiteral("¡Suerte, Ana!"));
    b.f().enviar->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.f().LC->caption() == QStringLiteral("\"¡Suerte, Ana!\""); }, 5000));
    EXPECT_TRUE(b.f().mensaje->text().isEmpty());
    // A face changed on the table changes on the other table too.
    a.f().Command6->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return b.red().voz() == QStringLiteral("4"); }, 5000));
    EXPECT_EQ(b.f().car[2]->toolTip(), QStringLiteral("Ana"));
    if (const QString carpeta = qEnvironmentVariable("TRUCO_CAPTURAS"); !carpeta.isEmpty()) {
        a.f().grab().save(carpeta + QStringLiteral("/red-servidor.png"));
        b.f().grab().save(carpeta + QStringLiteral("/red-cliente.png"));
    }
    // Whoever was chosen leads the first hand.
    EXPECT_EQ(b.red().puedeJugar(), seed % 2 == 1);
    EXPECT_EQ(a.red().puedeJugar(), seed % 2 == 0);

    int acciones = 0, quietos = 0;
    while (acciones < 4000) {
        ASSERT_TRUE(calmar(a, b)) << "the tables never came to rest";
        // Both tables agree at every moment between moves: the score with
        // its sides swapped, and each card and trick result of the hand.
        ASSERT_EQ(puntos(a.f().PuntosM), puntos(b.f().PuntosH)) << acciones;
        ASSERT_EQ(puntos(a.f().PuntosH), puntos(b.f().PuntosM)) << acciones;
        const red::EstadoRed& x = a.red().estado();
        const red::EstadoRed& y = b.red().estado();
        if (x.jugadasN[red::kLocal] == y.jugadasN[red::kPeer] && x.jugadasN[red::kPeer] == y.jugadasN[red::kLocal]
            && !x.manoTerminada && !y.manoTerminada) {
            for (int t = 0; t < x.jugadasN[red::kLocal]; ++t)
                ASSERT_EQ(a.f().JH[t]->caption(), b.f().JM[t]->caption());
            for (int t = 0; t < x.jugadasN[red::kPeer]; ++t)
                ASSERT_EQ(a.f().JM[t]->caption(), b.f().JH[t]->caption());
            const int decididas = std::min(x.jugadasN[red::kLocal], x.jugadasN[red::kPeer]);
            for (int t = 0; t < decididas; ++t)
                ASSERT_EQ(x.bazas[t] + y.bazas[t], 2) << "trick " << t;
        }
        if (a.f().ganadorMostrado() || b.f().ganadorMostrado())
            break;
        const bool actuo = actuar(a, true) || actuar(b, true);
        acciones += actuo;
        quietos = actuo ? 0 : quietos + 1;
        ASSERT_LT(quietos, 50) << "nobody can act";
    }
    ta.cerrar();
    tb.cerrar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.f().ganadorMostrado() && b.f().ganadorMostrado(); }, 5000))
        << puntos(a.f().PuntosM) << "-" << puntos(a.f().PuntosH);

    EXPECT_GE(a.manos + b.manos, 2);
    const int ana = puntos(a.f().PuntosM), beto = puntos(b.f().PuntosM);
    EXPECT_TRUE((ana == 30) != (beto == 30)) << ana << " " << beto;
    EXPECT_EQ(ana, puntos(b.f().PuntosH));
    EXPECT_EQ(beto, puntos(a.f().PuntosH));
    const QString ganador = ana == 30 ? QStringLiteral("ANA") : QStringLiteral("BETO");
    for (Lado* l : {&a, &b}) {
        EXPECT_TRUE(l->m.fake.dialogs.texts().contains(QStringLiteral("Ganador del partido: ") + ganador));
        EXPECT_FALSE(l->f().jred().enlace().esperandoAcuse());
        EXPECT_FALSE(l->m.fake.clock.stuck());
        // No error box on either side.
        for (const auto& s : l->m.fake.dialogs.shown)
            EXPECT_NE(s.icon, Dialogs::Icon::Error) << s.text.toStdString();
    }
    // Both return to the connection window.
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.f().jred().isVisible() && b.f().jred().isVisible(); }, 5000))
        << a.f().jred().isVisible() << b.f().jred().isVisible();

    // What each player saw, heard and sent is as it always was.
    const QString clave = QStringLiteral("%1 %2 %3 %4 %5").arg(seed).arg(ta.lineas.size()).arg(ta.resumen()).arg(tb.lineas.size()).arg(tb.resumen());
    const QString enteraA = QStringLiteral("red-%1-ana.txt").arg(seed), enteraB = QStringLiteral("red-%1-beto.txt").arg(seed);
    trazas::volcar(enteraA.chopped(4), ta);
    trazas::volcar(enteraB.chopped(4), tb);
    const bool entera = seed == 1;
    const QString guardada = QStringLiteral("red-%1.txt").arg(seed);
    if (trazas::grabando()) {
        trazas::escribir(guardada, clave + QLatin1Char('\n'));
        if (entera) {
            trazas::escribir(enteraA, ta.texto());
            trazas::escribir(enteraB, tb.texto());
        }
        GTEST_SKIP() << "recording the traces, not comparing them";
    }
    if (entera) {
        EXPECT_EQ(trazas::primeraDiferencia(trazas::leer(enteraA).join(QLatin1Char('\n')) + QLatin1Char('\n'), ta.texto()), QString());
        EXPECT_EQ(trazas::primeraDiferencia(trazas::leer(enteraB).join(QLatin1Char('\n')) + QLatin1Char('\n'), tb.texto()), QString());
    }
    EXPECT_EQ(clave, trazas::leer(guardada).value(0)) << "TRUCO_TRAZAS=<folder> writes the traces";
}

INSTANTIATE_TEST_SUITE_P(Semillas, PartidaRed, ::testing::Range(1u, 9u));

namespace {

// People take seconds over a box, and the player opposite does not wait.
struct PartidaConPersonas : ::testing::TestWithParam<unsigned> {};

}  // namespace

TEST_P(PartidaConPersonas, LasCajasQueTardanNoTrabanElPartido)
{
    const unsigned seed = GetParam();
    Lado a(seed, QStringLiteral("Ana"), 3), b(seed + 100, QStringLiteral("Beto"), 12);
    a.m.computadoraEmpieza = seed % 2;
    a.m.conFlor = seed % 3 != 0;
    leeComoPersona(a, b, 150);
    leeComoPersona(b, a, 150);
    ASSERT_TRUE(conectarLados(a, b));
    ASSERT_TRUE(jugarPartidoRed(a, b));
    const int ana = puntos(a.f().PuntosM), beto = puntos(b.f().PuntosM);
    EXPECT_TRUE((ana == 30) != (beto == 30)) << ana << " " << beto;
    EXPECT_EQ(ana, puntos(b.f().PuntosH));
    EXPECT_EQ(beto, puntos(a.f().PuntosH));
    for (Lado* l : {&a, &b}) {
        EXPECT_EQ(l->m.fake.dialogs.texts().filter(QStringLiteral("Ganador del partido: ")).size(), 1);
        EXPECT_FALSE(l->m.fake.clock.stuck());
        for (const auto& s : l->m.fake.dialogs.shown)
            EXPECT_NE(s.icon, Dialogs::Icon::Error) << s.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Semillas, PartidaConPersonas, ::testing::Values(1u, 2u, 6u));

namespace {

// The server's player moves as soon as the cards are dealt, while the
// client's player still reads who starts. The server is a bare wire here, so
// that it can act while the client's box is open.
enum class Primera { Carta, RealEnvido };
struct PrimeraJugada : ::testing::TestWithParam<Primera> {};

}  // namespace

TEST_P(PrimeraJugada, LlegaAunqueElClienteTengaAbiertaLaConfiguracion)
{
    Lado b(12, QStringLiteral("Beto"), 5);
    FakeServices fp(9);
    fp.clock.eventosReales();
    auto enlace = enlaceDePrueba(fp.services);
    ASSERT_TRUE(enlace);
    Enlace& servidor = *enlace;
    servidor.puertoPrincipal = servidor.puertoAlternativo = 0;  // any free port
    QStringList recibidos;
    auto decir = [&](const std::string& m) { servidor.enviarDirecto(QString::fromStdString(m)); };
    // The deal, as a server sends it after the configuration.
    auto repartir = [&] {
        const char* mias[3] = {"4O", "5C", "6E"};
        const char* suyas[3] = {"1E", "7O", "3B"};
        const int valoresMios[3] = {1, 2, 3}, valoresSuyos[3] = {14, 11, 10};
        for (int i = 0; i < 3; ++i)
            decir(protocolo::cam(i, mias[i]));
        for (int i = 0; i < 3; ++i)
            decir(protocolo::cvm(i, valoresMios[i]));
        for (int i = 0; i < 3; ++i)
            decir(protocolo::car(i, suyas[i]));
        for (int i = 0; i < 3; ++i)
            decir(protocolo::caV(i, valoresSuyos[i]));
        decir(protocolo::bton("0000000000"));
    };
    servidor.alRecibir = [&](const QString& c, const QString& arg) {
        recibidos << c + arg;
        return true;
    };
    servidor.alSaludar = [&](const QString&, int) {
        servidor.enviarDirecto(QString::fromStdString(protocolo::saludo("Anabel", 1)));
    };
    ASSERT_TRUE(servidor.escuchar());
    const int puerto = servidor.puertoEscucha();
    ASSERT_GT(puerto, 0);

    bool movio = false, aplicadoConCajaAbierta = false;
    b.m.fake.clock.realPauses = true;
    b.m.fake.dialogs.abiertaMs = 1500;
    b.m.fake.dialogs.mientrasAbierta = [&] {
        // Nothing lands on the table while the box's step is under way.
        aplicadoConCajaAbierta = aplicadoConCajaAbierta || !b.f().CM[0].Caption.isEmpty() ||
                                 !b.f().JM[0]->caption().isEmpty() || !b.f().LC->caption().isEmpty();
        if (movio)
            return;
        movio = true;
        repartir();
        if (GetParam() == Primera::Carta) {
            for (const std::string& m : {protocolo::ijm(0, 0), protocolo::posc(1), std::string("MANT"),
                                        std::string("JUGT"), protocolo::bton("1010101001")})
                decir(m);
        } else {
            decir("REAL");
        }
    };
    b.f().jred().enlace().puertoPrincipal = b.f().jred().enlace().puertoAlternativo = puerto;
    b.f().jred().abrir();
    ASSERT_TRUE(b.f().jred().enlace().conectar(QStringLiteral("127.0.0.1")));
    // Once the names are known, the server's player chooses.
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.f().NombreC->caption() == QStringLiteral("Anabel"); }, 10000));
    decir(protocolo::confDos("Anabel", false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return movio && !b.m.fake.dialogs.flujo().ocupado(); }, 10000));
    ASSERT_FALSE(b.m.fake.dialogs.shown.empty());
    EXPECT_EQ(b.m.fake.dialogs.shown.front().title, QStringLiteral("Configuración del juego"))
        << b.m.fake.dialogs.texts().join(" / ").toStdString();
    EXPECT_FALSE(aplicadoConCajaAbierta);
    b.m.fake.dialogs.abiertaMs = 0;

    if (GetParam() == Primera::Carta) {
        // The card lies on the client's table and its player answers with his.
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.red().puedeJugar(); }, 5000));
        EXPECT_EQ(b.f().JM[0]->caption().left(2), QStringLiteral("4O"));
        b.f().ICH[1]->press();
        ASSERT_TRUE(QTest::qWaitFor([&] { return recibidos.contains(QStringLiteral("IJM01")); }, 5000))
            << recibidos.join(' ').toStdString();
    } else {
        // The client's player is asked and answers.
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.f().bt[1]->isEnabled(); }, 5000));
        EXPECT_EQ(b.f().LC->caption(), QStringLiteral("Real Envido"));
        b.f().bt[1]->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return recibidos.contains(QStringLiteral("QUIE")); }, 5000))
            << recibidos.join(' ').toStdString();
    }
    for (const auto& c : b.m.fake.dialogs.shown)
        EXPECT_NE(c.icon, Dialogs::Icon::Error) << c.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Movidas, PrimeraJugada, ::testing::Values(Primera::Carta, Primera::RealEnvido));

// A server that says "CONF" again, each time in a segment of its own: the
// client's player sees one box, and the game is not disturbed.
TEST(MesaEnRed, UnaConfiguracionRepetidaNoAbreOtraCaja)
{
    Lado a(13, QStringLiteral("Ana"), 1), b(14, QStringLiteral("Beto"), 5);
    a.m.computadoraEmpieza = false;
    a.m.conFlor = false;
    b.m.fake.dialogs.abiertaMs = 300;
    ASSERT_TRUE(conectarLados(a, b));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(a.f().jred().enlace().enviar(QString::fromStdString(protocolo::confDos("Beto", true))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.red().puedeJugar(); }, 5000));
    a.f().ICH[0]->press();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.red().puedeJugar(); }, 5000));
    EXPECT_EQ(b.m.fake.dialogs.texts().size(), 1) << b.m.fake.dialogs.texts().join(" / ").toStdString();
    EXPECT_FALSE(b.red().estado().conFlor);
}

namespace {

// The kinds of message after which one table goes away: the deal, a card,
// its count, a trick result, a panel, the turn, the points.
// Also with people who take their time over every box.
struct Corte : ::testing::TestWithParam<std::tuple<const char*, bool>> {};

}  // namespace

TEST_P(Corte, ElOtroLadoSeEnteraYPuedeEmpezarOtroPartido)
{
    const QString codigo = QString::fromLatin1(std::get<0>(GetParam()));
    Lado a(7, QStringLiteral("Ana"), 1), b(8, QStringLiteral("Beto"), 5);
    if (std::get<1>(GetParam())) {
        leeComoPersona(a, b, 150);
        leeComoPersona(b, a, 150);
    }
    a.m.computadoraEmpieza = false;
    a.m.conFlor = false;
    // Beto leaves (closes his connection window) right after receiving the message.
    bool cortado = false;
    Enlace& e = b.f().jred().enlace();
    auto original = e.alRecibir;
    e.alRecibir = [&, original](const QString& c, const QString& arg) {
        const bool r = original(c, arg);
        if (!cortado && c.startsWith(codigo)) {
            cortado = true;
            QTimer::singleShot(0, &b.f(), [&] { b.f().jred().descargar(); });
        }
        return r;
    };
    // The cut may come inside the first deal: then nobody waits for it to end.
    ASSERT_TRUE(conectarLados(a, b, [&] { return cortado; }));
    QElapsedTimer reloj;
    reloj.start();
    while (!cortado && reloj.elapsed() < 20000) {
        QCoreApplication::processEvents();
        if (!actuar(a, false))
            actuar(b, false);
    }
    ASSERT_TRUE(cortado) << codigo.toStdString();
    const QString aviso = QStringLiteral("El contrincante Beto se ha desconectado");
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.m.fake.dialogs.texts().contains(aviso); }, 5000))
        << a.m.fake.dialogs.texts().join(" / ").toStdString() << " red " << a.red().RedEnJuego;
    EXPECT_FALSE(a.f().jred().enlace().esperandoAcuse());
    EXPECT_FALSE(b.f().jred().enlace().esperandoAcuse());
    EXPECT_FALSE(a.red().RedEnJuego);
    EXPECT_FALSE(b.m.fake.dialogs.texts().contains(QStringLiteral("El contrincante Ana se ha desconectado")));
    // Nothing more can be pressed on the table that was left.
    EXPECT_FALSE(a.red().jugando());

    // A new game against the computer from the menu.
    a.m.fake.dialogs.defaultAnswer = true;
    a.m.fake.clock.realEvents = false;
    a.m.empezar();
    EXPECT_TRUE(a.f().asiento().manoEnJuego());
    EXPECT_EQ(a.f().Label2->caption(), QStringLiteral("Pc"));
    EXPECT_EQ(a.f().PuntosM->caption(), QStringLiteral("0"));
    EXPECT_TRUE(a.f().mensaje->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Mensajes, Corte,
                         ::testing::Combine(::testing::Values("CAR0", "CA2V", "IJM", "POSC", "JUG", "BTON", "MANT", "DAR"),
                                            ::testing::Bool()));

// A peer that is only a wire in the test: it answers "OKOK" like any peer and
// then sends what no game would. The table acknowledges, reports once and
// stays as it was.
namespace {

// Also with a person who takes his time over every box.
struct SinSentido : ::testing::TestWithParam<bool> {};

}  // namespace

TEST_P(SinSentido, SeInformaUnaVezYLaMesaNoCambia)
{
    Lado a(3, QStringLiteral("Ana"), 1);
    if (GetParam())
        a.m.fake.dialogs.abiertaMs = 300;
    a.m.computadoraEmpieza = false;  // Ana leads: the raw peer never has the turn
    a.f().jred().enlace().puertoPrincipal = a.f().jred().enlace().puertoAlternativo = 0;  // any free port
    a.f().jred().abrir();
    ASSERT_TRUE(a.f().jred().enlace().escuchar());
    const int puerto = a.f().jred().enlace().puertoEscucha();
    ASSERT_GT(puerto, 0);

    FakeServices fp(9);
    fp.clock.eventosReales();
    auto enlace = enlaceDePrueba(fp.services);
    ASSERT_TRUE(enlace);
    Enlace& peer = *enlace;
    peer.alRecibir = [](const QString&, const QString&) { return true; };
    // Like a real client it echoes its name once Ana's has come, so that no
    // unknown code below passes for that echo.
    peer.alSaludar = [&](const QString&, int) {
        peer.enviarDirecto(QString::fromStdString(protocolo::saludo("Crudo", 4)));
    };
    QObject::connect(&peer, &Enlace::conectadoComoCliente, [&] {
        peer.enviarDirecto(QString::fromStdString(protocolo::saludo("Crudo", 4)));
    });
    peer.puertoPrincipal = peer.puertoAlternativo = puerto;
    ASSERT_TRUE(peer.conectar(QStringLiteral("127.0.0.1")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.manos > 0; }, 10000));
    ASSERT_TRUE(a.red().puedeJugar());

    auto foto = [&] {
        QStringList s;
        Form1& f = a.f();
        const red::EstadoRed& e = a.red().estado();
        s << f.PuntosM->caption() << f.PuntosH->caption() << QString::number(e.jugadasN[red::kLocal])
          << QString::number(e.jugadasN[red::kPeer]) << f.LC->caption() << QString::fromStdString(a.red().panelLocal());
        for (int t = 0; t < 3; ++t)
            s << f.JM[t]->caption() << QString::number(e.bazas[t]) << f.CM[t].Caption;
        s << QString::number(e.truco.trucoCantado) << QString::number(e.envidoCantado);
        return s;
    };
    const QStringList antes = foto();
    const int cajas = a.m.fake.dialogs.shown.size();
    // Out of turn, out of range, unknown, malformed, over-long, glued and
    // split: each is answered "OKOK", so the sender never hangs.
    for (const char* crudo : {"IJM01", "POSC3", "JUG02", "QUIE", "NOQU", "RETR", "XYZWhola", "DARHmucho",
                              "BTON12", "CAM0ZZ", "VAL4OKOK"}) {
        ASSERT_TRUE(peer.enviar(QString::fromLatin1(crudo))) << crudo;
    }
    ASSERT_TRUE(peer.enviar(QString(5000, QLatin1Char('x'))));
    EXPECT_FALSE(peer.esperandoAcuse());
    // Everything the peer wrote has been read and handled.
    Enlace& suyo = a.f().jred().enlace();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !a.m.fake.dialogs.flujo().ocupado() && suyo.diferidos() == 0 && suyo.pendientes() == 0 &&
               suyo.leidos() == peer.escritos() && a.f().enReposo();
    }, 10000));
    EXPECT_EQ(foto(), antes);
    // Reported, never piled up: one box at a time.
    // Reported once each, as it came, never piled up.
    const QStringList esperadas = {
        "5 Mensaje fuera de lugar: IJM01", "5 Mensaje fuera de lugar: POSC3", "5 Mensaje fuera de lugar: JUG02",
        "5 Mensaje fuera de lugar: QUIE", "5 Mensaje fuera de lugar: NOQU", "5 Mensaje fuera de lugar: RETR",
        "5 Mensaje desconocido: XYZWhola", "13 No coinciden los tipos: DARHmucho",
        "13 No coinciden los tipos: BTON12", "13 No coinciden los tipos: CAM0ZZ", "5 Mensaje fuera de lugar: VAL4",
        "7 Mensaje demasiado largo (5000 bytes)"};
    auto nuevasCajas = [&] {
        QStringList t;
        for (std::size_t i = cajas; i < a.m.fake.dialogs.shown.size(); ++i) {
            const QString& x = a.m.fake.dialogs.shown[i].text;
            const QString inicio = QStringLiteral("Se produjo el siguiente error ");
            t << (x.startsWith(inicio) ? x.mid(inicio.size()).section(QLatin1Char('\n'), 0, 0) : x);
        }
        return t;
    };
    EXPECT_EQ(nuevasCajas(), esperadas);

    // Three at once in one write: one box for them all.
    const std::size_t antesDelGolpe = a.m.fake.dialogs.shown.size();
    ASSERT_TRUE(peer.enviarDirecto(QStringLiteral("QUIENOQURETR")));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return a.m.fake.dialogs.shown.size() > antesDelGolpe && !a.m.fake.dialogs.flujo().ocupado() &&
               suyo.diferidos() == 0 && suyo.pendientes() == 0 && suyo.leidos() == peer.escritos() &&
               a.f().enReposo();
    }, 10000));
    EXPECT_EQ(a.m.fake.dialogs.shown.size(), antesDelGolpe + 1) << nuevasCajas().join(" / ").toStdString();
    EXPECT_EQ(foto(), antes);

    // And the game goes on: Ana plays her card, the peer hears of it.
    QString visto;
    peer.alRecibir = [&](const QString& c, const QString& arg) {
        if (c.startsWith(QLatin1String("IJM")))
            visto = c + arg;
        return true;
    };
    a.f().ICH_Click(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !visto.isEmpty(); }, 5000));
    EXPECT_EQ(visto, QStringLiteral("IJM00"));
}

INSTANTIATE_TEST_SUITE_P(Personas, SinSentido, ::testing::Bool());

// Without the socket control the game against the computer still works, and
// network play says clearly what is missing.
TEST(MesaEnRed, SinElControlDeRedLoDiceYSeSigueJugandoContraLaPc)
{
    QTemporaryDir vacia;
    MesaDePrueba m(2);
    m.fake.services.programFolder = vacia.path();
    m.form.red_Click();
    ASSERT_FALSE(m.fake.dialogs.shown.empty());
    EXPECT_EQ(m.fake.dialogs.shown.back().text, CargadorWs::mensajeFalta());
    EXPECT_FALSE(m.form.asientoRed().RedEnJuego);
    m.empezar();
    EXPECT_TRUE(m.form.asiento().manoEnJuego());
    EXPECT_EQ(m.form.Label2->caption(), QStringLiteral("Pc"));
}
