#include "net/rules/Protocolo.h"

#include <array>

namespace protocolo {

namespace {

struct Entrada {
    std::string_view codigo;
    Forma forma;
};

// The catalogue, code by code.
constexpr std::array kCatalogo{
    Entrada{"OKOK", Forma::Ninguna},   Entrada{"DEA4", Forma::Ninguna},
    Entrada{"YORE", Forma::Ninguna},   Entrada{"PON0", Forma::Ninguna},
    Entrada{"EMPT", Forma::Ninguna},   Entrada{"MANT", Forma::Ninguna},
    Entrada{"MANF", Forma::Ninguna},   Entrada{"JUGT", Forma::Ninguna},
    Entrada{"JUGF", Forma::Ninguna},   Entrada{"TRUC", Forma::Ninguna},
    Entrada{"RETR", Forma::Ninguna},   Entrada{"VAL4", Forma::Ninguna},
    Entrada{"ENVI", Forma::Ninguna},   Entrada{"REAL", Forma::Ninguna},
    Entrada{"FALT", Forma::Ninguna},   Entrada{"QUIE", Forma::Ninguna},
    Entrada{"NOQU", Forma::Ninguna},   Entrada{"FLOR", Forma::Ninguna},
    Entrada{"MAZO", Forma::Ninguna},   Entrada{"4TRU", Forma::Ninguna},
    Entrada{"4RET", Forma::Ninguna},   Entrada{"4VAL", Forma::Ninguna},
    Entrada{"4ENV", Forma::Ninguna},   Entrada{"4REA", Forma::Ninguna},
    Entrada{"4FAL", Forma::Ninguna},   Entrada{"4QUI", Forma::Ninguna},
    Entrada{"4NOQ", Forma::Ninguna},   Entrada{"4MAZ", Forma::Ninguna},
    Entrada{"CAM0", Forma::Carta},
    Entrada{"CAM1", Forma::Carta},     Entrada{"CAM2", Forma::Carta},
    Entrada{"CAR0", Forma::Carta},     Entrada{"CAR1", Forma::Carta},
    Entrada{"CAR2", Forma::Carta},     Entrada{"4AR0", Forma::Carta},
    Entrada{"4AR1", Forma::Carta},     Entrada{"4AR2", Forma::Carta},
    Entrada{"CVM0", Forma::Valor},     Entrada{"CVM1", Forma::Valor},
    Entrada{"CVM2", Forma::Valor},     Entrada{"CA0V", Forma::Valor},
    Entrada{"CA1V", Forma::Valor},     Entrada{"CA2V", Forma::Valor},
    Entrada{"PIES", Forma::Asiento},   Entrada{"IJM0", Forma::Ranura},
    Entrada{"IJM1", Forma::Ranura},    Entrada{"IJM2", Forma::Ranura},
    Entrada{"POSC", Forma::Jugadas},   Entrada{"JUG0", Forma::Resultado},
    Entrada{"JUG1", Forma::Resultado}, Entrada{"JUG2", Forma::Resultado},
    Entrada{"BTON", Forma::Mascara},   Entrada{"DARH", Forma::Puntos},
    Entrada{"DARM", Forma::Puntos},    Entrada{"JUGC", Forma::BazaCarta},
    Entrada{"JUGI", Forma::BazaCarta}, Entrada{"JUGM", Forma::BazaCarta},
    Entrada{"JUGD", Forma::BazaCarta}, Entrada{"MENS", Forma::Texto},
    Entrada{"CONF", Forma::Texto},     Entrada{"NICK", Forma::NombreCara},
    Entrada{"DICE", Forma::AsientoTexto}, Entrada{"CARA", Forma::AsientoNombre},
};

bool esNumeroSinCeros(std::string_view s)
{
    if (s.empty() || s.size() > 3)
        return false;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return !(s.size() > 1 && s[0] == '0');
}

int aNumero(std::string_view s)
{
    int n = 0;
    for (char c : s)
        n = n * 10 + (c - '0');
    return n;
}

std::string digito(int n) { return std::string(1, static_cast<char>('0' + n)); }

}  // namespace

Partes separar(std::string_view mensaje)
{
    if (mensaje.size() <= kLargoCodigo)
        return {std::string(mensaje), {}};
    return {std::string(mensaje.substr(0, kLargoCodigo)), std::string(mensaje.substr(kLargoCodigo))};
}

Forma formaDe(std::string_view codigo)
{
    for (const auto& e : kCatalogo) {
        if (e.codigo == codigo)
            return e.forma;
    }
    return Forma::Desconocida;
}

bool esCodigo(std::string_view codigo) { return formaDe(codigo) != Forma::Desconocida; }

bool empiezaCodigo(std::string_view prefijo)
{
    if (prefijo.size() > kLargoCodigo)
        prefijo = prefijo.substr(0, kLargoCodigo);
    for (const auto& e : kCatalogo) {
        if (e.codigo.substr(0, prefijo.size()) == prefijo)
            return true;
    }
    return false;
}

bool esCarta(std::string_view s)
{
    if (s.size() < 2 || s.size() > 3)
        return false;
    const char palo = s.back();
    if (palo != 'O' && palo != 'C' && palo != 'E' && palo != 'B')
        return false;
    const std::string_view numero = s.substr(0, s.size() - 1);
    if (numero.size() == 1)
        return numero[0] >= '1' && numero[0] <= '7';
    return numero == "10" || numero == "11" || numero == "12";
}

bool esValorTruco(std::string_view s)
{
    if (!esNumeroSinCeros(s) || s.size() > 2)
        return false;
    const int v = aNumero(s);
    return v >= 1 && v <= 14;
}

bool esPuntos(std::string_view s) { return esNumeroSinCeros(s) && aNumero(s) <= 255; }

bool esMascara(std::string_view s)
{
    if (s.size() != 10)
        return false;
    for (char c : s) {
        if (c != '0' && c != '1' && c != '-')
            return false;
    }
    return true;
}

bool esDigito(std::string_view s, int desde, int hasta)
{
    return s.size() == 1 && s[0] >= '0' + desde && s[0] <= '0' + hasta;
}

bool argumentoValido(std::string_view codigo, std::string_view a)
{
    switch (formaDe(codigo)) {
    case Forma::Ninguna: return a.empty();
    case Forma::Carta: return esCarta(a);
    case Forma::Valor: return esValorTruco(a);
    case Forma::Asiento: return esDigito(a, 0, 3);
    case Forma::Ranura: return esDigito(a, 0, 2);
    case Forma::Jugadas: return esDigito(a, 0, 3);
    case Forma::Resultado: return esDigito(a, 0, 2);
    case Forma::Mascara: return esMascara(a);
    case Forma::Puntos: return esPuntos(a);
    case Forma::BazaCarta: return !a.empty() && esDigito(a.substr(0, 1), 0, 2) && esCarta(a.substr(1));
    case Forma::Texto: return a.size() <= kLargoTexto;
    case Forma::NombreCara: return !a.empty() && a.size() <= kLargoNombre + 1;
    case Forma::AsientoTexto: return !a.empty() && a.size() <= 1 + kLargoTexto && esDigito(a.substr(0, 1), 0, 3);
    case Forma::AsientoNombre:
        return a.size() >= 2 && a.size() <= kLargoNombre + 2 && esDigito(a.substr(0, 1), 0, 3);
    case Forma::Desconocida: return false;
    }
    return false;
}

std::size_t largoMaximoArgumento(std::string_view codigo)
{
    switch (formaDe(codigo)) {
    case Forma::Ninguna:
    case Forma::Desconocida: return 0;
    case Forma::Carta: return 3;
    case Forma::Valor: return 2;
    case Forma::Puntos: return 3;
    case Forma::Mascara: return 10;
    case Forma::BazaCarta: return 4;
    case Forma::Asiento:
    case Forma::Ranura:
    case Forma::Jugadas:
    case Forma::Resultado: return 1;
    case Forma::Texto: return kLargoTexto;
    case Forma::NombreCara: return kLargoNombre + 1;
    case Forma::AsientoTexto: return 1 + kLargoTexto;
    case Forma::AsientoNombre: return kLargoNombre + 2;
    }
    return 0;
}

std::string recortar(std::string_view texto, std::size_t n)
{
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        // A character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(texto[i]) & 0xC0) != 0x80 && caracteres++ == n)
            return std::string(texto.substr(0, i));
    }
    return std::string(texto);
}

