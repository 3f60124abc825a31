#include "net/CargadorWs.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/MesaRed.h"
#include "support/PartidaRed.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Recibido = std::pair<QString, QString>;

// A client's table: what it was told, in order. Like the real table, it
// switches its wire to the four-player client's rule on "DEA4".
struct MesaCliente : MesaRed {
    Enlace* enlace = nullptr;
    std::vector<Recibido> recibidos;
    std::vector<bool> terminadas;

    void redConectada(Enlace& e, bool, const QString&, int) override { enlace = &e; }
    void saludoHecho(const QString&, int) override {}
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
        for (const auto& [c, a] : recibidos)
            if (c == codigo)
                v.push_back(a);
        return v;
    }
};

// The host's table.
struct MesaHost : MesaCuatro {
    std::vector<int> aceptados;
    int completas = 0, empezadas = 0, terminadas = 0;
    std::vector<std::tuple<int, QString, QString>> recibidos;
    std::vector<QString> relevados;

    void jugadorAceptado(int n) override { aceptados.push_back(n); }
    void mesaCompleta(const QString&, int) override { ++completas; }
    void partidaEmpieza(Dea4&, const JugadoresCuatro&, int) override { ++empezadas; }
    void recibir(int asiento, const QString& codigo, const QString& argumento) override
    {
        recibidos.emplace_back(asiento, codigo, argumento);
    }
    void caraCambiada(int, const QString&, int) override {}
    void partidaTerminada() override { ++terminadas; }
    void jugadorRelevado(int asiento, const QString& nombre) override { relevados.push_back(QString::number(asiento) + nombre); }
};

// One client program: an ordinary "Juego en Red" window that connects first.
struct Cliente {
    FakeServices f;
    MesaCliente mesa;
    std::unique_ptr<JRed> red;
    QString nombre;

    Cliente(const QString& n, int c, int puerto) : nombre(n)
    {
        f.clock.eventosReales(5000);
        f.settings.save(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("nombre"), n);
        f.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), QString::number(c));
        red = std::make_unique<JRed>(f.services, mesa);
        red->enlace().puertoPrincipal = red->enlace().puertoAlternativo = puerto;
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
        f.clock.eventosReales(5000);
        dea4 = std::make_unique<Dea4>(f.services, mesa);
        ASSERT_TRUE(dea4->disponible()) << CargadorWs(executableFolder()).error().toStdString();
        dea4->Ws(0).puertoPrincipal = dea4->Ws(0).puertoAlternativo = puerto;
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

    // Client k connects and the host's window shows him in option k - 1.
    bool llega(int k)
    {
        c[k - 1]->conectar();
        return QTest::qWaitFor([&] { return dea4->Jug[k - 1]->text() == c[k - 1]->nombre; }, 5000);
    }
    // The host opens its window (with the box for a leaver's computer), and
    // clients desde..3 connect one by one.
    void conectarTodos(int desde = 1, bool reemplazo = false)
    {
        dea4->abrir(QStringLiteral("Host"), 5);
        dea4->ChkReemplazo->setChecked(reemplazo);
        for (int k = desde; k <= 3; ++k)
            ASSERT_TRUE(llega(k)) << "client " << k;
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

};

}  // namespace

namespace {

// A raw caller: connects, and says and reads only what the test wants.
struct Crudo {
    QTcpSocket s;
    explicit Crudo(int puerto) { s.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(puerto)); }
    bool conectado() const { return s.state() == QAbstractSocket::ConnectedState; }
    bool cerrado() { return QTest::qWaitFor([&] { return s.state() == QAbstractSocket::UnconnectedState; }, 5000); }
    void mandar(const QByteArray& b)
    {
        s.write(b);
        s.flush();
    }
};

std::vector<QString> nombresEnVentana(Dea4& d) { return {d.Jug[0]->text(), d.Jug[1]->text(), d.Jug[2]->text()}; }

}  // namespace

