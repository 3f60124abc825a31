#include "net/CargadorWs.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/MesaRed.h"
#include "support/TestTable.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Recibido = std::pair<QString, QString>;

// A client's table: what it was told, in order. Like the real table, it
// switches its wire to the four-player client's rule on "DEA4".
struct MesaCliente : MesaRed {
    Enlace* enlace = nullptr;
    std::vector<QString> saludos;
    std::vector<Recibido> recibidos;
    std::vector<bool> terminadas;

    void redConectada(Enlace& e, bool, const QString&, int) override { enlace = &e; }
    void saludoHecho(const QString& nombre, int cara) override
    {
        saludos.push_back(nombre + QString::number(cara));
    }
    bool recibir(const QString& codigo, const QString& argumento) override
    {
        if (codigo == QLatin1String("DEA4"))
            enlace->setReceptor(Enlace::Receptor::ClienteCuatro);
        recibidos.emplace_back(codigo, argumento);
        return true;
    }
    void redTerminada(bool porElPeer) override { terminadas.push_back(porElPeer); }

    std::vector<QString> argumentos(const QString& codigo) const
    {
        std::vector<QString> v;
        for (const auto& [c, a] : recibidos) {
            if (c == codigo)
                v.push_back(a);
        }
        return v;
    }
};

// The host's table.
struct MesaHost : MesaCuatro {
    std::vector<int> aceptados;
    int completas = 0;
    int empezadas = 0;
    int terminadas = 0;
    JugadoresCuatro jugadores;
    int repartidor = -1;
    std::vector<std::tuple<int, QString, QString>> recibidos;

    void jugadorAceptado(int n) override { aceptados.push_back(n); }
    void mesaCompleta(const QString&, int) override { ++completas; }
    void partidaEmpieza(Dea4&, const JugadoresCuatro& j, int r) override
    {
        ++empezadas;
        jugadores = j;
        repartidor = r;
    }
    void recibir(int asiento, const QString& codigo, const QString& argumento) override
    {
        recibidos.emplace_back(asiento, codigo, argumento);
    }
    void caraCambiada(int asiento, const QString& nombre, int cara) override
    {
        cambios.push_back(QString::number(asiento) + nombre + QString::number(cara));
    }
    std::vector<QString> cambios;
    void partidaTerminada() override { ++terminadas; }
    void jugadorRelevado(int asiento, const QString& nombre) override
    {
        relevados.push_back(QString::number(asiento) + nombre);
    }
    std::vector<QString> relevados;
};

// One client program: an ordinary "Juego en Red" window that connects first.
struct Cliente {
    FakeServices f;
    MesaCliente mesa;
    std::unique_ptr<JRed> red;
    QString nombre;
    int cara;

    Cliente(const QString& n, int c, int puerto) : nombre(n), cara(c)
    {
        f.clock.realEvents = true;
        f.clock.realWaitLimitMs = 5000;
        f.settings.save(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("nombre"), n);
        f.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), QString::number(c));
        red = std::make_unique<JRed>(f.services, mesa);
        red->enlace().puertoPrincipal = puerto;
        red->enlace().puertoAlternativo = puerto;
        red->intervaloIntento = 300;
        red->intervaloRendirse = 4000;
    }
    void conectar()
    {
        red->abrir();
        red->IPContrincante->setText(QStringLiteral("127.0.0.1"));
        f.clock.setSecond(0);  // an even second: the first attempt connects
        QTest::mouseClick(red->Command1, Qt::LeftButton);
    }
};

QString aviso(int n) { return QStringLiteral("Hay %1 Jugadores conectados").arg(n); }

struct Dea4Red : ::testing::Test {
    // Held for the whole test: the host listens on it again after each reset.
    PuertoReservado reserva;
    int puerto = reserva.numero();
    FakeServices f;
    MesaHost mesa;
    std::unique_ptr<Dea4> dea4;
    std::array<std::unique_ptr<Cliente>, 3> c;  // socket k is c[k - 1]

