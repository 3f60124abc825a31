#include "support/PartidaCuatro.h"

#include "game/AsientoCuatro.h"
#include "game/AsientoRed.h"
#include "game/ClienteCuatro.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "support/Traza.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

MesaCuatroDePrueba::MesaCuatroDePrueba(unsigned seed, const QString& n, int cara) : m(seed), gen(seed), nombre(n)
{
    m.fake.clock.eventosReales(10000);
    m.fake.settings.save("Truco", "Config", "nombre", nombre);
    m.fake.settings.save("Truco", "cara", "Numero", QString::number(cara));
}

PartidaCuatro::PartidaCuatro(unsigned seed, int personas)
{
    const char* nombres[4] = {"Host", "Ana", "Beto", "Ceci"};
    const int caras[4] = {5, 3, 4, 11};  // Beto's face speaks with a woman's voice
    for (int k = 0; k <= personas && k < 4; ++k)
        t[k] = std::make_unique<MesaCuatroDePrueba>(seed * 7 + k, QString::fromLatin1(nombres[k]), caras[k]);
}

void PartidaCuatro::trazar()
{
    for (int k = 0; k < 4; ++k) {
        if (!t[k])
            continue;
        trazas[k] = std::make_unique<Traza>(t[k]->m);
        if (k > 0)
            trazas[k]->seguirCable(t[k]->f().jred().enlace());
    }
    for (int k = 1; k <= 3; ++k)
        if (t[k])
            trazas[0]->seguirCable(dea4().Ws(k), QStringLiteral("W%1").arg(k));
}

PartidaCuatro::~PartidaCuatro()
{
    // The host first: its clients are then told, not left waiting.
    for (auto& m : t)
        if (m)
            m->f().jred().hide();
}

bool PartidaCuatro::empezar(int companero, int opcionRepartidor)
{
    Form1& h = t[0]->f();
    h.dea4().Ws(0).puertoPrincipal = h.dea4().Ws(0).puertoAlternativo = 0;  // any free port
    h.jred().abrir();
    QTest::mouseClick(h.jred().Command5, Qt::LeftButton);
    const int puerto = h.dea4().Ws(0).puertoEscucha();
    if (puerto <= 0)
        return false;
    for (int k = 1; k <= 3 && t[k]; ++k) {
        JRed& r = t[k]->f().jred();
        r.enlace().puertoPrincipal = r.enlace().puertoAlternativo = puerto;
        r.intervaloIntento = 300;
        r.intervaloRendirse = 4000;
        r.abrir();
        r.IPContrincante->setText(QStringLiteral("127.0.0.1"));
        t[k]->m.fake.clock.setSecond(0);  // an even second: the first attempt connects
        QTest::mouseClick(r.Command1, Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return h.dea4().Conectados == k && h.dea4().Jug[k - 1]->text() == t[k]->nombre; },
                             5000))
            return false;
    }
    if (!t[3])
        QTest::mouseClick(h.dea4().Completar, Qt::LeftButton);
    h.dea4().Jug[companero - 1]->setChecked(true);
    QTest::mouseClick(h.dea4().Command1, Qt::LeftButton);
    h.dea4().Jug[opcionRepartidor]->setChecked(true);
    QTest::mouseClick(h.dea4().Command1, Qt::LeftButton);
    return QTest::qWaitFor([&] {
        for (int s = 0; s < 4; ++s)
            if (persona(s) && (!mesa(s).asiento().manoEnJuego() || mesa(s).ICH[2]->isHidden()))
                return false;
        return calmar(0);
    }, 10000);
}

bool PartidaCuatro::enJuego(int k) { return k == 0 || (t[k] && !dea4().esPC(k)); }

bool PartidaCuatro::persona(int asiento) { return enJuego(dea4().asientos.AsientoSocket[asiento]); }

MesaCuatroDePrueba& PartidaCuatro::enAsiento(int asiento)
{
    return *t[asiento == 0 ? 0 : dea4().asientos.AsientoSocket[asiento]];
}

AsientoCuatro& PartidaCuatro::host() { return t[0]->f().anfitrion(); }
Dea4& PartidaCuatro::dea4() { return t[0]->f().dea4(); }
ClienteCuatro* PartidaCuatro::cliente(int asiento) { return mesa(asiento).asientoRed().cuatro(); }

bool PartidaCuatro::avanzar(int n, const std::function<bool()>& hasta)
{
    for (int a = 0; a < n; ++a) {
        if (hasta && calmar() && hasta())
            return true;
        bool hecho = false;
        for (int s = 0; s < 4 && !hecho; ++s)
            hecho = calmar() && actuar((s + a) % 4);
        if (!hecho)
            return false;
    }
    return !hasta;
}

bool PartidaCuatro::calmar(int limiteMs)
{
    auto quieto = [&] {
        if (!host().quieto())
            return false;
        for (int k = 1; k <= 3; ++k) {
            if (!enJuego(k))
                continue;
            const Enlace& x = dea4().Ws(k);
            const Enlace& y = t[k]->f().jred().enlace();
            for (const Enlace* e : {&x, &y})
                if (e->esperandoAcuse() || e->diferidos() > 0 || e->pendientes() > 0)
                    return false;
            // Nothing in flight between the host and this client (tests of
            // hostile peers also write raw bytes, which only the reader counts).
            // Once either end has closed, what was in flight never arrives:
            // the host closes right after the match's last messages.
            const bool abierta = x.conectado() && y.conectado();
            if (abierta && (y.leidos() < x.escritos() || x.leidos() < y.escritos()))
                return false;
        }
        for (int k = 0; k < 4; ++k)
            if (enJuego(k) && (t[k]->f().colaOcupada() || !t[k]->f().enReposo() || t[k]->m.fake.dialogs.flujo().ocupado()))
                return false;
        return true;
    };
    if (limiteMs <= 0)
        return quieto();
    // Quiet over a few turns of the loop: a step queued by a timer runs first.
    int seguidas = 0;
    return QTest::qWaitFor([&] {
        seguidas = quieto() ? seguidas + 1 : 0;
        return seguidas >= 3;
    }, limiteMs);
}

