#pragma once
// What just happened on the table, shown for a moment: the card that won a
// trick framed, "+N" beside the score that grew. The score's news reaches the
// screen reader too, as a change of the badge's name.
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QLabel;
class QTimer;
class Etiqueta;
class Naipe;
class MesaEscalable;

class Avisos : public QObject {
    Q_OBJECT
public:
    explicit Avisos(MesaEscalable& mesa);

    // The "+N" badge of each side (0 this table's player, 1 the other side),
    // placed beside that side's score.
    std::array<QLabel*, 2> mas{};
    // How long a badge or a frame stays; tests make it 0 (gone on the next turn
    // of the event loop).
    int duracionMs = 2500;

    // A side's score went from antes to ahora; quien names that side.
    void puntos(int lado, int antes, int ahora, const QString& quien);
    // The cards of a trick, the other side's and this player's, with the
    // texts beneath them (their Tag holds the card's strength): once both are
    // down, the stronger is framed; a tie (parda) frames neither.
    void vigilarBaza(Naipe* suya, Etiqueta* textoSuyo, Naipe* mia, Etiqueta* textoMio);

private:
    void despues(std::function<void()> f);
};
