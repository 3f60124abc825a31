#include "net/ControlAusente.h"
#include "net/Enlace.h"
#include "platform/Sitios.h"
#include "support/TestTable.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Acknowledgements read so far ("OKOKOKOK" holds two, not three).
int okoks(const QByteArray& leido)
{
    return leido == QByteArray("OKOK").repeated(static_cast<int>(leido.size() / 4))
               ? static_cast<int>(leido.size() / 4)
               : -1;
}

// Services whose waits let real socket events through, pauses still zero.
struct Red : FakeServices {
    Red() { clock.eventosReales(8000); }
};

std::unique_ptr<Enlace> nuevoEnlace(Red& r)
{
    auto e = enlaceDePrueba(r.services);
    EXPECT_TRUE(e) << "the socket plug-in did not load";
    return e;
}

// Keeps handling events until cond holds; the bound only decides failure.
bool esperar(const std::function<bool()>& cond, int ms = 5000)
{
    return QTest::qWaitFor(cond, ms);
}

struct Recibido {
    QString codigo;
    QString argumento;
    bool operator==(const Recibido&) const = default;
};

// Two tables' wires, connected over loopback.
struct Pareja : ::testing::Test {
    Red a, b;
    std::unique_ptr<Enlace> servidor = nuevoEnlace(a);
    std::unique_ptr<Enlace> cliente = nuevoEnlace(b);
    std::vector<Recibido> alServidor, alCliente;

    void SetUp() override
    {
        ASSERT_TRUE(servidor && cliente);
        servidor->puertoPrincipal = 0;  // any free port
        ASSERT_TRUE(servidor->escuchar());
        const int puerto = servidor->puertoEscucha();
        ASSERT_GT(puerto, 0);
        servidor->SaludoHecho = cliente->SaludoHecho = 1;
        servidor->alRecibir = [this](const QString& c, const QString& x) {
            alServidor.push_back({c, x});
            return true;
        };
        cliente->alRecibir = [this](const QString& c, const QString& x) {
            alCliente.push_back({c, x});
            return true;
        };
        QSignalSpy spy(servidor.get(), &Enlace::conectadoComoServidor);
        ASSERT_TRUE(cliente->conectar(QStringLiteral("127.0.0.1:%1").arg(puerto)));
        ASSERT_TRUE(esperar([&] { return cliente->conectado() && servidor->conectado(); }));
        EXPECT_EQ(spy.count(), 1);
    }
};

}  // namespace

TEST_F(Pareja, AcknowledgedSendsArriveInOrderAndReturnOnOKOK)
{
    EXPECT_TRUE(servidor->enviar(QStringLiteral("CAM012E")));
    EXPECT_TRUE(servidor->enviar(QStringLiteral("CVM01")));  // waits briefly: could be 10..14
    EXPECT_TRUE(servidor->enviar(QStringLiteral("BTON0111111001")));
    EXPECT_TRUE(cliente->enviar(QStringLiteral("DARH15")));
    EXPECT_TRUE(cliente->enviar(QStringLiteral("TRUC")));
    EXPECT_EQ(alCliente, (std::vector<Recibido>{{"CAM0", "12E"}, {"CVM0", "1"}, {"BTON", "0111111001"}}));
    EXPECT_EQ(alServidor, (std::vector<Recibido>{{"DARH", "15"}, {"TRUC", ""}}));
    EXPECT_FALSE(servidor->esperandoAcuse());
    EXPECT_FALSE(a.clock.stuck());
}

TEST_F(Pareja, FourCodesAnswerBeforeHandlingTheOthersAfter)
{
    // Inside the handler, has the receiver already answered? What it wrote
    // and what it handled, in the order they happened.
    std::vector<QString> orden;
    cliente->alEscribir = [&](const QByteArray& b) { orden.push_back(QString::fromLatin1(b)); };
    cliente->alRecibir = [&](const QString& c, const QString&) {
        orden.push_back(QStringLiteral("tratar ") + c);
        return true;
    };
    for (const char* m : {"DARH3", "CONFEmpieza Ana", "TRUC"})
        EXPECT_TRUE(servidor->enviar(QString::fromLatin1(m))) << m;
    EXPECT_EQ(orden, (std::vector<QString>{"OKOK", "tratar DARH", "OKOK", "tratar CONF", "tratar TRUC", "OKOK"}));
}

