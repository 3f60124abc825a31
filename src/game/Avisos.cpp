#include "game/Avisos.h"

#include "game/Controles.h"
#include "game/MesaEscalable.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTimer>

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

void Avisos::despues(std::function<void()> f) { QTimer::singleShot(duracionMs, this, std::move(f)); }

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
    const QPointer<QLabel> vivo(l);
    const QString mostrado = texto;
    despues([vivo, mostrado] {
        // A later score keeps its own badge for its own time.
        if (vivo && vivo->text() == mostrado)
            vivo->hide();
    });
}

void Avisos::vigilarBaza(Naipe* suya, Etiqueta* textoSuyo, Naipe* mia, Etiqueta* textoMio)
{
    auto revisar = [=, this] {
        suya->resaltar(false);
        mia->resaltar(false);
        if (textoSuyo->caption().isEmpty() || textoMio->caption().isEmpty())
            return;
        const int a = textoSuyo->Tag.toInt(), b = textoMio->Tag.toInt();
        if (a == b)
            return;
        Naipe* ganadora = a > b ? suya : mia;
        ganadora->resaltar(true);
        const QPointer<Naipe> vivo(ganadora);
        despues([vivo] {
            if (vivo)
                vivo->resaltar(false);
        });
    };
    connect(textoSuyo, &Etiqueta::captionCambiado, this, revisar);
    connect(textoMio, &Etiqueta::captionCambiado, this, revisar);
}
