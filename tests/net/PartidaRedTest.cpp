// Two tables in one process play whole matches against each other over
// loopback TCP, with scripted players who play cards and press random
// enabled calls.
#include "game/AsientoRed.h"
#include "game/ClienteCuatro.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/rules/Protocolo.h"
#include "support/PartidaRed.h"
#include "support/Traza.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

struct PartidaRed : ::testing::TestWithParam<unsigned> {};

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
    ASSERT_TRUE(conectarLados(a, b));

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
        EXPECT_EQ(errorMostrado(l->m.fake), QString());
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

// People take seconds over a box, and the player opposite does not wait.
struct PartidaConPersonas : ::testing::TestWithParam<unsigned> {};

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
        EXPECT_EQ(errorMostrado(l->m.fake), QString());
    }
}

INSTANTIATE_TEST_SUITE_P(Semillas, PartidaConPersonas, ::testing::Values(1u, 2u, 6u));

// The server's player moves as soon as the cards are dealt, while the
// client's player still reads who starts.
enum class Primera { Carta, RealEnvido };
struct PrimeraJugada : ::testing::TestWithParam<Primera> {};

TEST_P(PrimeraJugada, LlegaAunqueElClienteTengaAbiertaLaConfiguracion)
{
    Lado b(12, QStringLiteral("Beto"), 5);
    CableCrudo s;
    bool movio = false, aplicadoConCajaAbierta = false;
    b.m.fake.clock.realPauses = true;
    b.m.fake.dialogs.abiertaMs = 1500;
    b.m.fake.dialogs.mientrasAbierta = [&] {
        // Nothing lands on the table while the box's step is under way.
        aplicadoConCajaAbierta = aplicadoConCajaAbierta || !b.f().CM[0].Caption.isEmpty() ||
                                 !b.f().JM[0]->caption().isEmpty() || !b.f().LC->caption().isEmpty();
        if (std::exchange(movio, true))
            return;
        std::vector<std::string> v = repartoCrudo({"4O", "5C", "6E"}, {"1E", "7O", "3B"});
        if (GetParam() == Primera::Carta)
            v.insert(v.end(), {protocolo::ijm(0, 0), protocolo::posc(1), "MANT", "JUGT", protocolo::bton("1010101001")});
        else
            v.push_back("REAL");
        for (const std::string& m : v)
            s.directo(m);
    };
    ASSERT_TRUE(s.conectar(b));
    s.directo(protocolo::confDos("Anabel", false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return movio && !b.m.fake.dialogs.flujo().ocupado(); }, 10000));
    ASSERT_FALSE(b.m.fake.dialogs.shown.empty());
    EXPECT_EQ(b.m.fake.dialogs.shown.front().title, QStringLiteral("Configuración del juego"));
    EXPECT_FALSE(aplicadoConCajaAbierta);
    b.m.fake.dialogs.abiertaMs = 0;

    if (GetParam() == Primera::Carta) {
        // The card lies on the client's table and its player answers with his.
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.red().puedeJugar(); }, 5000));
        EXPECT_EQ(b.f().JM[0]->caption().left(2), QStringLiteral("4O"));
        b.f().ICH[1]->press();
        EXPECT_TRUE(QTest::qWaitFor([&] { return s.recibidos.contains(QStringLiteral("IJM01")); }, 5000));
    } else {
        ASSERT_TRUE(QTest::qWaitFor([&] { return b.f().bt[1]->isEnabled(); }, 5000));
        EXPECT_EQ(b.f().LC->caption(), QStringLiteral("Real Envido"));
        b.f().bt[1]->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return s.recibidos.contains(QStringLiteral("QUIE")); }, 5000));
    }
    EXPECT_EQ(errorMostrado(b.m.fake), QString());
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