TEST_F(Pareja, NestedSendInsideAHandler)
{
    // The receiver of "QUIE" answers with its own acknowledged sends while
    // the first sender is still inside its handler chain.
    cliente->alRecibir = [&](const QString& c, const QString& x) {
        alCliente.push_back({c, x});
        if (c == QLatin1String("QUIE")) {
            EXPECT_TRUE(cliente->enviarDirecto(QStringLiteral("DICE228")));
            EXPECT_TRUE(cliente->enviar(QStringLiteral("DARM2")));
        }
        return true;
    };
    EXPECT_TRUE(servidor->enviar(QStringLiteral("QUIE")));
    ASSERT_TRUE(esperar([&] { return alServidor.size() == 2 && !cliente->esperandoAcuse(); }));
    EXPECT_EQ(alServidor, (std::vector<Recibido>{{"DICE", "228"}, {"DARM", "2"}}));
}

TEST_F(Pareja, PeerClosingReleasesAWaitingSend)
{
    QSignalSpy cerrado(servidor.get(), &Enlace::desconectado);
    cliente->alRecibir = [&](const QString&, const QString&) {
        cliente->cerrar();  // gone before acknowledging
        return true;
    };
    // Released by the close, not by the long wait for "OKOK": that one
    // would end in the transmission error's box.
    servidor->esperaAcuseMs = 10 * 60 * 1000;
    EXPECT_FALSE(servidor->enviar(QStringLiteral("TRUC")));
    EXPECT_EQ(cerrado.count(), 1);
    EXPECT_FALSE(servidor->esperandoAcuse());
    EXPECT_FALSE(servidor->PuedeEnviar);
    // The close has its own message; no transmission error on top.
    EXPECT_TRUE(a.dialogs.shown.empty());
    EXPECT_FALSE(servidor->enviar(QStringLiteral("TRUC")));
    EXPECT_TRUE(a.dialogs.shown.empty());
}

namespace {

// A plain socket in the test plays a peer that sends whatever it likes.
struct PeerCrudo : ::testing::Test {
    Red r;
    std::unique_ptr<Enlace> e = nuevoEnlace(r);
    QTcpSocket par;
    std::vector<Recibido> recibidos;
    std::vector<std::pair<QString, int>> saludos;
    QByteArray leido;

    void SetUp() override
    {
        e->puertoPrincipal = 0;
        ASSERT_TRUE(e->escuchar());
        e->alRecibir = [this](const QString& c, const QString& x) {
            recibidos.push_back({c, x});
            return true;
        };
        e->alSaludar = [this](const QString& n, int cara) { saludos.emplace_back(n, cara); };
        par.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(e->puertoEscucha()));
        ASSERT_TRUE(esperar([&] { return e->conectado() && par.state() == QAbstractSocket::ConnectedState; }));
    }

    void mandar(const QByteArray& bytes)
    {
        par.write(bytes);
        par.flush();
    }

    // Reads what the game sent until it holds n acknowledgements.
    bool acuses(int n)
    {
        return esperar([&] {
            leido += par.readAll();
            return okoks(leido) >= n;
        });
    }

    QStringList avisos() const { return r.dialogs.texts(); }
};

}  // namespace

TEST_F(PeerCrudo, OpeningNameThenGluedAndSplitMessages)
{
    mandar("Ana<");  // face 12
    ASSERT_TRUE(esperar([&] { return !saludos.empty(); }));
    EXPECT_EQ(saludos[0], (std::pair<QString, int>(QStringLiteral("Ana"), 12)));
    EXPECT_EQ(e->SaludoHecho, 1);

    mandar("TRUCIJM02POSC1");
    ASSERT_TRUE(acuses(3));
    e->esperaRestoMs = 3000;  // a loaded machine must not cut the split below
    const std::size_t antes = e->leidos();
    mandar("CAM01");
    ASSERT_TRUE(esperar([&] { return e->leidos() == antes + 5; }));
    mandar("2E");
    mandar("DARH2");
    mandar("5");
    ASSERT_TRUE(acuses(5));
    EXPECT_EQ(recibidos, (std::vector<Recibido>{{"TRUC", ""}, {"IJM0", "2"}, {"POSC", "1"}, {"CAM0", "12E"},
                                                {"DARH", "25"}}));
    EXPECT_EQ(leido, QByteArray("OKOKOKOKOKOKOKOKOKOK"));  // the name is never acknowledged
    EXPECT_TRUE(avisos().isEmpty());
}

