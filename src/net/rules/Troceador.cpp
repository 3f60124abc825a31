#include "net/rules/Troceador.h"

#include "net/rules/Protocolo.h"

#include <algorithm>

namespace protocolo {

namespace {

// Outcome of measuring the message at the start of the buffer.
enum class Medida { Listo, Falta, Malo };

struct Corte {
    Medida medida;
    std::size_t largo = 0;  // for Listo
};

bool esPalo(char c) { return c == 'O' || c == 'C' || c == 'E' || c == 'B'; }
bool esCifra(char c) { return c >= '0' && c <= '9'; }

// A whole code of the catalogue starts at i.
bool codigoEn(std::string_view b, std::size_t i)
{
    return i + kLargoCodigo <= b.size() && esCodigo(b.substr(i, kLargoCodigo));
}

// Where a piece that cannot be read ends: at the next whole code, or at
// the end of what has arrived.
std::size_t hastaElProximoCodigo(std::string_view b, std::size_t desde)
{
    for (std::size_t i = desde; i < b.size(); ++i) {
        if (codigoEn(b, i))
            return i;
    }
    return b.size();
}

// Free text from p: to the end, less trailing acknowledgements.
std::size_t finTexto(std::string_view b, std::size_t p)
{
    std::size_t fin = b.size();
    while (fin >= p + kLargoCodigo && b.substr(fin - kLargoCodigo, kLargoCodigo) == "OKOK")
        fin -= kLargoCodigo;
    return fin;
}

Corte carta(std::string_view b, std::size_t p)
{
    if (p >= b.size())
        return {Medida::Falta};
    const char c0 = b[p];
    if (c0 == '1') {
        if (p + 1 >= b.size())
            return {Medida::Falta};
        const char c1 = b[p + 1];
        if (c1 == '0' || c1 == '1' || c1 == '2') {
            if (p + 2 >= b.size())
                return {Medida::Falta};
            return esPalo(b[p + 2]) ? Corte{Medida::Listo, p + 3} : Corte{Medida::Malo};
        }
        return esPalo(c1) ? Corte{Medida::Listo, p + 2} : Corte{Medida::Malo};
    }
    if (c0 >= '2' && c0 <= '7') {
        if (p + 1 >= b.size())
            return {Medida::Falta};
        return esPalo(b[p + 1]) ? Corte{Medida::Listo, p + 2} : Corte{Medida::Malo};
    }
    return {Medida::Malo};
}

Corte medirCodigo(std::string_view b, bool forzar);

// How the bytes after a message would read: a code of the catalogue, not
// known yet, or nothing that makes sense.
enum class Lectura { Buena, Espera, Mala };

Lectura leerResto(std::string_view resto)
{
    if (resto.empty())
        return Lectura::Buena;
    const Corte c = medirCodigo(resto, false);
    if (c.medida == Medida::Falta)
        return Lectura::Espera;
    return c.medida == Medida::Listo && codigoEn(resto, 0) ? Lectura::Buena : Lectura::Mala;
}

// A number without leading zeros, at most maxCifras digits and at most
// tope. A digit may also begin the next code ("4TRU", "4AR0"): it belongs to
// the number when what follows it then reads well, and when only one of the
// two readings can be told yet, it waits. At the end of the buffer a number
// that could still grow waits too.
Corte numero(std::string_view b, std::size_t p, int tope, std::size_t maxCifras, bool forzar)
{
    if (p >= b.size())
        return {Medida::Falta};
    if (!esCifra(b[p]) || b[p] == '0')
        return b[p] == '0' ? Corte{Medida::Listo, p + 1} : Corte{Medida::Malo};
    int valor = b[p] - '0';
    if (valor > tope)
        return {Medida::Malo};
    std::size_t n = 1;
    while (n < maxCifras) {
        const std::size_t i = p + n;
        if (i >= b.size()) {
            if (!forzar && valor * 10 <= tope)
                return {Medida::Falta};
            break;
        }
        if (!esCifra(b[i]) || valor * 10 + (b[i] - '0') > tope)
            break;
        if (empiezaCodigo(b.substr(i, kLargoCodigo))) {
            const Lectura larga = leerResto(b.substr(i + 1));
            const Lectura corta = leerResto(b.substr(i));
            if (!forzar && (larga == Lectura::Espera || corta == Lectura::Espera))
                return {Medida::Falta};
            if (larga != Lectura::Buena && corta == Lectura::Buena)
                break;
        }
        valor = valor * 10 + (b[i] - '0');
        ++n;
    }
    return {Medida::Listo, p + n};
}

Corte digito(std::string_view b, std::size_t p, int hasta)
{
    if (p >= b.size())
        return {Medida::Falta};
    return b[p] >= '0' && b[p] <= '0' + hasta ? Corte{Medida::Listo, p + 1} : Corte{Medida::Malo};
}

Corte mascara(std::string_view b)
{
    const std::size_t p = kLargoCodigo;
    for (std::size_t i = p; i < p + 10; ++i) {
        if (i >= b.size())
            return {Medida::Falta};
        if (b[i] != '0' && b[i] != '1' && b[i] != '-')
            return {Medida::Malo};
    }
    return {Medida::Listo, p + 10};
}

// "DICE" with envido points: digits right before another code end there,
// so "DICE228" followed at once by "DARM2" stays two messages.
Corte dice(std::string_view b)
{
    const Corte asiento = digito(b, kLargoCodigo, 3);
    if (asiento.medida != Medida::Listo)
        return asiento;
    std::size_t q = asiento.largo;
    while (q < b.size() && esCifra(b[q]))
        ++q;
    if (q > asiento.largo && codigoEn(b, q))
        return {Medida::Listo, q};
    return {Medida::Listo, finTexto(b, asiento.largo)};
}

Corte medirCodigo(std::string_view b, bool forzar)
{
    if (b.size() < kLargoCodigo) {
        if (!forzar && empiezaCodigo(b))
            return {Medida::Falta};
        return {Medida::Listo, b.size()};  // an unknown scrap
    }
    const std::size_t p = kLargoCodigo;
    switch (formaDe(b.substr(0, kLargoCodigo))) {
    case Forma::Ninguna: return {Medida::Listo, p};
    case Forma::Carta: return carta(b, p);
    case Forma::Valor: return numero(b, p, 14, 2, forzar);
    case Forma::Puntos: return numero(b, p, 255, 3, forzar);
    case Forma::Asiento: return digito(b, p, 3);
    case Forma::Ranura: return digito(b, p, 2);
    case Forma::Jugadas: return digito(b, p, 3);
    case Forma::Resultado: return digito(b, p, 2);
    case Forma::Mascara: return mascara(b);
    case Forma::BazaCarta: {
        const Corte d = digito(b, p, 2);
        return d.medida == Medida::Listo ? carta(b, d.largo) : d;
    }
    case Forma::Texto:
    case Forma::NombreCara: return {Medida::Listo, finTexto(b, p)};
    case Forma::AsientoTexto: return dice(b);
    case Forma::AsientoNombre: {
        const Corte d = digito(b, p, 3);
        return d.medida == Medida::Listo ? Corte{Medida::Listo, finTexto(b, d.largo)} : d;
    }
    case Forma::Desconocida: return {Medida::Listo, hastaElProximoCodigo(b, 1)};
    }
    return {Medida::Malo};
}

// The name message: to the end, less a trailing "OKOK", and short of a
// "NICK" that followed it at once. Only a short one can be a name, so the
// search looks no further than that.
std::size_t finNombre(std::string_view b)
{
    const std::size_t fin = finTexto(b, 0);
    const std::size_t nick = b.substr(0, std::min(fin, kLimiteNombre)).find("NICK", 1);
    return nick == std::string_view::npos ? fin : nick;
}

}  // namespace

void Troceador::agregar(std::string_view bytes)
{
    // Dropping what was cut moves what is left: done only once it is no
    // more than what was cut, so every byte is moved a bounded number of
    // times however the arrivals fall.
    if (inicio_ > 0 && inicio_ * 2 >= buffer_.size()) {
        buffer_.erase(0, inicio_);
        inicio_ = 0;
    }
    buffer_.append(bytes);
}

std::optional<Trozo> Troceador::siguiente(bool esperandoNombre) { return cortar(esperandoNombre, false); }

std::optional<Trozo> Troceador::liberar(bool esperandoNombre) { return cortar(esperandoNombre, true); }

std::optional<Trozo> Troceador::cortar(bool esperandoNombre, bool forzar)
{
    if (!retiene())
        return std::nullopt;
    const std::string_view b = std::string_view(buffer_).substr(inicio_);
    Clase clase = Clase::Mensaje;
    std::size_t largo = 0;

    const bool nombre = esperandoNombre && b.substr(0, kLargoCodigo) != "OKOK";
    if (nombre && finNombre(b) < kLimiteNombre) {
        clase = Clase::Nombre;
        largo = finNombre(b);
    } else {
        const Corte c = medirCodigo(b, forzar);
        if (c.medida == Medida::Falta && !forzar)
            return std::nullopt;
        if (c.medida == Medida::Listo) {
            largo = c.largo;
            if (b.size() < kLargoCodigo || !esCodigo(b.substr(0, kLargoCodigo))) {
                clase = Clase::Desconocido;
            } else {
                const std::string_view codigo = b.substr(0, kLargoCodigo);
                const std::string_view argumento = b.substr(kLargoCodigo, largo - kLargoCodigo);
                if (!argumentoValido(codigo, argumento))
                    clase = argumento.size() > largoMaximoArgumento(codigo) ? Clase::Largo : Clase::Malformado;
            }
        } else {
            clase = Clase::Malformado;
            largo = hastaElProximoCodigo(b, kLargoCodigo);
        }
    }
    if (largo > kLargoMaximo)
        clase = Clase::Largo;
    Trozo t{clase, std::string(b.substr(0, largo))};
    inicio_ += largo;
    return t;
}

}  // namespace protocolo
