#include "support/Jugador.h"

#include "game/FFlor.h"
#include "platform/CardPictures.h"
#include "shell/f2.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

MesaDePrueba::MesaDePrueba(unsigned seed) : fake(seed), form(fake.services)
{
    // Zero pauses: cards land as soon as they are played.
    form.duracionVuelo = 0;
    QObject::connect(&form, &Form1::ventanaModal, &form, [this](QDialog* w) {
        QTimer::singleShot(0, w, [this, w] {
            if (auto* o = qobject_cast<f2*>(w)) {
                if (cerrarOpciones) {
                    o->close();
                    return;
                }
                (espanola ? o->OptEsp : o->OptArg)->click();
                (conFlor ? o->Option3 : o->Option4)->click();
                (computadoraEmpieza ? o->Option1 : o->Option2)->click();
                o->Nombre->setText(nombre);
                o->Command1->click();
            } else if (auto* f = qobject_cast<FFlor*>(w)) {
                (contraflor && f->cf->isEnabled() ? f->cf : f->olor)->click();
            }
        });
    });
}

void MesaDePrueba::empezar() { form.nuevo_Click(); }

JugadorGuionado::JugadorGuionado(MesaDePrueba& m, unsigned seed, bool canta) : m_(m), gen_(seed), canta_(canta)
{
    QObject::connect(&m_.form, &Form1::turnoOfrecido, &contexto_, [this] { ofrecido(); });
}

// Acts once the step that offered the turn has run to its end: several
// offers in one step are one turn.
void JugadorGuionado::ofrecido()
{
    if (pendiente_)
        return;
    pendiente_ = true;
    if (!enBucle_)
        QMetaObject::invokeMethod(&contexto_, [this] { intentar(); }, Qt::QueuedConnection);
}

// A person acts when the table is at rest, never in the middle of a step.
void JugadorGuionado::intentar()
{
    if (!pendiente_)
        return;  // already taken
    if (!m_.form.enReposo()) {
        QMetaObject::invokeMethod(&contexto_, [this] { intentar(); }, Qt::QueuedConnection);
        return;
    }
    pendiente_ = false;
    // After his own call the turn may still be his, with nothing new offered.
    if (actuar())
        ofrecido();
}

void JugadorGuionado::anotar(bool respuesta, const QString& que)
{
    if (!alActuar)
        return;
    const Form1& f = m_.form;
    alActuar(QStringLiteral("%1 %2 H%3 M%4 -> %5")
                 .arg(respuesta ? QStringLiteral("responde") : QStringLiteral("juega"), mascaraDelPanel(f))
                 .arg(f.PuntosH->caption().toInt())
                 .arg(f.PuntosM->caption().toInt())
                 .arg(que));
}

bool JugadorGuionado::pulsar(QPushButton* b, const QString& nombre)
{
    if (!b->isEnabled())
        return false;
    ++acciones;
    anotar(m_.form.esperaAlJugador(true), nombre);
    b->click();
    return true;
}

namespace {
QString nombreDeBoton(const Form1& f, QPushButton* b)
{
    if (b == f.Flor)
        return QStringLiteral("Flor");
    if (b == f.AlMazo)
        return QStringLiteral("AlMazo");
    for (int i = 0; i < 8; ++i)
        if (b == f.bt[i])
            return QStringLiteral("bt(%1)").arg(i);
    return QStringLiteral("?");
}
}  // namespace

bool JugadorGuionado::responder()
{
    Form1& f = m_.form;
    std::vector<QPushButton*> opciones;
    for (auto* b : f.bt)
        if (b->isEnabled())
            opciones.push_back(b);
    if (canta_) {
        if (f.Flor->isEnabled())
            opciones.push_back(f.Flor);
        if (f.AlMazo->isEnabled() && gen_() % 8 == 0)
            opciones.push_back(f.AlMazo);
    }
    if (opciones.empty())
        return false;
    if (!canta_) {
        // Card play only: accept, or concede "Son Buenas".
        for (int i : {1, 3})
            if (f.bt[i]->isEnabled())
                return pulsar(f.bt[i], nombreDeBoton(f, f.bt[i]));
    }
    QPushButton* b = opciones[gen_() % opciones.size()];
    return pulsar(b, nombreDeBoton(f, b));
}

bool JugadorGuionado::jugar()
{
    Form1& f = m_.form;
    if (canta_ && gen_() % 4 == 0) {
        std::vector<QPushButton*> llamadas;
        for (int i : {0, 2, 4, 5, 6, 7})
            if (f.bt[i]->isEnabled())
                llamadas.push_back(f.bt[i]);
        if (f.Flor->isEnabled())
            llamadas.push_back(f.Flor);
        if (f.AlMazo->isEnabled() && gen_() % 10 == 0)
            llamadas.push_back(f.AlMazo);
        if (!llamadas.empty()) {
            QPushButton* b = llamadas[gen_() % llamadas.size()];
            return pulsar(b, nombreDeBoton(f, b));
        }
    }
    std::vector<int> cartas;
    for (int i = 0; i < 3; ++i)
        if (!f.ICH[i]->isHidden() && f.CH[i].Visible)
            cartas.push_back(i);
    if (cartas.empty())
        return false;
    ++acciones;
    const int i = cartas[gen_() % cartas.size()];
    anotar(false, QStringLiteral("ICH(%1)").arg(i));
    f.ICH[i]->press();
    return true;
}

bool JugadorGuionado::actuar()
{
    const Form1& f = m_.form;
    if (f.esperaAlJugador(true))
        return responder();
    if (f.esperaAlJugador(false))
        return jugar();
    return false;
}

bool JugadorGuionado::jugarPartido(int maxAcciones)
{
    const Form1& f = m_.form;
    enBucle_ = true;
    struct Fin {
        bool& b;
        ~Fin() { b = false; }
    } fin{enBucle_};
    while (!f.ganadorMostrado()) {
        if (acciones >= maxAcciones || m_.fake.clock.stuck())
            return false;
        // Nothing offered and nothing left to run: the table waits for nobody.
        for (int vuelta = 0; !pendiente_ && vuelta < 100; ++vuelta)
            QCoreApplication::processEvents();
        if (!pendiente_)
            return f.ganadorMostrado();
        // Here the table is at rest, or a step of it is still queued.
        if (m_.form.enReposo())
            intentar();
        else
            QCoreApplication::processEvents();
    }
    return true;
}

QString mascaraDelPanel(const Form1& f)
{
    QString s;
    for (auto* b : f.bt)
        s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    s += f.Flor->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    s += f.AlMazo->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