TEST_F(PeerCrudo, TheListenerAcceptsOneConnectionOnly)
{
    QTcpSocket segundo;
    segundo.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(e->puertoEscucha()));
    EXPECT_TRUE(esperar([&] { return segundo.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(segundo.error(), QAbstractSocket::ConnectionRefusedError);
    EXPECT_EQ(par.state(), QAbstractSocket::ConnectedState);
}

TEST_F(PeerCrudo, AMessageThatNeverCompletesIsReleased)
{
    e->SaludoHecho = 1;
    e->esperaRestoMs = 50;
    mandar("CAM01");  // "1" of "10", "11" or "12", or "1" and its suit
    ASSERT_TRUE(acuses(1));
    ASSERT_TRUE(esperar([&] { return avisos().size() == 1; }));
    EXPECT_TRUE(avisos()[0].startsWith(QStringLiteral("Se produjo el siguiente error 13 No coinciden los tipos: CAM01")));
    mandar("DARH2");  // could still become 25: released as 2
    ASSERT_TRUE(acuses(2));
    EXPECT_EQ(recibidos, (std::vector<Recibido>{{"DARH", "2"}}));
}

TEST_F(PeerCrudo, BadOrRefusedInputIsAcknowledgedReportedOnceAndDropped)
{
    e->SaludoHecho = 1;
    e->alRecibir = [this](const QString& c, const QString& x) {
        if (c == QLatin1String("IJM1"))
            throw MensajeRechazado{9, QStringLiteral("La carta ya fue jugada")};
        recibidos.push_back({c, x});
        return c != QLatin1String("JUG2");
    };
    const std::pair<QByteArray, QString> casos[] = {
        {"HOLA", QStringLiteral("5 Mensaje desconocido: HOLA")},
        {QByteArray(6000, 'x'), QStringLiteral("7 Mensaje demasiado largo (6000 bytes)")},
        {"IJM10", QStringLiteral("9 La carta ya fue jugada")},
        {"JUG21", QStringLiteral("5 Mensaje fuera de lugar: JUG21")},
    };
    int n = 0;
    for (const auto& [bytes, aviso] : casos) {
        mandar(bytes);
        ASSERT_TRUE(acuses(++n)) << aviso.toStdString();
        ASSERT_TRUE(esperar([&] { return r.dialogs.shown.size() == std::size_t(n); })) << aviso.toStdString();
        EXPECT_EQ(r.dialogs.shown.back().icon, Dialogs::Icon::Error);
        EXPECT_EQ(r.dialogs.shown.back().text, QStringLiteral("Se produjo el siguiente error ") + aviso +
                                                   QStringLiteral("\nPOR FAVOR COMUNIQUEMELO!!!  ") + sitios::correo());
    }
    EXPECT_EQ(recibidos, (std::vector<Recibido>{{"JUG2", "1"}}));  // refused by the table, not the wire
    // Several bad pieces in one read: each acknowledged, one box; the good
    // message among them still goes through.
    recibidos.clear();
    mandar("XXXXCAM0ZZTRUCYYYYIJM09");
    ASSERT_TRUE(acuses(n + 5));
    EXPECT_TRUE(esperar([&] { return r.dialogs.shown.size() == std::size_t(n + 1); }));
    EXPECT_EQ(recibidos, (std::vector<Recibido>{{"TRUC", ""}}));
}

namespace {

// A box that stays open while more events come, like a real modal one.
struct DialogosAbiertos : ScriptedDialogs {
    int abiertos = 0, maximo = 0;
    void message(QWidget* w, Icon i, const QString& t, const QString& x) override
    {
        ScriptedDialogs::message(w, i, t, x);
        maximo = std::max(maximo, ++abiertos);
        if (abrir)
            abrir();
        --abiertos;
    }
    std::function<void()> abrir;
};

}  // namespace

TEST(Enlace, AtMostOneErrorBoxOpenAtATime)
{
    DialogosAbiertos dialogos;
    Red r;
    Services s{r.clock, dialogos, r.sound, r.settings, r.services.programFolder, r.services.desktopFolder};
    auto e = enlaceDePrueba(s);
    ASSERT_TRUE(e);
    e->SaludoHecho = 1;
    e->puertoPrincipal = 0;
    ASSERT_TRUE(e->escuchar());
    QTcpSocket par;
    par.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(e->puertoEscucha()));
    ASSERT_TRUE(esperar([&] { return e->conectado(); }));
    QByteArray leido;
    int rondas = 0;
    // While the first box is open the peer keeps sending garbage.
    dialogos.abrir = [&] {
        for (int i = 0; i < 5; ++i) {
            par.write("ZZZZ");
            par.flush();
            ++rondas;
            esperar([&] { return okoks(leido += par.readAll()) >= rondas + 1; }, 2000);
        }
    };
    par.write("ZZZZ");
    par.flush();
    ASSERT_TRUE(esperar([&] { return !dialogos.shown.empty(); }));
    EXPECT_TRUE(esperar([&] { return okoks(leido += par.readAll()) >= 6; }));
    EXPECT_EQ(dialogos.shown.size(), 1u);
    EXPECT_EQ(dialogos.maximo, 1);
}

TEST(Puertos, ListeningFallsBackWhenTheMainPortIsRefused)
{
    QTcpServer ocupante;
    ASSERT_TRUE(ocupante.listen(QHostAddress::Any, 0));
    const int ocupado = ocupante.serverPort();
    Red a;
    auto e = nuevoEnlace(a);
    const PuertoReservado alternativo;
    ASSERT_GT(alternativo.numero(), 0);
    e->puertoPrincipal = ocupado;
    e->puertoAlternativo = alternativo.numero();
    ASSERT_TRUE(e->escuchar());
    EXPECT_EQ(e->puertoEscucha(), e->puertoAlternativo);
    EXPECT_EQ(e->estado(), QStringLiteral("Esperando contrincante en el puerto %1 (el puerto %2 fue rechazado: "
                                          "La dirección ya está en uso)")
                               .arg(e->puertoAlternativo)
                               .arg(ocupado));

    // The connector is refused on the main port and finds the other one in
    // the same attempt.
    Red b;
    auto c = nuevoEnlace(b);
    const PuertoReservado sinNadie;  // refuses: held, but nobody listens
    c->puertoPrincipal = sinNadie.numero();
    c->puertoAlternativo = e->puertoAlternativo;
    QStringList estados;
    QObject::connect(c.get(), &Enlace::estadoCambiado, [&](const QString& t) { estados << t; });
    ASSERT_TRUE(c->conectar(QStringLiteral("127.0.0.1")));
    ASSERT_TRUE(esperar([&] { return c->conectado() && e->conectado(); }));
    EXPECT_TRUE(estados.join('|').contains(QStringLiteral("El puerto %1 rechazó la conexión; probando el puerto %2")
                                               .arg(c->puertoPrincipal)
                                               .arg(e->puertoAlternativo)))
        << estados.join('|').toStdString();

    // A fixed port is the only one tried.
    e->cerrar();
    EXPECT_FALSE(e->escuchar(ocupado));
    EXPECT_TRUE(e->estado().contains(QString::number(ocupado)));
}

TEST(EnlaceCrudo, ASendMadeDuringAnothersWaitWaitsForItsOwnAnswer)
{
    // A raw peer reads both messages and answers them one at a time.
    Red r;
    auto e = nuevoEnlace(r);
    QTcpServer srv;
    ASSERT_TRUE(srv.listen(QHostAddress::LocalHost, 0));
    e->SaludoHecho = 1;
    ASSERT_TRUE(e->conectar(QStringLiteral("127.0.0.1:%1").arg(srv.serverPort())));
    ASSERT_TRUE(esperar([&] { return srv.hasPendingConnections() && e->conectado(); }));
    QTcpSocket* peer = srv.nextPendingConnection();
    QByteArray leido;
    QObject::connect(peer, &QTcpSocket::readyRead, [&] { leido += peer->readAll(); });

    bool envido = false, envidoTrasUno = true;
    QTimer guion;
    int paso = 0;
    QObject::connect(&guion, &QTimer::timeout, [&] {
        if (paso == 0 && leido == "TRUCENVI") {
            peer->write("OKOK");
            paso = 1;
        } else if (paso >= 1 && ++paso == 10) {
            envidoTrasUno = envido;
            peer->write("OKOK");
            guion.stop();
        }
    });
    guion.start(10);
    QTimer::singleShot(0, [&] { envido = e->enviar(QStringLiteral("ENVI")); });
    EXPECT_TRUE(e->enviar(QStringLiteral("TRUC")));
    EXPECT_FALSE(envidoTrasUno);  // the first answer was the truco's
    EXPECT_TRUE(envido);
    EXPECT_FALSE(e->esperandoAcuse());
}

namespace {

// A control that hands over in one arrival whatever the test puts in, and
// counts what the wire writes; `sinLeer` stands for output the peer left
// unread.
struct ControlDeUnaVez : ControlAusente {
    WsEventos* eventos = nullptr;
    QByteArray porLlegar;
    long escritos = 0;
    long sinLeer = 0;
    int estado = sckConnected;

    void setEventos(WsEventos* e) override { eventos = e; }
    int SendData(const QByteArray& d) override
    {
        if (estado != sckConnected)
            return sckNotConnected;
        escritos += d.size();
        return 0;
    }
    QByteArray GetData() override
    {
        QByteArray d;
        d.swap(porLlegar);
        return d;
    }
    void Close() override { estado = sckClosed; }
    int State() const override { return estado; }
    QString LastError() const override { return {}; }
    long BytesToWrite() const override { return sinLeer; }

    void llegar(const QByteArray& d)
    {
        porLlegar += d;
        eventos->DataArrival(static_cast<long>(porLlegar.size()));
    }
};

struct Rafaga : ::testing::Test {
    Red r;
    ControlDeUnaVez* ws = new ControlDeUnaVez;
    Enlace e{r.services, std::unique_ptr<ControlWs>(ws)};
    int recibidos = 0;

    void SetUp() override
    {
        e.SaludoHecho = 1;
        e.alRecibir = [this](const QString&, const QString&) {
            ++recibidos;
            return true;
        };
    }
};

}  // namespace

TEST_F(Rafaga, OneArrivalOfAMegabyteLetsTheWindowTurnWhileItIsHandled)
{
    const int total = (1 << 20) / 4;
    ws->llegar(QByteArray("TRUC").repeated(total));
    // Back from the arrival with most of it still to do.
    EXPECT_LT(recibidos, total);
    EXPECT_GT(e.pendientes(), 0u);
    // A call posted now runs before the flood is through.
    int alCorrer = -1;
    QTimer::singleShot(0, [&] { alCorrer = recibidos; });
    ASSERT_TRUE(esperar([&] { return alCorrer >= 0; }));
    EXPECT_LT(alCorrer, total);
    // And every message is handled in the end, each acknowledged.
    ASSERT_TRUE(esperar([&] { return recibidos == total; }, 60000));
    EXPECT_EQ(ws->escritos, 4L * total);
    EXPECT_EQ(e.pendientes(), 0u);
    EXPECT_TRUE(e.conectado());
}

TEST_F(Rafaga, APeerThatDoesNotReadIsDroppedAsIfItLeft)
{
    QSignalSpy cerrado(&e, &Enlace::desconectado);
    ws->llegar("TRUC");
    ASSERT_TRUE(esperar([&] { return recibidos == 1; }));
    EXPECT_EQ(cerrado.count(), 0);
    // Our acknowledgements pile up unread at the other end.
    ws->sinLeer = e.salidaMaxima + 1;
    ws->llegar(QByteArray("TRUC").repeated(10));
    ASSERT_TRUE(esperar([&] { return cerrado.count() == 1; }));
    EXPECT_FALSE(e.conectado());
    EXPECT_FALSE(e.PuedeEnviar);
    // Gone, not a transmission error: no box.
    EXPECT_TRUE(r.dialogs.shown.empty());
    EXPECT_FALSE(e.enviar(QStringLiteral("JUGF")));
}

TEST_F(Rafaga, MoreReceivedThanAnyHonestPeerSendsIsDropped)
{
    QSignalSpy cerrado(&e, &Enlace::desconectado);
    const int total = static_cast<int>(e.entradaMaxima / 4) + 1000;
    ws->llegar(QByteArray("TRUC").repeated(total));
    ASSERT_TRUE(esperar([&] { return cerrado.count() == 1; }));
    EXPECT_LT(recibidos, total);
    EXPECT_FALSE(e.conectado());
    EXPECT_EQ(e.pendientes(), 0u);
}

// The port a connection goes to: the one written with the address first,
// then the command line's --puerto, then [Red] Puerto in the settings, then
// the two usual ones.
TEST(EnlacePuertos, ElDeLaDireccionGanaAlDeLaLineaDeOrdenesYEsteALosAjustes)
{
    MemorySettings ajustes;
    ajustes.save("Truco", "Red", "Puerto", "2100");
    EXPECT_EQ(Enlace::puertoConfigurado(ajustes, {"Truco", "--puerto", "2200"}), 2200);
    EXPECT_EQ(Enlace::puertoConfigurado(ajustes, {"Truco"}), 2100);
    EXPECT_EQ(Enlace::puertoConfigurado(MemorySettings(), {"Truco"}), 0);

    Red r;
    QTcpServer escrito, fijo;
    ASSERT_TRUE(escrito.listen(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(fijo.listen(QHostAddress::LocalHost, 0));
    auto e = nuevoEnlace(r);
    ASSERT_TRUE(e->conectar(QStringLiteral("127.0.0.1:%1").arg(escrito.serverPort()), fijo.serverPort()));
    ASSERT_TRUE(esperar([&] { return escrito.hasPendingConnections(); }));
    e->cerrar();
    // Without a port in the address the fixed one is used.
    ASSERT_TRUE(e->conectar(QStringLiteral("127.0.0.1"), fijo.serverPort()));
    ASSERT_TRUE(esperar([&] { return fijo.hasPendingConnections(); }));
    delete escrito.nextPendingConnection();
    EXPECT_FALSE(escrito.hasPendingConnections());
}