    void SetUp() override
    {
        ASSERT_GT(puerto, 0);
        f.clock.realEvents = true;
        f.clock.realWaitLimitMs = 5000;
        dea4 = std::make_unique<Dea4>(f.services, mesa);
        ASSERT_TRUE(dea4->disponible()) << CargadorWs(executableFolder()).error().toStdString();
        dea4->Ws(0).puertoPrincipal = puerto;
        dea4->Ws(0).puertoAlternativo = puerto;
        c[0] = std::make_unique<Cliente>(QStringLiteral("Ana"), 3, puerto);
        c[1] = std::make_unique<Cliente>(QStringLiteral("Beto"), 7, puerto);
        c[2] = std::make_unique<Cliente>(QStringLiteral("Ceci"), 11, puerto);
    }

    void TearDown() override
    {
        EXPECT_FALSE(f.clock.stuck());
        for (auto& k : c)
            EXPECT_FALSE(k->f.clock.stuck());
    }

    // Clients connect one by one, each seen by the host with his name.
    void conectarTodos()
    {
        dea4->abrir(QStringLiteral("Host"), 5);
        ASSERT_EQ(dea4->Ws(0).puertoEscucha(), puerto);
        for (int k = 1; k <= 3; ++k) {
            c[k - 1]->conectar();
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return dea4->Conectados == k && dea4->Jug[k - 1]->text() == c[k - 1]->nombre; }, 5000))
                << "client " << k;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return c[0]->mesa.argumentos("MENS").size() == 3; }, 5000));
    }

    // The two presses of "Continuar ->".
    void empezar(int opcionCompanero, int opcionRepartidor)
    {
        dea4->Jug[opcionCompanero]->setChecked(true);
        QTest::mouseClick(dea4->Command1, Qt::LeftButton);
        dea4->Jug[opcionRepartidor]->setChecked(true);
        QTest::mouseClick(dea4->Command1, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (auto& k : c) {
                    if (k->mesa.argumentos("CONF").empty())
                        return false;
                }
                return mesa.empezadas == 1;
            },
            5000));
    }

    MesaCliente& enAsiento(int asiento) { return c[dea4->asientos.AsientoSocket[asiento] - 1]->mesa; }
};

}  // namespace

TEST(Dea4, HostAcknowledgesOnlyCallsAndCardsFirst)
{
    // A raw client: what comes back is exactly what the host answered.
    FakeServices f;
    f.clock.realEvents = true;
    MesaHost mesa;
    Dea4 dea4(f.services, mesa);
    ASSERT_TRUE(dea4.disponible());
    dea4.Ws(0).puertoPrincipal = dea4.Ws(0).puertoAlternativo = 0;  // any free port
    dea4.abrir(QStringLiteral("Host"), 0);
    const int puerto = dea4.Ws(0).puertoEscucha();
    ASSERT_GT(puerto, 0);
    QTcpSocket s;
    QByteArray llegado;
    qint64 recibidos = 0, mandados = 0;
    QObject::connect(&s, &QTcpSocket::readyRead, [&] {
        const QByteArray b = s.readAll();
        recibidos += b.size();
        llegado += b;
    });
    // The host has read and handled all we wrote, and all it wrote is here.
    auto alDia = [&] {
        Enlace& w = dea4.Ws(1);
        return w.leidos() == std::size_t(mandados) && w.pendientes() == 0 && !w.esperandoAcuse() &&
               w.escritos() == std::size_t(recibidos);
    };
    auto mandar = [&](const QByteArray& b) {
        s.write(b);
        mandados += b.size();
    };
    s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(puerto));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4.Conectados == 1; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return llegado == "MENS" + aviso(2).toLatin1(); }, 3000));
    llegado.clear();

    // A name, "NICK" and "MENS" go unanswered; "4TRU" gets one "OKOK".
    mandar("Raul4");
    ASSERT_TRUE(QTest::qWaitFor(alDia, 5000));
    mandar("NICKRaul4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4.Jug[0]->text() == QStringLiteral("Raul"); }, 3000));
    EXPECT_EQ(dea4.car[0]->property("tag").toString(), QStringLiteral("4"));
    mandar("4TRU");
    ASSERT_TRUE(QTest::qWaitFor([&] { return llegado.size() >= 4 && alDia(); }, 5000));
    EXPECT_EQ(llegado, QByteArray("OKOK"));

    // A send the client never acknowledges ends in the "da4" box and closes it.
    dea4.Ws(1).esperaAcuseMs = 200;
    EXPECT_FALSE(dea4.enviar(QStringLiteral("DICE0Hola"), 1));
    ASSERT_FALSE(f.dialogs.shown.empty());
    EXPECT_EQ(f.dialogs.shown.back().icon, Dialogs::Icon::Error);
    EXPECT_EQ(f.dialogs.shown.back().text,
              QStringLiteral("Error en la transmisión, por favor vuelva a conectarse da4 1  DICE0Hola"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.state() == QAbstractSocket::UnconnectedState; }, 3000));
}