// What the other side writes, its name and its chat lines, is shown as it was
// typed: markup in it is never read as such (a heading, a picture as tall as
// the screen).
TEST(MesaEnRed, LoQueEscribeElOtroSeMuestraTalCual)
{
    const QString nombre = QStringLiteral("<b>Anabel</b>");
    Lado c(4, QStringLiteral("Beto"), 5);
    CableCrudo s(nombre);
    ASSERT_TRUE(s.conectar(c));
    const QString linea = QStringLiteral("<h1>Hola</h1><img src=\":/caras/pc.png\" height=\"600\">");
    ASSERT_TRUE(s.directo(protocolo::mens(linea.toStdString())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.f().LC->caption().contains(QStringLiteral("Hola")); }, 5000));
    EXPECT_EQ(c.f().LC->caption(), QLatin1Char('"') + linea + QLatin1Char('"'));
    EXPECT_EQ(c.f().NombreC->caption(), nombre);
    // As wide as the characters shown, and one line tall; so is the name in
    // the tooltip of the other's face.
    auto talCual = [](const QLabel* l, const QString& texto) {
        EXPECT_GE(l->sizeHint().width(), l->fontMetrics().horizontalAdvance(texto)) << texto.toStdString();
        EXPECT_LT(l->sizeHint().height(), 3 * l->fontMetrics().height()) << texto.toStdString();
    };
    for (Etiqueta* l : {c.f().LC, c.f().NombreC})
        talCual(l, l->text());
    QToolTip::showText(QPoint(10, 10), c.f().car[2]->toolTip(), c.f().car[2]);
    const QLabel* ayuda = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("qtooltip_label"))
            ayuda = qobject_cast<QLabel*>(w);
    ASSERT_NE(ayuda, nullptr);
    talCual(ayuda, nombre);
    QToolTip::hideText();
}

// The kinds of message after which one table goes away: the deal, a card,
// its count, a trick result, a panel, the turn, the points. Also with people
// who take their time over every box.
struct Corte : ::testing::TestWithParam<std::tuple<const char*, bool>> {};

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
    ASSERT_TRUE(QTest::qWaitFor([&] {
        if (!cortado && !actuar(a, false))
            actuar(b, false);
        return cortado;
    }, 20000)) << codigo.toStdString();
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

// A client that is only a wire in the test: it answers "OKOK" like any peer
// and then sends what no game would. The table acknowledges, reports each
// once and stays as it was; also with a person who takes his time over boxes.
struct SinSentido : ::testing::TestWithParam<bool> {};

