#include "motor/ManoCuatro.h"

#include "motor/Reglas.h"
#include "motor/Cartas.h"

namespace cuatro {

namespace {

bool esEnvido(Pedido p) { return p == Pedido::Envido || p == Pedido::Real || p == Pedido::Falta; }

}  // namespace

ManoCuatro::ManoCuatro(int repartidor, const Manos& manos)
    : repartidor_(repartidor), manos_(manos), turno_(mano(repartidor))
{
}

bool ManoCuatro::enMano(int s, std::string_view carta) const
{
    if (s < 0 || s > 3 || carta.empty())
        return false;
    bool dada = false;
    for (const std::string& c : manos_[s])
        dada = dada || c == carta;
    for (const std::string& c : jugadas_[s])
        if (c == carta)
            return false;
    return dada;
}

bool ManoCuatro::puedeJugar(int s) const
{
    return !terminada_ && !tanteando_ && pedido_ == Pedido::Nada && s == turno_;
}

int ManoCuatro::valor() const { return querido_ + 1; }

EstadoCanto ManoCuatro::estadoCanto() const
{
    EstadoCanto e;
    e.repartidor = repartidor_;
    e.cartasEnBaza = cartasEnBaza_;
    e.hostJugo = hostJugo_;
    e.primerEnvido = !envidoCantado_;
    return e;
}

bool ManoCuatro::puedeEnvido(int s) const
{
    return !envidoCantado_ && baza_ == 0 && jugadas_[s][0].empty() && querido_ == 0;
}

bool ManoCuatro::puedeSubirEnvido(Canto c) const
{
    switch (pedido_) {
    case Pedido::Envido:
        return c == Canto::RealEnvido || c == Canto::FaltaEnvido || (c == Canto::Envido && !envidoEnvido_);
    case Pedido::Real: return c == Canto::FaltaEnvido;
    default: return false;
    }
}

std::string ManoCuatro::panel(int s) const
{
    std::string m(10, '0');
    if (terminada_ || tanteando_)
        return m;
    if (pedido_ != Pedido::Nada) {
        if (s != responde_)
            return m;
        m[1] = m[3] = m[9] = '1';
        if (pedido_ == Pedido::Truco) {
            m[5] = '1';
            if (puedeEnvido(s))
                m[2] = m[4] = m[6] = '1';
        } else if (pedido_ == Pedido::Retruco) {
            m[7] = '1';
        } else if (esEnvido(pedido_)) {
            m[2] = puedeSubirEnvido(Canto::Envido) ? '1' : '0';
            m[4] = puedeSubirEnvido(Canto::RealEnvido) ? '1' : '0';
            m[6] = puedeSubirEnvido(Canto::FaltaEnvido) ? '1' : '0';
        }
        return m;
    }
    if (s != turno_)
        return m;
    m[9] = '1';
    if (nivel_ == 0)
        m[0] = '1';
    if (puedeEnvido(s))
        m[2] = m[4] = m[6] = '1';
    return m;
}

bool ManoCuatro::jugar(int s, std::string_view carta, std::optional<Analisis>* resultado)
{
    if (!puedeJugar(s) || !enMano(s, carta))
        return false;
    jugadas_[s][baza_] = std::string(carta);
    hostJugo_ = hostJugo_ || s == 0;
    if (++cartasEnBaza_ < 4) {
        turno_ = siguiente(s);
        return true;
    }
    std::array<int, 4> valores{};
    for (int k = 0; k < 4; ++k)
        valores[k] = reglas::darValor(jugadas_[k][baza_]);
    const Analisis a = analizar(valores, repartidor_, bazas_, baza_);
    bazas_ = a.bazas;
    if (resultado)
        *resultado = a;
    if (a.fin != Fin::Sigue) {
        terminada_ = true;
        ganaHost_ = a.fin == Fin::GanaMaquina;
        turno_ = -1;
        return true;
    }
    ++baza_;
    cartasEnBaza_ = 0;
    turno_ = a.lidera;
    return true;
}

bool ManoCuatro::cantar(int s, Canto c)
{
    if (terminada_ || tanteando_)
        return false;
    const bool libre = pedido_ == Pedido::Nada && s == turno_;
    const bool respondiendo = pedido_ != Pedido::Nada && s == responde_;
    switch (c) {
    case Canto::Truco:
        if (!libre || nivel_ != 0)
            return false;
        nivel_ = 1;
        pedido_ = Pedido::Truco;
        responde_ = quienResponde(c, s, estadoCanto()).asiento;
        return true;
    case Canto::Retruco:
    case Canto::Vale4: {
        const Pedido antes = c == Canto::Retruco ? Pedido::Truco : Pedido::Retruco;
        if (!respondiendo || pedido_ != antes)
            return false;
        querido_ = nivel_;
        nivel_ = querido_ + 1;
        pedido_ = c == Canto::Retruco ? Pedido::Retruco : Pedido::Vale4;
        responde_ = quienResponde(c, s, estadoCanto()).asiento;
        return true;
    }
    case Canto::Envido:
    case Canto::RealEnvido:
    case Canto::FaltaEnvido: {
        const bool abre = (libre || (respondiendo && pedido_ == Pedido::Truco)) && puedeEnvido(s);
        if (!abre && !(respondiendo && puedeSubirEnvido(c)))
            return false;
        if (pedido_ == Pedido::Truco)
            nivel_ = 0;  // the envido goes first; the truco may be sung again later
        const EstadoCanto e = estadoCanto();
        anterior_ = envidoCantado_ ? tanto_ : 1;
        envidoEnvido_ = envidoEnvido_ || (c == Canto::Envido && pedido_ == Pedido::Envido);
        envidoCantado_ = true;
        if (c == Canto::Envido) {
            tanto_ += 2;
            pedido_ = Pedido::Envido;
        } else if (c == Canto::RealEnvido) {
            tanto_ += 3;
            pedido_ = Pedido::Real;
        } else {
            falta_ = true;
            pedido_ = Pedido::Falta;
        }
        responde_ = quienResponde(c, s, e).asiento;
        return true;
    }
    }
    return false;
}

std::optional<Efecto> ManoCuatro::responder(int s, bool quiero)
{
    if (terminada_ || tanteando_ || pedido_ == Pedido::Nada || s != responde_)
        return std::nullopt;
    const Pedido p = pedido_;
    pedido_ = Pedido::Nada;
    responde_ = -1;
    Efecto e;
    e.paraHost = !mismaPareja(s, 0);  // a refusal scores for the caller's pair
    if (esEnvido(p)) {
        if (quiero) {
            tanteando_ = true;
            e.tipo = Efecto::Tipo::Tanteo;
            e.puntos = tanto_;
            return e;
        }
        e.tipo = Efecto::Tipo::PuntosSigue;
        e.puntos = anterior_;
        tanto_ = 0;
        return e;
    }
    if (quiero) {
        querido_ = nivel_;
        e.tipo = Efecto::Tipo::Sigue;
        return e;
    }
    // A refused step gives what the ladder reached before it.
    e.tipo = Efecto::Tipo::PuntosFin;
    e.puntos = nivel_;
    terminada_ = true;
    ganaHost_ = e.paraHost;
    turno_ = -1;
    return e;
}

std::optional<Efecto> ManoCuatro::alMazo(int s)
{
    if (terminada_ || tanteando_ || s < 0 || s > 3)
        return std::nullopt;
    const bool respondiendo = pedido_ != Pedido::Nada && s == responde_;
    if (!respondiendo && !(pedido_ == Pedido::Nada && s == turno_))
        return std::nullopt;
    reglas::Escalera esc;
    esc.trucoCantado = nivel_ >= 1;
    esc.retrucoCantado = nivel_ >= 2;
    esc.vale4Cantado = nivel_ >= 3;
    esc.trucoQuerido = querido_ >= 1;
    esc.retrucoQuerido = querido_ >= 2;
    esc.vale4Querido = querido_ >= 3;
    int jugadasContrarias = 0;
    for (int k = 0; k < 4; ++k)
        if (!mismaPareja(k, s))
            for (const std::string& c : jugadas_[k])
                jugadasContrarias += c.empty() ? 0 : 1;
    Efecto e;
    e.tipo = Efecto::Tipo::PuntosFin;
    e.paraHost = !mismaPareja(s, 0);
    e.puntos = reglas::puntosAlMazo(esc, respondiendo && esEnvido(pedido_), jugadasContrarias);
    pedido_ = Pedido::Nada;
    responde_ = -1;
    terminada_ = true;
    ganaHost_ = e.paraHost;
    turno_ = -1;
    return e;
}

void ManoCuatro::tanteado()
{
    tanteando_ = false;
    tanto_ = 0;
}

}  // namespace cuatro