TEST_F(Dea4Red, ASendTheClientNeverAcknowledgesEndsInTheDa4BoxAndClosesHim)
{
    dea4->abrir(QStringLiteral("Host"), 0);
    Crudo raul(puerto);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1; }, 5000));
    raul.mandar("NICKRaul4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[0]->text() == QStringLiteral("Raul"); }, 5000));
    EXPECT_EQ(dea4->car[0]->property("tag").toString(), QStringLiteral("4"));
    dea4->Ws(1).esperaAcuseMs = 200;
    EXPECT_FALSE(dea4->enviar(QStringLiteral("DICE0Hola"), 1));
    ASSERT_FALSE(f.dialogs.shown.empty());
    EXPECT_EQ(f.dialogs.shown.back().icon, Dialogs::Icon::Error);
    EXPECT_EQ(f.dialogs.shown.back().text,
              QStringLiteral("Error en la transmisión, por favor vuelva a conectarse da4 1  DICE0Hola"));
    EXPECT_TRUE(raul.cerrado());
}

TEST_F(Dea4Red, NoticesNamesFacesAndAFourthCallerRefusedAtOnce)
{
    conectarTodos();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c[0]->mesa.argumentos("MENS").size() == 3; }, 5000));
    EXPECT_EQ(mesa.aceptados, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(c[0]->mesa.argumentos("MENS"), (std::vector<QString>{aviso(2), aviso(3), aviso(4)}));
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_TRUE(dea4->Command1->isEnabled());
    EXPECT_EQ(mesa.completas, 1);

    Crudo cuarto(puerto);
    EXPECT_TRUE(cuarto.cerrado());
    EXPECT_EQ(dea4->Conectados, 3);
    EXPECT_EQ(c[0]->mesa.argumentos("MENS").size(), 3u);
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
}

// While the host waits, a caller who leaves, or who never says his name,
// frees his own seat; the named one stays and the table still fills.
struct Dea4Paso : Dea4Red, ::testing::WithParamInterface<bool> {};

TEST_P(Dea4Paso, ACallerWhoLeavesOrNeverSaysHisNameFreesHisSeatOnly)
{
    const bool mudo = GetParam();
    dea4->esperaNickMs = mudo ? 300 : 60000;
    dea4->abrir(QStringLiteral("Host"), 5);
    ASSERT_TRUE(llega(1));
    {
        Crudo paso(puerto), otro(puerto);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 3; }, 5000));
        if (!mudo) {
            paso.mandar("NICKPaso2");
            ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Jug[1]->text() == QStringLiteral("Paso"); }, 5000));
            paso.s.disconnectFromHost();
            otro.s.disconnectFromHost();
        }
        EXPECT_TRUE(paso.cerrado() && otro.cerrado());
        ASSERT_TRUE(QTest::qWaitFor([&] { return dea4->Conectados == 1; }, 5000));
    }
    EXPECT_EQ(nombresEnVentana(*dea4), (std::vector<QString>{c[0]->nombre, "[Jugador 2]", "[Jugador 3]"}));
    EXPECT_TRUE(dea4->Ws(1).conectado());
    ASSERT_TRUE(llega(2) && llega(3));
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
    empezar(0, 3);
}

INSTANTIATE_TEST_SUITE_P(SaleOCalla, Dea4Paso, ::testing::Bool());

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
    ASSERT_TRUE(llega(1));
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
    EXPECT_TRUE(lento.cerrado());
    EXPECT_EQ(dea4->Jug[1]->text(), QStringLiteral("[Jugador 2]"));
    EXPECT_TRUE(dea4->Ws(1).conectado());
    EXPECT_TRUE(c[0]->mesa.terminadas.empty());
}

// ---- Computers in the empty seats, and in the seat of one who leaves ------------------

