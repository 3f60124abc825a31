// The call panel: the mask, the human's presses and going to the deck.
#include "motor/Reglas.h"
#include "calls/AsientoMaquina.h"
#include "game/Form1.h"

void Form1::Botones(const QString& Valor)
{
    const auto bits = reglas::leerMascara(Valor.toStdString());
    for (int i = 0; i < 10; ++i) {
        if (bits[i] == reglas::Bit::Keep)
            continue;
        QPushButton* b = i < 8 ? bt[i] : i == 8 ? Flor : AlMazo;
        b->setEnabled(bits[i] == reglas::Bit::On);
    }
}

void Form1::DeshBotones(bool e)
{
    if (!e) {
        Botones(QStringLiteral("00000000-0"));
        return;
    }
    reglas::EstadoPanel p;
    p.respuestaPendiente = !HumanoRespondio;
    p.trucoCantado = TrucoCantado;
    p.retrucoCantado = RetrucoCantado;
    p.vale4Cantado = Vale4Cantado;
    p.trucoQuerido = TrucoQuerido;
    p.trucoPorMaquina = TrucoPorMaquina;
    p.envidoCantado = EnvidoCantado;
    p.florCantada = FlorCantada;
    p.jugadasHumano = JugadasHumano;
    Botones(QString::fromStdString(reglas::panelDelHumano(p)));
}

void Form1::bt_Click(int Index)
{
    Paso paso(pasos_);
    asiento().cantar(Index);
}

void Form1::AlMazo_Click()
{
    Paso paso(pasos_);
    asiento().alMazo();
}

void Form1::Flor_Click()
{
    Paso paso(pasos_);
    asiento().flor();
}

void AsientoMaquina::cantoContraMaquina(int Index)
{
    if (!f_.enPartido || f_.PausaActiva || f_.ManoTerminada || Index < 0 || Index > 7)
        return;
    const bool sonBuenas = Index == 3 && f_.bt[3]->text() == QLatin1String("Son Buenas");
    f_.bt[3]->setText(QStringLiteral("No Quiero"));
    f_.bt[3]->setAccessibleName(f_.bt[3]->text());
    if (!f_.PuedeCantar)
        return;
    // One envido per hand: a second one as a new call does nothing at all
    // (raising the machine's envido is an answer, and goes on).
    const bool envido = Index == 2 || Index == 4 || Index == 6;
    if (envido && f_.EnvidoCantado && f_.HumanoRespondio)
        return;
    f_.BotonPulsado = Index;
    f_.bt[Index]->setEnabled(false);
    f_.Botones(QStringLiteral("--------0-"));
    if (Index == 1)
        f_.bt[3]->setEnabled(false);
    else if (Index == 4)
        f_.bt[2]->setEnabled(false);
    else if (Index == 3)
        f_.bt[1]->setEnabled(false);
    decirHumano(Index, sonBuenas);
    if (!f_.HumanoRespondio) {
        // The machine waits for this answer inside Esperar.
        f_.HumanoRespondio = true;
        return;
    }
    switch (Index) {
    case 0: responderTrucoHumano(); break;
    case 2:
    case 4:
    case 6: envidoDelHumano(Index); break;
    case 5: responderRetrucoHumano(); break;
    case 7: responderVale4Humano(); break;
    default: break;
    }
}

// What the human sings is written beside him and spoken.
void AsientoMaquina::decirHumano(int Index, bool sonBuenas)
{
    if (sonBuenas) {
        f_.decir(f_.LH, QStringLiteral("Son Buenas"));
        f_.Sonar(8, 0, QString());
        return;
    }
    static const char* dichos[8] = {"Truco", "Quiero", "Envido", "No Quiero", "Real envido", "Quiero retruco", "Falta envido", "Quiero vale 4"};
    static const int sonidos[8] = {3, 0, 6, 2, 7, 4, 14, 5};
    if (Index < 0 || Index > 7)
        return;
    f_.decir(f_.LH, QString::fromUtf8(dichos[Index]));
    f_.Sonar(sonidos[Index], 0, QString());
}

void AsientoMaquina::mazoContraMaquina()
{
    f_.BotonPulsado = 15;
    if (!f_.enPartido || f_.ManoTerminada || f_.PausaActiva)
        return;
    reglas::Escalera e{f_.TrucoCantado, f_.RetrucoCantado, f_.Vale4Cantado, f_.TrucoQuerido, f_.RetrucoQuerido, f_.Vale4Querido};
    const int p = reglas::puntosAlMazo(e, f_.esperandoEnvido_ && !f_.HumanoRespondio, f_.JugadasMaquina);
    f_.decir(f_.LH, QStringLiteral("Me voy al mazo"));
    f_.DarPuntos(QStringLiteral("M"), p);
    if (f_.puntos(QStringLiteral("M")) < reglas::kPartido)
        f_.GanaMaquina(true);
    else
        f_.ManoTerminada = true;  // the match is over; leave any wait
}

void AsientoMaquina::florContraMaquina()
{
    if (!f_.enPartido || f_.ManoTerminada || f_.PausaActiva || !f_.PuedeCantar || f_.FlorCantada || !f_.FlorHumano || !f_.ConFlor)
        return;
    const int mano = f_.manoNumero;
    f_.Botones(QStringLiteral("0000000000"));
    f_.BotonPulsado = 10;
    f_.Flor->setEnabled(false);
    if (!f_.TrucoCantado && !f_.TurnoMaquina) {
        f_.bt[0]->setEnabled(true);
        f_.AlMazo->setEnabled(true);
    }
    f_.EnvidoCantado = f_.FlorCantada = true;
    f_.decir(f_.LH, QStringLiteral("Flor"));
    f_.Sonar(10, 0, QString());
    // A flor also answers an envido the machine is waiting on.
    const bool respondia = !f_.HumanoRespondio;
    if (!f_.FlorMaquina || !f_.ConFlor) {
        f_.decir(f_.LC, QStringLiteral("¡Hasta aquí llegó el olor!"));
        f_.Sonar(9, 0, QString());
        f_.Pausa(1.0);
        f_.DarPuntos(QStringLiteral("H"), 3);
    } else {
        f_.decir(f_.LC, QStringLiteral("Contraflor"));
        f_.Sonar(11, 0, QString());
        for (int i : {2, 4, 6})
            f_.bt[i]->setEnabled(false);
        f_.ContraflorCantada = true;
    }
    if (respondia) {
        f_.HumanoRespondio = true;
        return;
    }
    if (mano == f_.manoNumero && !f_.ManoTerminada && f_.JugadasMaquina == 0 && f_.JugadasHumano == 1) {
        f_.TurnoMaquina = true;
        Primera_carta();
    }
}