TEST_F(Dea4Red, NoticesNamesFacesAndAFourthCallerRefusedAtOnce)
{
    conectarTodos();
    EXPECT_EQ(mesa.aceptados, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(c[0]->mesa.argumentos("MENS"), (std::vector<QString>{aviso(2), aviso(3), aviso(4)}));
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_TRUE(dea4->Command1->isEnabled());
    EXPECT_EQ(mesa.completas, 1);

    QTcpSocket cuarto;
    cuarto.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(puerto));
    ASSERT_TRUE(QTest::qWaitFor([&] { return cuarto.state() == QAbstractSocket::ConnectedState; }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return cuarto.state() == QAbstractSocket::UnconnectedState; }, 3000));
    EXPECT_EQ(dea4->Conectados, 3);
    EXPECT_EQ(c[0]->mesa.argumentos("MENS").size(), 3u);
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
}

TEST_F(Dea4Red, PartnerOnThirdSocketAndAClientDeals)
{
    conectarTodos();
    empezar(2, 1);  // partner: socket 3; dealer: socket 2
    EXPECT_EQ(dea4->asientos.AsientoSocket, (std::array<int, 4>{0, 1, 3, 2}));
    EXPECT_EQ(dea4->asientos.SocketAsiento, (std::array<int, 4>{0, 1, 3, 2}));
    EXPECT_EQ(dea4->Repartidor, 3);
    EXPECT_EQ(mesa.repartidor, 3);
    EXPECT_EQ(mesa.jugadores.nombres,
              (std::array<QString, 4>{QStringLiteral("Host"), QStringLiteral("Ana"), QStringLiteral("Ceci"),
                                      QStringLiteral("Beto")}));
    EXPECT_TRUE(dea4->isHidden());
    EXPECT_TRUE(dea4->RedCuatro && dea4->SoyServidor && dea4->RedEnJuego);

    // Seat 1 (Ana): right of her the partner Ceci, in front Beto, left Host.
    EXPECT_EQ(enAsiento(1).argumentos("CARA"),
              (std::vector<QString>{QStringLiteral("3Host5"), QStringLiteral("1Ceci;"), QStringLiteral("2Beto7")}));
    EXPECT_EQ(enAsiento(1).argumentos("PIES"), (std::vector<QString>{QStringLiteral("2")}));
    for (int s = 1; s <= 3; ++s) {
        MesaCliente& m = enAsiento(s);
        EXPECT_EQ(m.saludos, (std::vector<QString>{QStringLiteral("xxxx0")}));
        EXPECT_EQ(m.argumentos("YORE").size(), s == 3 ? 1u : 0u) << s;
        EXPECT_EQ(m.argumentos("CONF"), (std::vector<QString>{QStringLiteral("REPARTIO: Beto")}));
    }

    // Ana (seat 1) changes her face on her table: the host's table hears of
    // it by her seat.
    c[0]->red->enlace().enviarDirecto(QStringLiteral("NICKAna9"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mesa.cambios.empty(); }, 3000));
    EXPECT_EQ(mesa.cambios, (std::vector<QString>{QStringLiteral("1Ana9")}));
}