TEST_F(Dea4Red, OnePersonAndTwoComputersAndTheTableTurnsNewCallersAway)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    EXPECT_EQ(dea4->Completar->accessibleDescription(), QStringLiteral("Completar"));
    ASSERT_TRUE(llega(1));  // Ana, face 3
    EXPECT_TRUE(dea4->Completar->isEnabled());
    QTest::mouseClick(dea4->Completar, Qt::LeftButton);
    EXPECT_EQ(mesa.completas, 1);
    EXPECT_EQ(dea4->windowTitle(), QStringLiteral("¿Quién es mi compañero?"));
    EXPECT_FALSE(dea4->Completar->isEnabled());
    EXPECT_FALSE(dea4->esPC(1));
    EXPECT_TRUE(dea4->esPC(2) && dea4->esPC(3));
    // The table is full now: a caller is let in and hung up at once.
    Crudo otro(puerto);
    EXPECT_TRUE(otro.cerrado());
    EXPECT_EQ(dea4->Conectados, 1);

    const auto enVentana = nombresEnVentana(*dea4);
    const QString cara2 = dea4->car[1]->property("tag").toString(), cara3 = dea4->car[2]->property("tag").toString();
    for (int i = 0; i < 2; ++i) {  // Ana is the partner and deals
        dea4->Jug[0]->setChecked(true);
        QTest::mouseClick(dea4->Command1, Qt::LeftButton);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !c[0]->mesa.argumentos("CONF").empty() && mesa.empezadas == 1; }, 5000));
    // Ana (seat 2) sees the computers as players: the one on socket 2 sits
    // at seat 1, on her left; socket 3 at seat 3, on her right.
    MesaCliente& ana = c[0]->mesa;
    EXPECT_EQ(ana.argumentos("CARA"), (std::vector<QString>{QStringLiteral("2Host5"), QStringLiteral("3") + enVentana[1] + cara2,
                                                            QStringLiteral("1") + enVentana[2] + cara3}));
    EXPECT_EQ(ana.argumentos("CONF"), (std::vector<QString>{QStringLiteral("REPARTIO: Ana")}));
    EXPECT_EQ(errorMostrado(f), QString());
    EXPECT_TRUE(ana.terminadas.empty());
}

TEST_F(Dea4Red, BeforeTheGameOneWhoLeavesFreesHisSeatAndTheComputersStay)
{
    dea4->abrir(QStringLiteral("Host"), 5);
    ASSERT_TRUE(llega(1));
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
    for (int k = 1; k <= 3; ++k)
        ASSERT_TRUE(llega(k)) << k;
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
        EXPECT_TRUE(dea4->esPC(2) && dea4->pcEnAsiento(1));
        EXPECT_EQ(mesa.terminadas, 0);
        EXPECT_EQ(errorMostrado(f), QString());
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
    conectarTodos(1, true);
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
    EXPECT_EQ(errorMostrado(f), QString());
}

TEST_F(Dea4Red, ALeaverWhoseLastMessageWaitsIsHandedOverAfterIt)
{
    conectarTodos(1, true);
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
    EXPECT_TRUE(dea4->lbldireccion->text().contains(QStringLiteral(":%1").arg(puerto)));
    EXPECT_TRUE(dea4->lbldireccion->text().contains(QStringLiteral("Conectar a:")));
    const QImage libre = Dea4::asientoLibre().toImage();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(dea4->Jug[i]->isEnabled()) << i;
        EXPECT_EQ(dea4->car[i]->pixmap().toImage(), libre) << i;
    }
    ASSERT_TRUE(llega(1));
    EXPECT_TRUE(dea4->Jug[0]->isEnabled());
    EXPECT_NE(dea4->car[0]->pixmap().toImage(), libre);
    EXPECT_FALSE(dea4->Jug[1]->isEnabled());
    // The accessible names stay the captions.
    EXPECT_EQ(dea4->Jug[0]->accessibleName(), c[0]->nombre);
    EXPECT_EQ(dea4->Jug[1]->accessibleName(), QStringLiteral("[Jugador 2]"));
    EXPECT_EQ(dea4->Jug[1]->accessibleDescription(), QStringLiteral("Jug(1)"));
    captura(dea4.get(), QStringLiteral("dea4-uno"));
}