TEST_P(SinSentido, SeInformaUnaVezYLaMesaNoCambia)
{
    Lado a(3, QStringLiteral("Ana"), 1);
    if (GetParam())
        a.m.fake.dialogs.abiertaMs = 300;
    a.m.computadoraEmpieza = false;  // Ana leads: the raw peer never has the turn
    Enlace& suyo = a.f().jred().enlace();
    suyo.puertoPrincipal = suyo.puertoAlternativo = 0;  // any free port
    a.f().jred().abrir();
    ASSERT_TRUE(suyo.escuchar());
    CableCrudo crudo(QStringLiteral("Crudo"));  // here a client
    Enlace& peer = *crudo.e;
    QObject::connect(&peer, &Enlace::conectadoComoCliente, [&] { crudo.directo(protocolo::saludo("Crudo", 4)); });
    peer.puertoPrincipal = peer.puertoAlternativo = suyo.puertoEscucha();
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
    // Everything the peer wrote has been read and handled.
    auto leido = [&] {
        return QTest::qWaitFor([&] {
            return !a.m.fake.dialogs.flujo().ocupado() && suyo.diferidos() == 0 && suyo.pendientes() == 0 &&
                   suyo.leidos() == peer.escritos() && a.f().enReposo();
        }, 10000);
    };
    const QStringList antes = foto();
    const std::size_t cajas = a.m.fake.dialogs.shown.size();
    auto nuevasCajas = [&] {
        QStringList t;
        for (std::size_t i = cajas; i < a.m.fake.dialogs.shown.size(); ++i)
            t << a.m.fake.dialogs.shown[i].text.section(QLatin1Char('\n'), 0, 0).remove(QStringLiteral("Se produjo el siguiente error "));
        return t;
    };
    // Out of turn, out of range, unknown, malformed, over-long, glued and
    // split: each is answered "OKOK", so the sender never hangs.
    for (const char* m : {"IJM01", "POSC3", "JUG02", "QUIE", "NOQU", "RETR", "XYZWhola", "DARHmucho", "BTON12", "CAM0ZZ", "VAL4OKOK"})
        ASSERT_TRUE(crudo.decir(m)) << m;
    ASSERT_TRUE(peer.enviar(QString(5000, QLatin1Char('x'))));
    EXPECT_FALSE(peer.esperandoAcuse());
    ASSERT_TRUE(leido());
    EXPECT_EQ(foto(), antes);
    // Reported once each, as it came, never piled up.
    EXPECT_EQ(nuevasCajas(), (QStringList{
        "5 Mensaje fuera de lugar: IJM01", "5 Mensaje fuera de lugar: POSC3", "5 Mensaje fuera de lugar: JUG02",
        "5 Mensaje fuera de lugar: QUIE", "5 Mensaje fuera de lugar: NOQU", "5 Mensaje fuera de lugar: RETR",
        "5 Mensaje desconocido: XYZWhola", "13 No coinciden los tipos: DARHmucho",
        "13 No coinciden los tipos: BTON12", "13 No coinciden los tipos: CAM0ZZ", "5 Mensaje fuera de lugar: VAL4",
        "7 Mensaje demasiado largo (5000 bytes)"}));

    // Three at once in one write: one box for them all.
    const std::size_t antesDelGolpe = a.m.fake.dialogs.shown.size();
    ASSERT_TRUE(crudo.directo("QUIENOQURETR"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.m.fake.dialogs.shown.size() > antesDelGolpe; }, 10000));
    ASSERT_TRUE(leido());
    EXPECT_EQ(a.m.fake.dialogs.shown.size(), antesDelGolpe + 1) << nuevasCajas().join(" / ").toStdString();
    EXPECT_EQ(foto(), antes);

    // And the game goes on: Ana plays her card, the peer hears of it.
    a.f().ICH_Click(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return crudo.recibidos.contains(QStringLiteral("IJM00")); }, 5000))
        << crudo.recibidos.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Personas, SinSentido, ::testing::Bool());

// ---- Each message of the wire, as the client's table takes it ----------------------

namespace {

// What a message does at the table that receives it: the server's messages
// that lead there (a step "#i" is the client's player pressing card i),
// then what the table shows once the last has come.
struct Efecto {
    const char* codigo;
    std::vector<std::string> guion;
    std::function<bool(Form1&)> muestra;
};
void PrintTo(const Efecto& e, std::ostream* os) { *os << e.codigo; }

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The server holds 1E 4O 12E, the client 5C 7O 6E; the server leads.
const std::vector<std::string> kReparto = repartoCrudo({"1E", "4O", "12E"}, {"5C", "7O", "6E"});
const std::vector<std::string> kTurno = {"MANT", "JUGT"};

// Plays the guion against the client table c; false when a step failed.
bool representar(CableCrudo& s, Lado& c, const std::vector<std::string>& guion)
{
    int cartas = 0;
    for (const std::string& m : guion) {
        if (m[0] != '#') {
            if (!s.decir(m))
                return false;
            continue;
        }
        c.f().ICH[m[1] - '0']->press();
        ++cartas;
        if (!QTest::qWaitFor([&] { return s.recibidos.filter(QStringLiteral("IJM")).size() == cartas; }, 5000))
            return false;
    }
    return true;
}

struct RecibeDos : ::testing::TestWithParam<Efecto> {};

}  // namespace

TEST_P(RecibeDos, LaMesaLoMuestra)
{
    Lado c(4, QStringLiteral("Beto"), 5);
    CableCrudo s;
    ASSERT_TRUE(s.conectar(c));
    ASSERT_TRUE(s.decir(protocolo::confDos("Anabel", false)));
    ASSERT_TRUE(representar(s, c, GetParam().guion)) << s.recibidos.join(' ').toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return GetParam().muestra(c.f()); }, 5000));
    EXPECT_EQ(errorMostrado(c.m.fake), QString());
}

