#pragma once
// Cards, deck, trick decisions, hand value and tally geometry as plain functions.
#include <array>
#include <string>
#include <string_view>

namespace reglas {

// Points of a match.
constexpr int kPartido = 30;

// The deck in its fixed order: 1-7 of copas, bastos, oros, espadas, then the
// 10-12 of the same suits.
const std::array<std::string, 40>& mazo();

// Truco value of a card code, 1 (the fours) to 14 (the ace of espadas);
// 0 for a text that is not a card.
int darValor(std::string_view code);

// Cards left out of the 22-card Spanish variant.
bool excluidaEnVariante2(std::string_view code);

// N different cards as deck indexes: six for two players (the machine's
// three then the human's), twelve for four. draw() gives a uniform index
// 0..39; usada marks every card drawn or rejected.
template <std::size_t N = 6, class Draw>
std::array<int, N> repartirIndices(int variante, std::array<bool, 40>& usada, Draw&& draw)
{
    usada.fill(false);
    std::array<int, N> out{};
    for (std::size_t n = 0; n < N; ++n) {
        for (;;) {
            int k = draw();
            if (usada[k])
                continue;
            usada[k] = true;
            if (variante == 2 && excluidaEnVariante2(mazo()[k]))
                continue;
            out[n] = k;
            break;
        }
    }
    return out;
}

// ---- Tricks -----------------------------------------------------------------

// Trick results as the table keeps them.
enum Baza : int { GanaH = 0, Parda = 1, GanaM = 2 };

inline int resultadoBaza(int valorH, int valorM)
{
    return valorM > valorH ? GanaM : valorM == valorH ? Parda : GanaH;
}

// What follows a decided trick t (0..2) given the results so far.
enum class Sigue { Humano, Maquina, Mano, GanaHumano, GanaMaquina };
// Decides the hand after trick t; Mano means "the mano leads the next trick"
// (or, after the third trick, that the final rule applies).
Sigue despuesDeBaza(const std::array<int, 3>& bazas, int t);
// Final rule after three played tricks with the third a parda: true when the
// machine wins.
bool reglaFinalGanaMaquina(const std::array<int, 3>& bazas, bool maquinaEsMano);

// ---- Hand value -------------------------------------------------------------

struct Apuestas {
    bool trucoCantado = false, retrucoCantado = false, vale4Cantado = false;
    bool trucoQuerido = false, retrucoQuerido = false, vale4Querido = false;
};
int valorMano(const Apuestas& a, bool ganaMaquina);

// ---- Score tally ----------------------------------------------------------------

struct Trazo {
    int x1, y1, x2, y2;  // pixels inside the side's panel
};
// Stroke k (0..29) of a side: group k/5 drawn as a square with a diagonal.
// Twips of the original layout at 15 per pixel.
Trazo trazo(int k, bool maquina);

}  // namespace reglas