char digitoCara(int cara)
{
    if (cara < 0 || cara > 14)
        cara = 0;
    return static_cast<char>('0' + cara);
}

int caraDeDigito(char c)
{
    const int n = static_cast<unsigned char>(c) - '0';
    return n >= 0 && n <= 14 ? n : 0;
}

bool esMensajeDeNombre(int saludoHecho, std::size_t largo)
{
    return saludoHecho == 0 && largo < kLimiteNombre;
}

int asientoRelativo(int asientoDe, int asientoReceptor)
{
    return ((asientoDe - asientoReceptor) % 4 + 4) % 4;
}

bool seAcusa(std::string_view codigo) { return codigo != "OKOK"; }

bool acusaAntes(std::string_view codigo)
{
    return codigo == "CONF" || codigo == "DARH" || codigo == "DARM" || codigo == "QUIE";
}

bool anfitrionAcusa(std::string_view codigo)
{
    return codigo == "4QUI" || codigo == "4FAL" || codigo == "4REA" || codigo == "4ENV" || codigo == "4NOQ" ||
           codigo == "4VAL" || codigo == "4RET" || codigo == "4TRU" || codigo == "4MAZ" || codigo == "JUGC";
}

bool seEnviaDirecto(std::string_view codigo)
{
    // The chat line, the envido points spoken on the settlement ("DICE2"),
    // "NICK" and the acknowledgement itself; the name message has no code.
    return codigo == "OKOK" || codigo == "MENS" || codigo == "NICK" || codigo == "DICE" ||
           !esCodigo(codigo);
}