INSTANTIATE_TEST_SUITE_P(Codigos, RecibeDos, ::testing::Values(
    // The server's third card and its value, the client's second and third.
    Efecto{"CAM2", kReparto, [](Form1& f) { return f.CM[2].Caption == QStringLiteral("12E"); }},
    Efecto{"CVM2", kReparto, [](Form1& f) { return f.CM[2].Tag == QStringLiteral("7"); }},
    Efecto{"CAR1", kReparto, [](Form1& f) { return f.CH[1].Caption == QStringLiteral("7O") && !f.ICH[1]->isHidden(); }},
    Efecto{"CAR2", kReparto, [](Form1& f) { return f.CH[2].Caption == QStringLiteral("6E") && !f.ICH[2]->isHidden(); }},
    // The client leads the first hand.
    Efecto{"EMPT", std::vector<std::string>{"EMPT"} + kReparto,
           [](Form1& f) { return f.asientoRed().puedeJugar(); }},
    // The turn given and taken back.
    Efecto{"MANF", kReparto + kTurno + std::vector<std::string>{"MANF"},
           [](Form1& f) { return !f.asientoRed().puedeJugar(); }},
    // The server sings falta envido: the client may answer it.
    Efecto{"FALT", kReparto + std::vector<std::string>{"FALT"},
           [](Form1& f) { return f.LC->caption() == QStringLiteral("Falta Envido") && f.bt[1]->isEnabled(); }},
    // The server goes to the deck: the hand is over here, nothing is offered.
    Efecto{"MAZO", kReparto + std::vector<std::string>{"MAZO"},
           [](Form1& f) { return f.LC->caption() == QStringLiteral("Me voy al mazo...") && mascaraDelPanel(f) == QStringLiteral("0000000000"); }},
    // The server wins the first trick, the client the second and leads the
    // third; the server's card of the third trick lies in its place.
    Efecto{"IJM2",
           kReparto + std::vector<std::string>{"IJM00", "POSC1"} + kTurno +
               std::vector<std::string>{"#0", "IJM11", "POSC2"} + kTurno + std::vector<std::string>{"#1", "#2", "IJM22", "POSC3"},
           [](Form1& f) { return f.JM[2]->caption().startsWith(QStringLiteral("12E")); }}));

namespace {
struct RecibeCuatro : ::testing::TestWithParam<Efecto> {};
const std::vector<std::string> kMano = {"4AR01E", "4AR17O", "4AR23B"};
}  // namespace

// The same for a client of the game in pairs, once the host said "DEA4".
TEST_P(RecibeCuatro, LaMesaLoMuestra)
{
    Lado c(5, QStringLiteral("Beto"), 5);
    CableCrudo s(QStringLiteral("xxxx"));
    s.trasSaludo = {"DEA4"};
    ASSERT_TRUE(s.conectar(c));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.red().cuatro() != nullptr; }, 5000)) << s.recibidos.join(' ').toStdString() << " | " << c.m.fake.dialogs.texts().join(" / ").toStdString();
    ASSERT_TRUE(representar(s, c, GetParam().guion));
    EXPECT_TRUE(QTest::qWaitFor([&] { return GetParam().muestra(c.f()); }, 5000));
    EXPECT_EQ(errorMostrado(c.m.fake), QString());
}

INSTANTIATE_TEST_SUITE_P(Codigos, RecibeCuatro, ::testing::Values(
    Efecto{"4AR1", kMano, [](Form1& f) { return f.CH[1].Caption == QStringLiteral("7O") && !f.ICH[1]->isHidden(); }},
    Efecto{"4AR2", kMano, [](Form1& f) { return f.CH[2].Caption == QStringLiteral("3B") && f.asiento().manoEnJuego(); }},
    // The player on the right plays the first trick.
    Efecto{"JUGD", {"JUGD07E"}, [](Form1& f) { return f.JD[0]->caption().startsWith(QStringLiteral("7E")); }},
    // The hand is over: no card may be played until the next deal.
    Efecto{"PON0", kMano + std::vector<std::string>{"JUGT", protocolo::bton("1010101001"), "PON0"},
           [](Form1& f) { return !f.asiento().manoEnJuego() && !f.asientoRed().cuatro()->puedeJugar(); }}));
