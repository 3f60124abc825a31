#include "motor/Cartas.h"

namespace reglas {

const std::array<std::string, 40>& mazo()
{
    static const std::array<std::string, 40> m = [] {
        std::array<std::string, 40> a;
        const char palos[] = {'C', 'B', 'O', 'E'};
        int i = 0;
        for (char p : palos)
            for (int n = 1; n <= 7; ++n)
                a[i++] = std::to_string(n) + p;
        for (char p : palos)
            for (int n = 10; n <= 12; ++n)
                a[i++] = std::to_string(n) + p;
        return a;
    }();
    return m;
}

int darValor(std::string_view c)
{
    int v = 0;
    if (c.size() == 2) {
        switch (c[0]) {
        case '3': v = 10; break;
        case '2': v = 9; break;
        case '1': v = 8; break;
        case '7': v = 4; break;
        case '6': v = 3; break;
        case '5': v = 2; break;
        case '4': v = 1; break;
        default: break;
        }
    } else if (c.size() == 3) {
        auto n = c.substr(0, 2);
        if (n == "12")
            v = 7;
        else if (n == "11")
            v = 6;
        else if (n == "10")
            v = 5;
    }
    if (c == "1E")
        v = 14;
    else if (c == "1B")
        v = 13;
    else if (c == "7E")
        v = 12;
    else if (c == "7O")
        v = 11;
    return v;
}

// The twos, the ones of oros and copas, and the figures (10, 11, 12).
bool excluidaEnVariante2(std::string_view code)
{
    auto palo = [](char p) { return p == 'O' || p == 'E' || p == 'B' || p == 'C'; };
    if (code.size() == 2)
        return palo(code[1]) && (code[0] == '2' || (code[0] == '1' && (code[1] == 'O' || code[1] == 'C')));
    return code.size() == 3 && code[0] == '1' && code[1] >= '0' && code[1] <= '2' && palo(code[2]);
}

Sigue despuesDeBaza(const std::array<int, 3>& b, int t)
{
    const int r = b[t];
    if (t == 0)
        return r == GanaM ? Sigue::Maquina : r == GanaH ? Sigue::Humano : Sigue::Mano;
    if (t == 1) {
        if (r == GanaM)
            return b[0] == GanaH ? Sigue::Maquina : Sigue::GanaMaquina;
        if (r == GanaH)
            return b[0] == GanaM ? Sigue::Humano : Sigue::GanaHumano;
        // Parda in the second trick: the first trick decides, if it was won.
        if (b[0] == GanaM)
            return Sigue::GanaMaquina;
        if (b[0] == GanaH)
            return Sigue::GanaHumano;
        return Sigue::Mano;
    }
    if (r == Parda)
        return Sigue::Mano;
    const int suma = b[0] + b[1] + b[2];
    return suma <= 2 ? Sigue::GanaHumano : Sigue::GanaMaquina;
}

bool reglaFinalGanaMaquina(const std::array<int, 3>& b, bool maquinaEsMano)
{
    if (b[0] == GanaM && b[1] == GanaH)
        return true;
    if (b[0] == GanaH && b[1] == GanaM)
        return false;
    if (b[0] == Parda && b[1] == Parda && b[2] == GanaM)
        return true;
    return maquinaEsMano;  // three pardas: the mano wins
}

int valorMano(const Apuestas& a, bool ganaMaquina)
{
    if (a.vale4Querido)
        return 4;
    if (a.vale4Cantado || a.retrucoQuerido)
        return 3;
    if (ganaMaquina ? (a.retrucoCantado || a.trucoCantado) : (a.retrucoCantado || a.trucoQuerido))
        return 2;
    return 1;
}

Trazo trazo(int k, bool maquina)
{
    const int g = k / 5;
    const int x1 = maquina ? 240 : 120, x2 = maquina ? 960 : 840;
    const int y1 = 120 + 840 * g, y2 = 720 + 840 * g;
    Trazo t{};
    switch (k % 5) {
    case 0: t = {x1, y1, x2, y1}; break;  // top
    case 1: t = {x1, y1, x1, y2}; break;  // left
    case 2: t = {x2, y1, x2, y2}; break;  // right
    case 3: t = {x1, y2, x2, y2}; break;  // bottom
    default: t = {x2, y1, x1, y2}; break; // diagonal top-right to bottom-left
    }
    return {t.x1 / 15, t.y1 / 15, t.x2 / 15, t.y2 / 15};
}

}  // namespace reglas
