#include "support/PartidaRed.h"

#include "net/AsientoRed.h"
#include "net/Enlace.h"
#include "net/JRed.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

Lado::Lado(unsigned seed, const QString& nombre, int cara) : m(seed), gen(seed)
{
    m.fake.clock.realEvents = true;
    m.fake.clock.realWaitLimitMs = 10000;
    m.fake.settings.save("Truco", "Config", "nombre", nombre);
    m.fake.settings.save("Truco", "cara", "Numero", QString::number(cara));
    QObject::connect(&m.form, &Form1::manoRepartida, [this] { ++manos; });
}

AsientoRed& Lado::red() { return m.form.asientoRed(); }

bool conectarLados(Lado& a, Lado& b)
{
    const int p1 = puertoLibre(), p2 = puertoLibre();
    for (Lado* l : {&a, &b}) {
        l->f().jred().enlace().puertoPrincipal = p1;
        l->f().jred().enlace().puertoAlternativo = p2;
        l->f().jred().abrir();
    }
    if (!a.f().jred().enlace().escuchar() || !b.f().jred().enlace().conectar(QStringLiteral("127.0.0.1")))
        return false;
    return QTest::qWaitFor([&] { return a.manos > 0 && b.manos > 0; }, 10000);
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
    const bool responde = f.bt[1]->isEnabled();
    if (!cartas.empty() && !responde && (!canta || botones.empty() || l.gen() % 4 != 0)) {
        f.ICH[cartas[l.gen() % cartas.size()]]->press();
        return true;
    }
    if (f.AlMazo->isEnabled() && canta && l.gen() % 12 == 0) {
        f.AlMazo->click();
        return true;
    }
    if (botones.empty())
        return false;
    botones[l.gen() % botones.size()]->click();
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
        if (a.f().PartidoTerminado && b.f().PartidoTerminado)
            return true;
        QCoreApplication::processEvents();
        acciones += actuar(a, true) || actuar(b, true);
    }
    return false;
}