namespace {

// A raw caller: connects, and says and reads only what the test wants.
struct Crudo {
    QTcpSocket s;
    explicit Crudo(int puerto) { s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(puerto)); }
    bool conectado() const { return s.state() == QAbstractSocket::ConnectedState; }
    void mandar(const QByteArray& b)
    {
        s.write(b);
        s.flush();
    }
};

}  // namespace

TEST_F(Dea4Red, OneWhoLeavesWhileTheHostWaitsFreesHisSeatOnly)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    c[0]->conectar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1 && dea4->Jug[0]->text() == c[0]->nombre; }, 5000));
    {
        Crudo paso(puerto);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 2; }, 5000));
        paso.mandar("NICKPaso2");
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[1]->text() == QStringLiteral("Paso"); }, 5000));
        paso.s.disconnectFromHost();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1; }, 5000));
    }
    EXPECT_EQ(dea4->Jug[1]->text(), QStringLiteral("[Jugador 2]"));
    EXPECT_TRUE(dea4->Ws(1).conectado());
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
    // The two still to come fill the table with the one who stayed.
    for (int k = 2; k <= 3; ++k) {
        c[k - 1]->conectar();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return dea4->Conectados == k && dea4->Jug[k - 1]->text() == c[k - 1]->nombre; }, 5000))
            << k;
    }
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_EQ(dea4->Jug[0]->text(), c[0]->nombre);
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
    empezar(0, 3);
    EXPECT_EQ(mesa.empezadas, 1);
}

TEST_F(Dea4Red, ACallerWhoNeverSaysHisNameLosesTheSeat)
{
    dea4->esperaNickMs = 300;
    dea4->abrir(QStringLiteral("Host"), 5);
    c[0]->conectar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == c[0]->nombre; }, 5000));
    std::vector<std::unique_ptr<Crudo>> mudos;
    for (int k = 0; k < 2; ++k)
        mudos.push_back(std::make_unique<Crudo>(puerto));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 3; }, 5000));
    // Each is let go; the named one stays, and the seats are free again.
    for (auto& m : mudos)
        EXPECT_TRUE(QTest::qWaitFor([&] { return m->s.state() == QAbstractSocket::UnconnectedState; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1; }, 5000));
    EXPECT_TRUE(dea4->Ws(1).conectado());
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
    c[1]->conectar();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 2 && dea4->Jug[1]->text() == c[1]->nombre; }, 5000));
}

TEST_F(Dea4Red, AnOverlongNameIsRefused)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    Crudo largo(puerto);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1; }, 5000));
    largo.mandar("NICK" + QByteArray(40, 'L') + "3");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !f.dialogs.texts().filter(QStringLiteral("Mensaje demasiado largo")).isEmpty(); }, 5000));
    EXPECT_EQ(dea4->Jug[0]->text(), QStringLiteral("[Jugador 1]"));
    largo.mandar("NICK" + QByteArray(24, 'L') + "3");
    EXPECT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == QString(24, QLatin1Char('L')); }, 5000));
}

TEST_F(Dea4Red, ACallerWhoFloodsAndNeverReadsIsDroppedAndTheOthersStay)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    c[0]->conectar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == c[0]->nombre; }, 5000));
    Crudo lento(puerto);
    lento.s.setReadBufferSize(16);  // takes what fits and reads no more
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 2; }, 5000));
    lento.mandar("NICKLento2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[1]->text() == QStringLiteral("Lento"); }, 5000));
    // Only his unread output may stop him here.
    dea4->Ws(2).entradaMaxima = std::size_t(1) << 30;
    const QByteArray trozo = QByteArray("4TRU").repeated(64 * 1024);
    qint64 enviado = 0;
    QElapsedTimer t;
    t.start();
    while (lento.conectado() && enviado < (qint64(64) << 20) && t.elapsed() < 30000) {
        if (lento.s.bytesToWrite() < trozo.size()) {
            lento.s.write(trozo);
            enviado += trozo.size();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1; }, 10000)) << enviado;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !lento.conectado(); }, 5000));
    EXPECT_EQ(dea4->Jug[1]->text(), QStringLiteral("[Jugador 2]"));
    EXPECT_TRUE(dea4->Ws(1).conectado());
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
}

