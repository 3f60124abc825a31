#pragma once
// Rules of the calls as plain functions: envido and flor points, the enable
// mask of the call panel, the machine's thresholds, the points at stake.
#include "motor/Cartas.h"

#include <array>
#include <string>
#include <string_view>

namespace reglas {

// ---- Envido and flor -------------------------------------------------------

// Counting value of a card for envido: its number for 1..7, 0 for 10, 11, 12.
int valorTanto(std::string_view code);
// Suit letter: the last character of the code.
char palo(std::string_view code);

struct Tantos {
    int envido = 0;      // 0..33
    bool flor = false;   // three cards of one suit
    int puntosFlor = 0;  // 20 + the three counting values (20..38), 0 without flor
};
// Envido points of a hand. Two cards of one suit: 20 + their counting values
// (pairs tested 0-1, 0-2, 1-2). Flor: 20 + the two highest counting values.
// No pair: the highest counting value.
Tantos verTantos(const std::array<std::string, 3>& codes);

// ---- Enable mask of the call panel -----------------------------------------

// One character per button (bt(0)..bt(7), Flor, AlMazo): "1" on, "0" off,
// anything else (including a missing character) leaves the button as it is.
enum class Bit { Off, On, Keep };
std::array<Bit, 10> leerMascara(std::string_view valor);


// ---- Verses -----------------------------------------------------------------

// First verse of a run from a uniform r in [0, 1): 2r rounded to the nearest
// whole number, halves to even (0.25 -> 0, 0.75 -> 2). Never 3.
int primerVerso(double r);
// The next verse, cyclic over four.
int siguienteVerso(int actual);

// ---- Points -----------------------------------------------------------------

// Accepted falta envido: what the loser lacks to reach 30.
int puntosFalta(int puntosPerdedor);

// Betting flags of the truco ladder that decide points.
struct Escalera {
    bool trucoCantado = false, retrucoCantado = false, vale4Cantado = false;
    bool trucoQuerido = false, retrucoQuerido = false, vale4Querido = false;
};
// Going to the deck: what the machine scores, first rule that holds:
// vale4 accepted 4; vale4 called or retruco accepted 3; retruco called or
// truco accepted 2; truco called 1; envido waiting for the human's answer 2;
// machine has not played a card 2; otherwise 1.
int puntosAlMazo(const Escalera& e, bool envidoEsperandoRespuesta, int jugadasMaquina);

// ---- The machine's decisions ------------------------------------------------

// Average value of the cards still in hand (integer division); the sum
// divided by 1 when none is left.
int promValor(const int* valores, int cuantos);

// Envido as mano in the first trick: 20 or more and none sung; below 30 only
// when the draw (0 or 1) is 1.
bool cantaEnvidoMano(int tantos, bool envidoCantado, int sorteo);
// Envido as pie: 21 or more and none sung.
bool cantaEnvidoPie(int tantos, bool envidoCantado);

// Answer to the human's envido or real envido: above 24, or human at 28+.
bool aceptaEnvido(int tantos, int puntosHumano);
// The human raised the machine's envido with envido: above 25 (mano) or
// above 27 (pie), or human at 28+.
bool aceptaEnvidoEnvido(int tantos, bool maquinaMano, int puntosHumano);
// ... with real envido: above 26 (mano) or above 27 (pie), or human at 28+.
bool aceptaRealEnvido(int tantos, bool maquinaMano, int puntosHumano);
// Falta rule: tantos > 20 and machine > 25; or tantos >= 27; or human >= 28;
// or tantos >= 20 and the clock's second is odd.
bool reglaFalta(int tantos, int puntosMaquina, int puntosHumano, int segundo);
// Pie falta rule: tantos > 20 and human > 25; or tantos >= 28; or human >= 28.
bool reglaFaltaPie(int tantos, int puntosHumano);

// What the machine sees of the hand when it answers the truco ladder.
struct Mesa {
    int jugadasMaquina = 0, jugadasHumano = 0;
    std::array<int, 3> bazas{};  // 0 human won (or not played), 1 parda, 2 machine won
    std::array<int, 3> jm{};     // values of the machine's played cards
    std::array<int, 3> jh{};     // values of the human's played cards
    int promValor = 0;           // of the machine's cards still in hand
    int puntosHumano = 0;
};

enum class Respuesta { NoQuiero, Quiero, QuieroParda };
// Human's truco. 0 cards: prom > 5. 1 card: (prom > 6 and won trick 1) or
// (prom > 7 and trick 1 parda). 2 or 3 cards: (prom > 6 and won trick 1) or
// (jm[1] > 7 and trick 1 parda). Always when the human has 28+. QuieroParda
// when the accepting condition was a parda one.
Respuesta aceptaTruco(const Mesa& m);
// Human's retruco. 1 card (or none): prom > 6. 3 cards: jm[2] > 7. 2 cards,
// in order: human played his third card and its value is below prom; human
// 28+; trick 1 not lost, jm[1] > 7 and the human has played one card only;
// prom > 6. Always when the human has 28+.
bool aceptaRetruco(const Mesa& m);
// Human's vale cuatro. 3 cards: jm[2] > 6. 2 cards: (prom > 6 and won trick 1)
// or jm[1] > 10. Otherwise always. Always when the human has 28+.
bool aceptaVale4(const Mesa& m);
// Third trick: the machine sings only when the human's third card is weaker
// than its remaining card or below 8.
bool cantaEnTercera(int cartaHumano, int cartaMaquina);

}  // namespace reglas
