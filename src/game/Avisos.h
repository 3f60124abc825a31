#pragma once
// What just happened on the table, shown for a moment: the card that won a
// trick framed, "+N" beside the score that grew. The score's news reaches the
// screen reader too, as a change of the badge's name.
#include <QHash>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class QLabel;
class QTimer;
class Etiqueta;
class Naipe;
class MesaEscalable;

class Avisos : public QObject {
    Q_OBJECT
public:
    explicit Avisos(MesaEscalable& mesa);
    ~Avisos() override;

    // The "+N" badge of each side (0 this table's player, 1 the other side),
    // placed beside that side's score.
    std::array<QLabel*, 2> mas{};
    // How long a badge or a frame stays; tests make it 0 (gone on the next turn
    // of the event loop).
    int duracionMs = 2500;

    // A side's score went from antes to ahora; quien names that side.
    void puntos(int lado, int antes, int ahora, const QString& quien);
    // A card's place in a trick and the text beneath it (its Tag holds the
    // card's strength); places alternate between the two sides.
    struct Lugar {
        Naipe* carta;
        Etiqueta* texto;
    };
    // Watches the texts of a trick; lugares() gives the places in play now
    // (two at the table of two, four among four). Once every one holds a
    // card, the strongest is framed; equal strengths on both sides (parda)
    // frame nothing, and partners sharing the best card are framed both.
    void vigilarBaza(const std::vector<Etiqueta*>& textos, std::function<std::vector<Lugar>()> lugares);

private:
    // f runs duracionMs from now, in place of what was due for que.
    void despues(QObject* que, std::function<void()> f);
    struct Reloj {
        QTimer* timer;  // a child of this object
        std::function<void()> tarea;
    };
    QHash<QObject*, Reloj*> relojes_;
};
