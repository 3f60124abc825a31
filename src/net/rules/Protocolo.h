#pragma once
#include <string>
#include <string_view>

// The messages between two game programs: a four-character code and its
// argument, with no delimiter. Plain functions over the bytes on the wire.
namespace protocolo {

// What follows a code on the wire.
enum class Forma {
    Ninguna,       // no argument
    Carta,         // card code: "4O", "12E"
    Valor,         // truco value 1..14
    Asiento,       // relative seat digit 0..3
    Ranura,        // slot of a card in hand 0..2
    Jugadas,       // cards played 0..3
    Resultado,     // trick result 0..2
    Mascara,       // ten characters of '0', '1', '-'
    Puntos,        // 0..255
    BazaCarta,     // trick digit 0..2, then a card code
    Texto,         // free text to the end of the message
    NombreCara,    // name, then one face character
    AsientoTexto,  // seat digit 0..3, then free text
    AsientoNombre, // seat digit 0..3, name, face character
    Desconocida,   // not a code of the catalogue
};

struct Partes {
    std::string codigo;
    std::string argumento;
};

constexpr std::size_t kLargoCodigo = 4;
// The opening name message is told from a coded one by its length.
constexpr std::size_t kLimiteNombre = 26;
// Longest message accepted; more than this without a boundary is dropped.
constexpr std::size_t kLargoMaximo = 4096;
// A name (without its face digit) fits the opening message.
constexpr std::size_t kLargoNombre = kLimiteNombre - 2;
// A line of free text ("MENS", "CONF", a phrase of "DICE"): short enough to
// travel in one segment, so that no tail of it is ever read as codes.
constexpr std::size_t kLargoTexto = 200;

// Code: the first four characters; argument: the rest (empty when short).
Partes separar(std::string_view mensaje);

Forma formaDe(std::string_view codigo);
bool esCodigo(std::string_view codigo);
// True when some code of the catalogue starts with these (up to 4) bytes.
bool empiezaCodigo(std::string_view prefijo);

// Argument shapes.
bool esCarta(std::string_view s);
bool esValorTruco(std::string_view s);
bool esPuntos(std::string_view s);
bool esMascara(std::string_view s);
bool esDigito(std::string_view s, int desde, int hasta);
// Does this argument fit the code's shape? The one rule of the framing and
// of the decoding.
bool argumentoValido(std::string_view codigo, std::string_view argumento);
// The longest argument the code may carry.
std::size_t largoMaximoArgumento(std::string_view codigo);

// A text cut to at most n characters (UTF-8 in, UTF-8 out); on the wire each
// character is one byte.
std::string recortar(std::string_view texto, std::size_t n);

// Faces 0..14 travel as the one character '0' + n; anything else is face 0.
char digitoCara(int cara);
int caraDeDigito(char c);

// The opening name message: only while the greeting has not happened, and
// only for a text under 26 bytes.
bool esMensajeDeNombre(int saludoHecho, std::size_t largo);

// A seat digit is relative to the receiver: (meant - receiver) mod 4.
int asientoRelativo(int asientoDe, int asientoReceptor);

// Acknowledgement rule of the two-player receiver.
bool seAcusa(std::string_view codigo);         // answer "OKOK" at all
bool acusaAntes(std::string_view codigo);      // "OKOK" before handling
// The four-player host answers "OKOK", before handling, only to the clients'
// calls, going to the deck ("4MAZ") and played cards; "NICK", "MENS" and
// anything else go unanswered.
bool anfitrionAcusa(std::string_view codigo);
// Two-player sender: sent directly (no wait) rather than acknowledged.
bool seEnviaDirecto(std::string_view codigo);

// Building the catalogue's messages. Numbers are decimal without leading
// zeros; digits are single characters. Texts stay in the program's own
// encoding (UTF-8) here; the wire encoding is applied when sending.
std::string armar(std::string_view codigo, std::string_view argumento = {});
std::string saludo(std::string_view nombre, int cara);
std::string nick(std::string_view nombre, int cara);
std::string cara(int asiento, std::string_view nombre, int caraNumero);
std::string mens(std::string_view texto);
std::string confDos(std::string_view empieza, bool conFlor);
std::string confCuatro(std::string_view repartidor);
std::string pies(int asiento);
std::string cam(int i, std::string_view carta);
std::string cvm(int i, int valor);
std::string car(int i, std::string_view carta);
std::string caV(int i, int valor);
std::string ar4(int i, std::string_view carta);
std::string bton(std::string_view mascara);
std::string ijm(int baza, int ranura);
std::string posc(int jugadas);
std::string jug(int baza, int resultado);
std::string jugc(int baza, std::string_view carta);
// lado: 'I' left, 'M' in front, 'D' right.
std::string jugLado(char lado, int baza, std::string_view carta);
std::string dice(int asiento, std::string_view frase);
std::string darh(int puntos);
std::string darm(int puntos);

}  // namespace protocolo
