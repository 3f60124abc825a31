// The call panel: the mask, the human's presses and going to the deck.
#include "calls/rules/Reglas.h"
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

void Form1::bt_Click(int Index) { asiento().cantar(Index); }

void Form1::cantoContraMaquina(int Index)
{
    if (!enPartido || PausaActiva || ManoTerminada || Index < 0 || Index > 7)
        return;
    const bool sonBuenas = Index == 3 && bt[3]->text() == QLatin1String("Son Buenas");
    bt[3]->setText(QStringLiteral("No Quiero"));
    bt[3]->setAccessibleName(bt[3]->text());
    if (!PuedeCantar)
        return;
    // One envido per hand: a second one as a new call does nothing at all
    // (raising the machine's envido is an answer, and goes on).
    const bool envido = Index == 2 || Index == 4 || Index == 6;
    if (envido && EnvidoCantado && HumanoRespondio)
        return;
    BotonPulsado = Index;
    bt[Index]->setEnabled(false);
    Botones(QStringLiteral("--------0-"));
    if (Index == 1)
        bt[3]->setEnabled(false);
    else if (Index == 4)
        bt[2]->setEnabled(false);
    else if (Index == 3)
        bt[1]->setEnabled(false);
    decirHumano(Index, sonBuenas);
    if (!HumanoRespondio) {
        // The machine waits for this answer inside Esperar.
        HumanoRespondio = true;
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
void Form1::decirHumano(int Index, bool sonBuenas)
{
    if (sonBuenas) {
        decir(LH, QStringLiteral("Son Buenas"));
        Sonar(8, 0, QString());
        return;
    }
    static const char* dichos[8] = {"Truco", "Quiero", "Envido", "No Quiero", "Real envido", "Quiero retruco", "Falta envido", "Quiero vale 4"};
    static const int sonidos[8] = {3, 0, 6, 2, 7, 4, 14, 5};
    if (Index < 0 || Index > 7)
        return;
    decir(LH, QString::fromUtf8(dichos[Index]));
    Sonar(sonidos[Index], 0, QString());
}

void Form1::AlMazo_Click() { asiento().alMazo(); }

void Form1::mazoContraMaquina()
{
    BotonPulsado = 15;
    if (!enPartido || ManoTerminada || PausaActiva)
        return;
    reglas::Escalera e{TrucoCantado, RetrucoCantado, Vale4Cantado, TrucoQuerido, RetrucoQuerido, Vale4Querido};
    const int p = reglas::puntosAlMazo(e, esperandoEnvido_ && !HumanoRespondio, JugadasMaquina);
    decir(LH, QStringLiteral("Me voy al mazo"));
    DarPuntos(QStringLiteral("M"), p);
    if (puntos(QStringLiteral("M")) < reglas::kPartido)
        GanaMaquina(true);
    else
        ManoTerminada = true;  // the match is over; leave any wait
}

void Form1::Flor_Click() { asiento().flor(); }

void Form1::florContraMaquina()
{
    if (!enPartido || ManoTerminada || PausaActiva || !PuedeCantar || FlorCantada || !FlorHumano || !ConFlor)
        return;
    const int mano = manoNumero;
    Botones(QStringLiteral("0000000000"));
    BotonPulsado = 10;
    Flor->setEnabled(false);
    if (!TrucoCantado && !TurnoMaquina) {
        bt[0]->setEnabled(true);
        AlMazo->setEnabled(true);
    }
    EnvidoCantado = FlorCantada = true;
    decir(LH, QStringLiteral("Flor"));
    Sonar(10, 0, QString());
    // A flor also answers an envido the machine is waiting on.
    const bool respondia = !HumanoRespondio;
    if (!FlorMaquina || !ConFlor) {
        decir(LC, QStringLiteral("¡Hasta aquí llegó el olor!"));
        Sonar(9, 0, QString());
        Pausa(1.0);
        DarPuntos(QStringLiteral("H"), 3);
    } else {
        decir(LC, QStringLiteral("Contraflor"));
        Sonar(11, 0, QString());
        for (int i : {2, 4, 6})
            bt[i]->setEnabled(false);
        ContraflorCantada = true;
    }
    if (respondia) {
        HumanoRespondio = true;
        return;
    }
    if (mano == manoNumero && !ManoTerminada && JugadasMaquina == 0 && JugadasHumano == 1) {
        TurnoMaquina = true;
        Primera_carta();
    }
}