// ---- Computers in the empty seats, and in the seat of one who leaves ------------------

namespace {

// Names and faces at the host's window, by option.
std::vector<QString> nombresEnVentana(Dea4& d)
{
    return {d.Jug[0]->text(), d.Jug[1]->text(), d.Jug[2]->text()};
}

bool huboError(const FakeServices& f)
{
    for (const auto& d : f.dialogs.shown)
        if (d.icon == Dialogs::Icon::Error)
            return true;
    return false;
}

}  // namespace

TEST_F(Dea4Red, OnePersonAndTwoComputersAndTheTableTurnsNewCallersAway)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    EXPECT_EQ(dea4->Completar->accessibleDescription(), QStringLiteral("Completar"));
    c[0]->conectar();  // Ana, face 3
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == c[0]->nombre; }, 5000));
    EXPECT_TRUE(dea4->Completar->isEnabled());
    QTest::mouseClick(dea4->Completar, Qt::LeftButton);
    EXPECT_EQ(mesa.completas, 1);
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_FALSE(dea4->Completar->isEnabled());
    EXPECT_FALSE(dea4->esPC(1));
    for (int i = 1; i < 3; ++i) {
        EXPECT_NE(dea4->Jug[i]->text(), QStringLiteral("Ana"));
        EXPECT_NE(dea4->car[i]->property("tag").toString(), QStringLiteral("3"));
        EXPECT_NE(dea4->car[i]->property("tag").toString(), QStringLiteral("5"));
    }
    // The table is full now: a caller is let in and hung up at once.
    QTcpSocket otro;
    otro.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(puerto));
    EXPECT_TRUE(QTest::qWaitFor([&] { return otro.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_EQ(dea4->Conectados, 1);

    const auto enVentana = nombresEnVentana(*dea4);
    const QString cara2 = dea4->car[1]->property("tag").toString();
    const QString cara3 = dea4->car[2]->property("tag").toString();
    dea4->Jug[0]->setChecked(true);  // Ana is the partner
    QTest::mouseClick(dea4->Command1, Qt::LeftButton);
    dea4->Jug[0]->setChecked(true);  // and deals
    QTest::mouseClick(dea4->Command1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !c[0]->mesa.argumentos("CONF").empty() && mesa.empezadas == 1; }, 5000));
    // Ana (seat 2) sees the computers as players: the one on socket 2 sits
    // at seat 1, on her left; socket 3 at seat 3, on her right.
    MesaCliente& ana = c[0]->mesa;
    EXPECT_EQ(ana.saludos, (std::vector<QString>{QStringLiteral("xxxx0")}));
    EXPECT_EQ(ana.argumentos("CARA"), (std::vector<QString>{QStringLiteral("2Host5"), QStringLiteral("3") + enVentana[1] + cara2,
                                                            QStringLiteral("1") + enVentana[2] + cara3}));
    EXPECT_EQ(ana.argumentos("YORE").size(), 1u);
    EXPECT_EQ(ana.argumentos("PIES"), (std::vector<QString>{QStringLiteral("0")}));
    EXPECT_EQ(ana.argumentos("CONF"), (std::vector<QString>{QStringLiteral("REPARTIO: Ana")}));
    EXPECT_FALSE(huboError(f));
    EXPECT_TRUE(ana.terminadas.empty());
}

