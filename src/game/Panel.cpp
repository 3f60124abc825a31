// The call panel: the mask, the human's presses and going to the deck.
#include "motor/Reglas.h"
#include "game/Form1.h"

void Form1::Botones(const QString& Valor) { Botones(std::string_view(Valor.toStdString())); }

void Form1::Botones(std::string_view Valor)
{
    const auto bits = reglas::leerMascara(Valor);
    for (int i = 0; i < 10; ++i) {
        if (bits[i] == reglas::Bit::Keep)
            continue;
        QPushButton* b = i < 8 ? bt[i] : i == 8 ? Flor : AlMazo;
        const bool on = bits[i] == reglas::Bit::On;
        // The panel is set after every step of the flow; a button told what
        // it already is costs Qt an event and an accessibility update.
        if (b->testAttribute(Qt::WA_ForceDisabled) != on)
            continue;
        b->setEnabled(on);
    }
}

void Form1::noQuieroOSonBuenas(bool sonBuenas)
{
    const QString texto = sonBuenas ? QStringLiteral("Son Buenas") : QStringLiteral("No Quiero");
    if (bt[3]->text() == texto)
        return;
    bt[3]->setText(texto);
    bt[3]->setAccessibleName(texto);
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