void PartidaCuatro::comoPersonas(int ms)
{
    for (int s = 0; s < 4; ++s) {
        if (!persona(s))
            continue;
        ScriptedDialogs& d = enAsiento(s).m.fake.dialogs;
        d.abiertaMs = ms;
        d.mientrasAbierta = [this, s] {
            for (int otro = 1; otro < 4; ++otro)
                if (persona((s + otro) % 4))
                    actuar((s + otro) % 4);
        };
    }
}

bool PartidaCuatro::actuar(int asiento)
{
    if (!persona(asiento))
        return false;
    MesaCuatroDePrueba& l = enAsiento(asiento);
    Form1& f = l.f();
    const bool puede = asiento == 0 ? host().mano().puedeJugar(0) : cliente(asiento) && cliente(asiento)->puedeJugar();
    std::vector<int> cartas;
    if (puede)
        for (int i = 0; i < 3; ++i)
            if (f.CH[i].Visible && !f.ICH[i]->isHidden())
                cartas.push_back(i);
    std::vector<QPushButton*> botones;
    const bool responde = f.bt[1]->isEnabled();
    for (QPushButton* b : f.bt)
        if (b->isEnabled())
            botones.push_back(b);
    // A falta envido ends most matches at once: rarely sung, mostly refused.
    if (botones.size() > 1 && f.bt[6]->isEnabled() && l.gen() % 8 != 0)
        botones.erase(std::find(botones.begin(), botones.end(), f.bt[6]));
    if (botones.empty() && cartas.empty())
        return false;
    Traza* traza = nullptr;
    for (int k = 0; k < 4; ++k)
        if (t[k].get() == &l)
            traza = trazas[k].get();
    auto anotar = [&](const QString& que) {
        if (traza)
            traza->anotar(QStringLiteral("> %1 -> %2").arg(mascaraDelPanel(f), que));
    };
    if (!cartas.empty() && !responde && (botones.empty() || l.gen() % 5 != 0)) {
        const int i = cartas[l.gen() % cartas.size()];
        anotar(QStringLiteral("ICH(%1)").arg(i));
        f.ICH[i]->press();
        return true;
    }
    if (f.AlMazo->isEnabled() && l.gen() % 15 == 0) {
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

QString PartidaCuatro::desacuerdo()
{
    Form1& h = mesa(0);
    auto texto = [](Form1& f, int d, int b) {
        return (d == 0 ? f.JH[b] : d == 1 ? f.JD[b] : d == 2 ? f.JM[b] : f.JI[b])->caption();
    };
    auto pie = [](Form1& f) {
        for (int d = 0; d < 4; ++d)
            if (f.Nomb[d]->caption().endsWith(QStringLiteral(" [PIE]")))
                return d;
        return -1;
    };
    const int pieHost = pie(h);
    for (int r = 1; r < 4; ++r) {
        if (!persona(r))
            continue;
        Form1& f = mesa(r);
        const bool pareja = r == 2;
        const QString propios = (pareja ? h.PuntosM : h.PuntosH)->caption();
        const QString ajenos = (pareja ? h.PuntosH : h.PuntosM)->caption();
        if (f.PuntosM->caption() != propios || f.PuntosH->caption() != ajenos)
            return QStringLiteral("score at seat %1: %2-%3, host %4-%5")
                .arg(r).arg(f.PuntosM->caption(), f.PuntosH->caption(), h.PuntosM->caption(), h.PuntosH->caption());
        if (pie(f) != (pieHost - r + 4) % 4)
            return QStringLiteral("dealer at seat %1").arg(r);
        for (int d = 0; d < 4; ++d)
            for (int b = 0; b < 3; ++b)
                if (texto(f, d, b) != texto(h, (r + d) % 4, b))
                    return QStringLiteral("trick %1 of seat %2 at seat %3: '%4', host '%5'")
                        .arg(b).arg((r + d) % 4).arg(r).arg(texto(f, d, b), texto(h, (r + d) % 4, b));
    }
    return QString();
}

bool PartidaCuatro::jugarPartido(int maxAcciones)
{
    QElapsedTimer reloj;
    reloj.start();
    for (int acciones = 0; acciones < maxAcciones && reloj.elapsed() < 120000;) {
        if (!calmar()) {
            error_ = QStringLiteral("a table kept waiting");
            return false;
        }
        error_ = desacuerdo();
        if (!error_.isEmpty())
            return false;
        bool fin = true;
        for (int s = 0; s < 4; ++s)
            fin = fin && (!persona(s) || mesa(s).ganadorMostrado());
        if (fin)
            return true;
        bool hecho = false;
        for (int s = 0; s < 4 && !hecho; ++s)
            hecho = actuar((s + acciones) % 4);
        if (!hecho) {
            const auto& m = host().mano();
            error_ = QStringLiteral("nobody could act: turn %1, call %2 answered by %3, trick %4, host panel %5")
                         .arg(m.turno()).arg(int(m.pedido())).arg(m.responde()).arg(m.baza())
                         .arg(QString::fromStdString(m.panel(m.turno())));
            return false;
        }
        ++acciones;
    }
    error_ = QStringLiteral("the match did not end");
    return false;
}

bool mostro(const MesaCuatroDePrueba& m, const QString& texto)
{
    for (const auto& d : m.m.fake.dialogs.shown)
        if (d.text.contains(texto))
            return true;
    return false;
}
