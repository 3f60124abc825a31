#include "platform/Ventanas.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
#include <QWidget>

namespace {

// Dark blue: 5:1 against a light button face, 3:1 and more against the
// table's baize around a card.
const QColor kFoco(0x1f, 0x5f, 0xd6);

// The platform style, with a focus frame two pixels wide where it draws a
// faint one.
class EstiloFoco : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
    {
        QProxyStyle::drawControl(e, o, p, w);
        if (e == CE_PushButton && (o->state & State_HasFocus))
            marco(p, o->rect.adjusted(2, 2, -2, -2));
    }

    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
    {
        if (e == PE_FrameFocusRect) {
            marco(p, o->rect);
            return;
        }
        QProxyStyle::drawPrimitive(e, o, p, w);
    }

private:
    static void marco(QPainter* p, const QRect& r)
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setBrush(Qt::NoBrush);
        p->setPen(QPen(kFoco, 2));
        p->drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        p->restore();
    }
};

}  // namespace

void aplicarAspecto()
{
    QApplication::setWindowIcon(iconoDelJuego());
    if (!dynamic_cast<EstiloFoco*>(QApplication::style()))
        QApplication::setStyle(new EstiloFoco(QApplication::style()->name()));
    // Greyed-out text: still grey, but readable on a button's face and on a
    // window's light background.
    // The platform's theme may keep palettes of its own for some classes.
    for (const char* clase : {static_cast<const char*>(nullptr), "QAbstractButton", "QPushButton", "QRadioButton",
                              "QCheckBox", "QLabel", "QLineEdit", "QComboBox"}) {
        QPalette pal = clase ? QApplication::palette(clase) : QApplication::palette();
        for (QPalette::ColorRole rol : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
            pal.setColor(QPalette::Disabled, rol, QColor(0x5f, 0x5f, 0x5f));
        QApplication::setPalette(pal, clase);
    }
    // Windows made before (the one being built among them) take it too.
    for (QWidget* w : QApplication::allWidgets()) {
        QEvent cambio(QEvent::ApplicationPaletteChange);
        QApplication::sendEvent(w, &cambio);
    }
}

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