TEST_F(Dea4Red, BeforeTheGameOneWhoLeavesFreesHisSeatAndTheComputersStay)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    c[0]->conectar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == c[0]->nombre; }, 5000));
    QTest::mouseClick(dea4->Completar, Qt::LeftButton);
    const auto enVentana = nombresEnVentana(*dea4);
    c[0]->red->enlace().cerrar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == QStringLiteral("[Jugador 1]"); }, 5000));
    EXPECT_EQ(mesa.terminadas, 1);
    EXPECT_FALSE(dea4->Command1->isEnabled());
    EXPECT_TRUE(dea4->Completar->isEnabled());
    EXPECT_EQ(nombresEnVentana(*dea4)[1], enVentana[1]);
    EXPECT_EQ(nombresEnVentana(*dea4)[2], enVentana[2]);
    // The next caller takes the free seat and the table is full again.
    c[1]->conectar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == c[1]->nombre; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mesa.completas == 2; }, 5000));
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_FALSE(dea4->Completar->isEnabled());
}

struct Dea4Relevo : Dea4Red, ::testing::WithParamInterface<bool> {};

TEST_P(Dea4Relevo, ALeaverMidMatchIsHandedToTheComputerOnlyWithTheBoxTicked)
{
    const bool reemplazo = GetParam();
    dea4->abrir(QStringLiteral("Host"), 5);
    EXPECT_FALSE(dea4->ChkReemplazo->isChecked()) << "off by default";
    EXPECT_EQ(dea4->ChkReemplazo->accessibleDescription(), QStringLiteral("ChkReemplazo"));
    dea4->ChkReemplazo->setChecked(reemplazo);
    // Remembered for the next time the window opens.
    dea4->descargar();
    dea4->abrir(QStringLiteral("Host"), 5);
    EXPECT_EQ(dea4->ChkReemplazo->isChecked(), reemplazo);
    for (int k = 1; k <= 3; ++k) {
        c[k - 1]->conectar();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[k - 1]->text() == c[k - 1]->nombre; }, 5000)) << k;
    }
    empezar(0, 3);  // Ana is the partner: Beto sits at seat 1
    ASSERT_EQ(dea4->asientos.SocketAsiento[2], 1);
    // Beto leaves while the host waits for his answer to a message.
    bool fuera = false;
    f.clock.onWait = [&](bool) {
        if (!fuera && dea4->Ws(2).esperandoAcuse()) {
            fuera = true;
            c[1]->red->enlace().cerrar();
        }
    };
    const bool dicho = dea4->enviar(QStringLiteral("DICE1Truco"), 2);
    f.clock.onWait = nullptr;
    ASSERT_TRUE(fuera);
    // With the computer to take his seat, what he was sent counts as told.
    EXPECT_EQ(dicho, reemplazo);
    if (reemplazo) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !mesa.relevados.empty(); }, 5000));
        EXPECT_EQ(mesa.relevados, (std::vector<QString>{QStringLiteral("1Beto")}));
        EXPECT_TRUE(dea4->esPC(2));
        EXPECT_TRUE(dea4->pcEnAsiento(1));
        EXPECT_EQ(mesa.terminadas, 0);
        EXPECT_FALSE(huboError(f));
        // The others stay, and what goes to his seat is taken as said.
        EXPECT_TRUE(dea4->Ws(1).conectado() && dea4->Ws(3).conectado());
        EXPECT_TRUE(dea4->enviar(QStringLiteral("JUGT"), 2));
        EXPECT_TRUE(c[0]->mesa.terminadas.empty());
    } else {
        ASSERT_TRUE(QTest::qWaitFor([&] { return mesa.terminadas == 1; }, 5000));
        EXPECT_TRUE(mesa.relevados.empty());
        EXPECT_TRUE(f.dialogs.texts().contains(QStringLiteral("El jugador Beto se ha desconectado")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !c[0]->mesa.terminadas.empty(); }, 5000));
    }
}

INSTANTIATE_TEST_SUITE_P(ConYSin, Dea4Relevo, ::testing::Bool());

