// The two-player network game: the calls sung and answered on both tables,
// the envido settled by its caller, the flor and going to the deck.
#include "motor/Reglas.h"
#include "game/Form1.h"
#include "game/AsientoRed.h"
#include "net/Enlace.h"
#include "net/rules/Protocolo.h"

#include <algorithm>
#include <iterator>

using red::Pedido;

using red::esEnvido;
using red::kLocal;
using red::kPeer;

namespace {

// The wire's word for each button of the panel.
const char* const kCodigos[10] = {"TRUC", "QUIE", "ENVI", "NOQU", "REAL", "RETR", "FALT", "VAL4", "FLOR", "MAZO"};

}  // namespace

void AsientoRed::cantar(int Index)
{
    if (pausas_ > 0 || Index < 0 || Index > 7 || panelLocal()[Index] != '1')
        return;
    static const char* dichos[8] = {"Truco", "Quiero", "Envido", "No Quiero", "Real envido", "Quiero retruco", "Falta envido", "Quiero vale 4"};
    static const int sonidos[8] = {3, 0, 6, 2, 7, 4, 14, 5};
    f_.decir(f_.LH, QString::fromUtf8(dichos[Index]));
    sonar(sonidos[Index], 0, false);
    pulsar(Index);
}

void AsientoRed::flor()
{
    if (pausas_ > 0 || panelLocal()[8] != '1')
        return;
    f_.decir(f_.LH, QStringLiteral("Flor"));
    sonar(10, 0, false);
    pulsar(8);
}

void AsientoRed::alMazo()
{
    if (pausas_ > 0 || panelLocal()[9] != '1')
        return;
    f_.decir(f_.LH, QStringLiteral("Me voy al mazo"));
    pulsar(9);
}

// A local press: both tables take the same step; what it gives the peer is
// scored here and there. An accepted envido is compared by the peer, who sang
// it; a flor alone is paid by the peer.
void AsientoRed::pulsar(int boton)
{
    const auto efecto = p_.pulsar(kLocal, boton);
    if (!efecto)
        return;
    panel();
    const bool enviado = enviar(kCodigos[boton]);
    if (efecto->tipo == red::EstadoRed::Efecto::Rechazo) {
        if (enviado)
            darPuntos(false, efecto->puntos);
        panel();
    } else if (efecto->tipo == red::EstadoRed::Efecto::Cierre && enviado) {
        darPuntos(false, efecto->puntos);
        finDeMano(false, true);
    }
}

// Our call was accepted: we compare the points, the mano first. Nobody
// plays meanwhile.
void AsientoRed::tantear()
{
    despues(1, [this] {
        const int propios = p_.tantos(kLocal), ajenos = p_.tantos(kPeer);
        const bool ganaLocal = p_.ganaTanteoLocal();
        f_.decir(f_.LH, QStringLiteral("Yo tengo... ") + QString::number(propios));
        enviarDirecto(protocolo::dice(2, std::to_string(propios)));
        despues(1, [this, ganaLocal, ajenos] {
            f_.decir(f_.LC, ganaLocal ? QStringLiteral("Son Buenas...") : QStringLiteral("Yo tengo.. ") + QString::number(ajenos));
            const int valor = p_.valorDelTanto(ganaLocal);
            p_.envidoResuelto = true;
            p_.tanto = 0;
            darPuntos(ganaLocal, valor);
            panel();
            p_.esperandoTanteo = false;
            panel();
        });
    });
}

// The peer sings or answers, as its panel allowed.
bool AsientoRed::recibirCanto(const QString& codigo, const QString&)
{
    const auto* fin = std::end(kCodigos);
    const auto* es = std::find_if(std::begin(kCodigos), fin, [&](const char* c) { return codigo == QLatin1String(c); });
    if (es == fin)
        return false;
    const int boton = static_cast<int>(es - std::begin(kCodigos));
    const auto efecto = p_.pulsar(kPeer, boton);
    if (!efecto)
        return false;
    static const char* dichos[10] = {"Truco", "Quiero", "Envido", "No Quiero", "Real Envido", "Quiero retruco",
                                     "Falta Envido", "Quiero vale 4", "Flor", "Me voy al mazo..."};
    static const int sonidos[10] = {3, 0, 6, 2, 7, 4, 14, 5, 10, -1};
    f_.decir(f_.LC, QString::fromUtf8(dichos[boton]));
    if (sonidos[boton] >= 0)
        sonar(sonidos[boton], 0, true);
    using Tipo = red::EstadoRed::Efecto::Tipo;
    switch (efecto->tipo) {
    case Tipo::Tanteo:
        // Our envido was accepted: we compare and score it on both tables.
        panel();
        tantear();
        break;
    case Tipo::Contraflor:
        f_.decir(f_.LH, QStringLiteral("Contraflor"));
        sonar(11, 0, false);
        panel();
        break;
    case Tipo::Flor:
        f_.decir(f_.LH, QStringLiteral("¡Hasta aquí llegó el olor!"));
        sonar(9, 0, false);
        panel();
        darPuntos(false, efecto->puntos);
        panel();
        break;
    default:
        // A refusal's points and the end of the hand come from the peer.
        panel();
        break;
    }
    return true;
}
