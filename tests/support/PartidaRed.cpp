#include "support/PartidaRed.h"

#include "game/AsientoRed.h"
#include "motor/Cartas.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/rules/Protocolo.h"
#include "support/Jugador.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

Lado::Lado(unsigned seed, const QString& nombre, int cara) : m(seed), gen(seed)
{
    m.fake.clock.eventosReales(10000);
    m.fake.settings.save("Truco", "Config", "nombre", nombre);
    m.fake.settings.save("Truco", "cara", "Numero", QString::number(cara));
    QObject::connect(&m.form, &Form1::manoRepartida, [this] { ++manos; });
}

AsientoRed& Lado::red() { return m.form.asientoRed(); }

QString errorMostrado(const FakeServices& f)
{
    for (const auto& d : f.dialogs.shown)
        if (d.icon == Dialogs::Icon::Error)
            return d.text;
    return {};
}

bool conectarLados(Lado& a, Lado& b, const std::function<bool()>& basta)
{
    Enlace& servidor = a.f().jred().enlace();
    servidor.puertoPrincipal = servidor.puertoAlternativo = 0;  // any free port
    a.f().jred().abrir();
    b.f().jred().abrir();
    if (!servidor.escuchar())
        return false;
    const int puerto = servidor.puertoEscucha();
    for (Lado* l : {&a, &b})
        l->f().jred().enlace().puertoPrincipal = l->f().jred().enlace().puertoAlternativo = puerto;
    if (!b.f().jred().enlace().conectar(QStringLiteral("127.0.0.1")))
        return false;
    return QTest::qWaitFor([&] { return (a.manos > 0 && b.manos > 0) || (basta && basta()); }, 10000);
}

bool actuar(Lado& l, bool canta)
{
    Form1& f = l.f();
    std::vector<QPushButton*> botones;
    for (QPushButton* b : f.bt)
        if (b->isEnabled())
            botones.push_back(b);
    if (f.Flor->isEnabled())
        botones.push_back(f.Flor);
    std::vector<int> cartas;
    if (l.red().puedeJugar())
        for (int i = 0; i < 3; ++i)
            if (f.CH[i].Visible && !f.ICH[i]->isHidden())
                cartas.push_back(i);
    if (botones.empty() && cartas.empty())
        return false;
    auto anotar = [&](const QString& que) {
        if (l.alActuar)
            l.alActuar(QStringLiteral("%1 -> %2").arg(mascaraDelPanel(f), que));
    };
    const bool responde = f.bt[1]->isEnabled();
    if (!cartas.empty() && !responde && (!canta || botones.empty() || l.gen() % 4 != 0)) {
        const int i = cartas[l.gen() % cartas.size()];
        anotar(QStringLiteral("ICH(%1)").arg(i));
        f.ICH[i]->press();
        return true;
    }
    if (f.AlMazo->isEnabled() && canta && l.gen() % 12 == 0) {
        anotar(QStringLiteral("AlMazo"));
        f.AlMazo->click();
        return true;
    }
    if (botones.empty())
        return false;
    QPushButton* b = botones[l.gen() % botones.size()];
    anotar(b->accessibleDescription());
    b->click();
    return true;
}

namespace {
bool quietos(Lado& a, Lado& b)
{
    Enlace& x = a.f().jred().enlace();
    Enlace& y = b.f().jred().enlace();
    auto libre = [](Lado& l, const Enlace& e) {
        return !e.esperandoAcuse() && e.diferidos() == 0 && e.pendientes() == 0 && !l.m.fake.dialogs.flujo().ocupado()
               && l.f().enReposo();
    };
    // Raw bytes a test writes as a hostile peer are counted by the reader only.
    return y.leidos() >= x.escritos() && x.leidos() >= y.escritos() && libre(a, x) && libre(b, y);
}
}  // namespace

bool calmar(Lado& a, Lado& b, int limiteMs)
{
    QElapsedTimer reloj;
    reloj.start();
    // Quiet over a few turns of the loop: a step queued by a timer runs first.
    for (int seguidas = 0; seguidas < 3;) {
        QCoreApplication::processEvents();
        seguidas = quietos(a, b) ? seguidas + 1 : 0;
        if (reloj.elapsed() > limiteMs)
            return false;
        if (seguidas == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

void leeComoPersona(Lado& l, Lado& otro, int ms)
{
    l.m.fake.dialogs.abiertaMs = ms;
    l.m.fake.dialogs.mientrasAbierta = [&otro] { actuar(otro, true); };
}

bool jugarPartidoRed(Lado& a, Lado& b, int maxAcciones)
{
    QElapsedTimer reloj;
    reloj.start();
    for (int acciones = 0; acciones < maxAcciones && reloj.elapsed() < 60000;) {
        if (a.f().ganadorMostrado() && b.f().ganadorMostrado())
            return true;
        if (!calmar(a, b))
            return false;
        acciones += actuar(a, true) || actuar(b, true);
    }
    return false;
}

CableCrudo::CableCrudo(const QString& n) : e(enlaceDePrueba(f.services)), nombre(n)
{
    f.clock.eventosReales();
    if (!e)
        return;
    e->puertoPrincipal = e->puertoAlternativo = 0;  // any free port
    e->alRecibir = [this](const QString& c, const QString& a) {
        recibidos << c + a;
        return true;
    };
    e->alSaludar = [this](const QString&, int) { directo(protocolo::saludo(nombre.toStdString(), 1)); };
}

CableCrudo::~CableCrudo() = default;

bool CableCrudo::conectar(Lado& c)
{
    if (!e || !e->escuchar())
        return false;
    Enlace& suyo = c.f().jred().enlace();
    suyo.puertoPrincipal = suyo.puertoAlternativo = e->puertoEscucha();
    c.f().jred().abrir();
    if (!suyo.conectar(QStringLiteral("127.0.0.1")))
        return false;
    // A name has no end mark: what follows it waits until it has been read.
    if (!QTest::qWaitFor([&] { return suyo.SaludoHecho == 1 && suyo.leidos() == e->escritos(); }, 10000))
        return false;
    for (const std::string& m : trasSaludo)
        if (!decir(m))
            return false;
    return true;
}

bool CableCrudo::decir(const std::string& m) { return e->enviar(QString::fromStdString(m)); }
bool CableCrudo::directo(const std::string& m) { return e->enviarDirecto(QString::fromStdString(m)); }

std::vector<std::string> repartoCrudo(const std::array<const char*, 3>& delServidor,
                                      const std::array<const char*, 3>& delCliente)
{
    std::vector<std::string> v;
    for (int i = 0; i < 3; ++i)
        v.push_back(protocolo::cam(i, delServidor[i]));
    for (int i = 0; i < 3; ++i)
        v.push_back(protocolo::cvm(i, reglas::darValor(delServidor[i])));
    for (int i = 0; i < 3; ++i)
        v.push_back(protocolo::car(i, delCliente[i]));
    for (int i = 0; i < 3; ++i)
        v.push_back(protocolo::caV(i, reglas::darValor(delCliente[i])));
    v.push_back(protocolo::bton("0000000000"));
    return v;
}