TEST_F(Dea4Red, OneWhoLeavesWhileTheGameStartsIsHandedOverOnceItHasStarted)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    dea4->ChkReemplazo->setChecked(true);
    for (int k = 1; k <= 3; ++k) {
        c[k - 1]->conectar();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[k - 1]->text() == c[k - 1]->nombre; }, 5000)) << k;
    }
    // Beto leaves during the host's first pause of the start.
    bool fuera = false;
    f.clock.onWait = [&](bool enPausa) {
        if (enPausa && !fuera && mesa.empezadas == 0) {
            fuera = true;
            c[1]->red->enlace().cerrar();
        }
    };
    dea4->Jug[0]->setChecked(true);
    QTest::mouseClick(dea4->Command1, Qt::LeftButton);
    dea4->Jug[3]->setChecked(true);
    QTest::mouseClick(dea4->Command1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return mesa.empezadas == 1; }, 5000));
    f.clock.onWait = nullptr;
    ASSERT_TRUE(fuera);
    EXPECT_EQ(mesa.relevados, (std::vector<QString>{QStringLiteral("1Beto")}));
    EXPECT_EQ(mesa.terminadas, 0);
    for (int k : {0, 2})
        EXPECT_EQ(c[k]->mesa.argumentos("CONF"), (std::vector<QString>{QStringLiteral("REPARTIO: Host")})) << k;
    EXPECT_FALSE(huboError(f));
}

TEST_F(Dea4Red, ALeaverWhoseLastMessageWaitsIsHandedOverAfterIt)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    dea4->ChkReemplazo->setChecked(true);
    for (int k = 1; k <= 3; ++k) {
        c[k - 1]->conectar();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[k - 1]->text() == c[k - 1]->nombre; }, 5000)) << k;
    }
    empezar(0, 3);  // Beto sits at seat 1
    {
        // The host's flow is held (a box open): what Beto says now waits,
        // and so does his leaving, which comes after it.
        Flujo::Paso ocupado(f.dialogs.flujo());
        c[1]->red->enlace().enviarDirecto(QStringLiteral("4TRU"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Ws(2).diferidos() == 1; }, 5000));
        c[1]->red->enlace().cerrar();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dea4->Ws(2).conectado(); }, 5000));
        EXPECT_TRUE(mesa.relevados.empty());
        // Meanwhile the table still tells his seat what happens.
        EXPECT_TRUE(dea4->enviar(QStringLiteral("DICE1Truco"), 2));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mesa.relevados.empty(); }, 5000));
    ASSERT_FALSE(mesa.recibidos.empty());
    EXPECT_EQ(mesa.recibidos.back(), std::make_tuple(1, QStringLiteral("4TRU"), QString()));
    EXPECT_EQ(mesa.relevados, (std::vector<QString>{QStringLiteral("1Beto")}));
    EXPECT_EQ(mesa.terminadas, 0);
}

TEST_F(Dea4Red, EmptySeatsLookEmptyAndCannotBeChosenTheAddressIsShown)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    dea4->show();
    // Where to connect: this computer's address and the port it listens on.
    EXPECT_TRUE(dea4->lbldireccion->text().contains(QStringLiteral(":%1").arg(puerto)))
        << dea4->lbldireccion->text().toStdString();
    EXPECT_TRUE(dea4->lbldireccion->text().contains(QStringLiteral("Conectar a:")));
    const QImage libre = Dea4::asientoLibre().toImage();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(dea4->Jug[i]->isEnabled()) << i;
        EXPECT_EQ(dea4->car[i]->pixmap().toImage(), libre) << i;
    }
    captura(dea4.get(), QStringLiteral("dea4-vacia"));

    c[0]->conectar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == c[0]->nombre; }, 5000));
    EXPECT_TRUE(dea4->Jug[0]->isEnabled());
    EXPECT_NE(dea4->car[0]->pixmap().toImage(), libre);
    EXPECT_FALSE(dea4->Jug[1]->isEnabled());
    // The accessible names stay the captions.
    EXPECT_EQ(dea4->Jug[0]->accessibleName(), c[0]->nombre);
    EXPECT_EQ(dea4->Jug[1]->accessibleName(), QStringLiteral("[Jugador 2]"));
    EXPECT_EQ(dea4->Jug[1]->accessibleDescription(), QStringLiteral("Jug(1)"));
    captura(dea4.get(), QStringLiteral("dea4-uno"));
}
