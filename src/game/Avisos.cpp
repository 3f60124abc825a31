#include "game/Avisos.h"

#include "game/Controles.h"
#include "game/MesaEscalable.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <memory>

Avisos::~Avisos()
{
    for (Reloj* r : std::as_const(relojes_))
        delete r;
}

Avisos::Avisos(MesaEscalable& mesa) : QObject(&mesa)
{
    // Beside each score's number, which is centred in its cell.
    const QRect lugares[2] = {QRect(500, 27, 32, 22), QRect(616, 27, 32, 22)};
    for (int lado = 0; lado < 2; ++lado) {
        auto* l = new QLabel(&mesa);
        l->setObjectName(QStringLiteral("mas%1").arg(lado));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral(
            "color: #0b5e1a; background: #eaf7e6; border: 1px solid #0b5e1a; border-radius: 4px;"));
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        mesa.colocar(l, lugares[lado]);
        mesa.letra(l, 13);
        l->hide();
        mas[lado] = l;
    }
}

void Avisos::despues(QObject* que, std::function<void()> f)
{
    // One timer for each thing shown, started again by a newer news of it:
    // pending timers never pile up, however fast the table plays. The timer
    // is wired once; a newer news only changes what it will do.
    Reloj*& r = relojes_[que];
    if (!r) {
        r = new Reloj{new QTimer(this), {}};
        r->timer->setSingleShot(true);
        connect(r->timer, &QTimer::timeout, this, [r] {
            if (r->tarea)
                r->tarea();
        });
        connect(que, &QObject::destroyed, this, [this, que] {
            Reloj* muerto = relojes_.take(que);
            delete muerto->timer;
            delete muerto;
        });
    }
    r->tarea = std::move(f);
    r->timer->start(duracionMs);
}

void Avisos::puntos(int lado, int antes, int ahora, const QString& quien)
{
    if (lado < 0 || lado > 1 || ahora <= antes)
        return;
    QLabel* l = mas[lado];
    const QString texto = QStringLiteral("+%1").arg(ahora - antes);
    l->setText(texto);
    l->setAccessibleName(quien.isEmpty() ? texto : texto + QLatin1Char(' ') + quien);
    l->raise();
    l->show();
    // A screen reader hears the badge as it appears.
    QAccessibleEvent cambio(l, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&cambio);
    // A later score keeps its own badge for its own time.
    despues(l, [l] { l->hide(); });
}

void Avisos::vigilarBaza(const std::vector<Etiqueta*>& textos, std::function<std::vector<Lugar>()> lugares)
{
    // Whether this trick has a card framed: a text cleared with none framed
    // (every deal clears them all) has nothing to undo.
    auto marcada = std::make_shared<bool>(false);
    auto revisar = [this, lugares, marcada](const QString& texto) {
        if (texto.isEmpty() && !*marcada)
            return;
        const std::vector<Lugar> en = lugares();
        bool completa = !en.empty();
        for (const Lugar& l : en) {
            l.carta->resaltar(false);
            completa = completa && !l.texto->caption().isEmpty();
        }
        *marcada = false;
        // Most changes start or clear a trick: nothing to weigh then.
        if (!completa)
            return;
        std::vector<int> fuerza(en.size());
        int mejor = -1;
        for (std::size_t i = 0; i < en.size(); ++i) {
            fuerza[i] = en[i].texto->Tag.toInt();
            mejor = std::max(mejor, fuerza[i]);
        }
        std::vector<Naipe*> ganadoras;
        bool lados[2] = {false, false};
        for (std::size_t i = 0; i < en.size(); ++i)
            if (fuerza[i] == mejor) {
                ganadoras.push_back(en[i].carta);
                lados[i % 2] = true;
            }
        if (lados[0] && lados[1])
            return;
        *marcada = true;
        for (Naipe* n : ganadoras) {
            n->resaltar(true);
            despues(n, [n] { n->resaltar(false); });
        }
    };
    for (Etiqueta* t : textos)
        connect(t, &Etiqueta::captionCambiado, this, revisar);
}
