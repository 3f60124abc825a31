#include "platform/Ventanas.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QIcon iconoDelJuego()
{
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128, 256})
        icono.addFile(QStringLiteral(":/icono/%1x%1/apps/truco.png").arg(lado), QSize(lado, lado));
    return icono;
}

void centrarSobre(QWidget& ventana, const QWidget& sobre)
{
    const QWidget* padre = sobre.window();
    const QRect marco = ventana.frameGeometry();
    QRect r(QPoint(0, 0), marco.size());
    r.moveCenter(padre->frameGeometry().center());
    if (const QScreen* pantalla = padre->screen()) {
        const QRect libre = pantalla->availableGeometry();
        r.moveRight(qMin(r.right(), libre.right()));
        r.moveBottom(qMin(r.bottom(), libre.bottom()));
        r.moveLeft(qMax(r.left(), libre.left()));
        r.moveTop(qMax(r.top(), libre.top()));
    }
    ventana.move(r.topLeft());
}

void centrarEnPantalla(QWidget& ventana)
{
    const QScreen* pantalla = ventana.screen();
    if (!pantalla)
        return;
    QRect r(QPoint(0, 0), ventana.frameGeometry().size());
    r.moveCenter(pantalla->availableGeometry().center());
    ventana.move(r.topLeft());
}

namespace {

class CentrarAlMostrar : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Before the window reaches the screen, so it never flashes elsewhere.
        if (e->type() == QEvent::Show) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow() && w->parentWidget() && !e->spontaneous())
                centrarSobre(*w, *w->parentWidget());
        }
        return false;
    }
};

}  // namespace

void centrarAlMostrar(QWidget& ventana) { ventana.installEventFilter(new CentrarAlMostrar(&ventana)); }