std::string armar(std::string_view codigo, std::string_view argumento)
{
    std::string s(codigo);
    s += argumento;
    return s;
}

std::string saludo(std::string_view nombre, int c)
{
    std::string s = recortar(nombre, kLargoNombre);
    s += digitoCara(c);
    return s;
}

std::string nick(std::string_view nombre, int c) { return "NICK" + saludo(nombre, c); }

std::string cara(int asiento, std::string_view nombre, int caraNumero)
{
    return "CARA" + digito(asiento) + saludo(nombre, caraNumero);
}

std::string mens(std::string_view texto) { return armar("MENS", recortar(texto, kLargoTexto)); }

std::string confDos(std::string_view empieza, bool conFlor)
{
    return "CONFEmpieza " + recortar(empieza, kLargoNombre) + "\n\xC2\xBF" "Con flor? " + (conFlor ? "SI" : "NO");
}

std::string confCuatro(std::string_view repartidor)
{
    return "CONFREPARTIO: " + recortar(repartidor, kLargoNombre);
}

std::string pies(int asiento) { return "PIES" + digito(asiento); }
std::string cam(int i, std::string_view carta) { return "CAM" + digito(i) + std::string(carta); }
std::string cvm(int i, int valor) { return "CVM" + digito(i) + std::to_string(valor); }
std::string car(int i, std::string_view carta) { return "CAR" + digito(i) + std::string(carta); }
std::string caV(int i, int valor) { return "CA" + digito(i) + "V" + std::to_string(valor); }
std::string ar4(int i, std::string_view carta) { return "4AR" + digito(i) + std::string(carta); }
std::string bton(std::string_view mascara) { return armar("BTON", mascara); }
std::string ijm(int baza, int ranura) { return "IJM" + digito(baza) + digito(ranura); }
std::string posc(int jugadas) { return "POSC" + std::to_string(jugadas); }
std::string jug(int baza, int resultado) { return "JUG" + digito(baza) + digito(resultado); }
std::string jugc(int baza, std::string_view carta) { return "JUGC" + digito(baza) + std::string(carta); }

std::string jugLado(char lado, int baza, std::string_view carta)
{
    return std::string("JUG") + lado + digito(baza) + std::string(carta);
}

std::string dice(int asiento, std::string_view frase)
{
    return "DICE" + digito(asiento) + recortar(frase, kLargoTexto);
}
std::string darh(int puntos) { return "DARH" + std::to_string(puntos); }
std::string darm(int puntos) { return "DARM" + std::to_string(puntos); }

}  // namespace protocolo
