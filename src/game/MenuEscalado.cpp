#include "game/MenuEscalado.h"

#include "game/MesaEscalable.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

MenuEscalado::MenuEscalado(QMainWindow* ventana)
    : QObject(ventana), ventana_(ventana), base_(ventana->menuBar()->font()),
      altoBase_(ventana->menuBar()->sizeHint().height())
{
    ventana->installEventFilter(this);
}

bool MenuEscalado::eventFilter(QObject* o, QEvent* e)
{
    if (o == ventana_ && e->type() == QEvent::Resize)
        aplicar();
    return false;
}

// The scale comes from the window, menu included, and not from the table
// below it: the table shrinks as the menu grows, and reading its scale back
// would make the two chase each other.
void MenuEscalado::aplicar()
{
    const QSize logico = MesaEscalable::kLogico;
    const double s = std::max(1.0, std::min(double(ventana_->width()) / logico.width(),
                                            double(ventana_->height()) / (logico.height() + altoBase_)));
    if (std::abs(s - escala_) < 0.01)
        return;
    escala_ = s;
    QFont f = base_;
    if (base_.pointSizeF() > 0)
        f.setPointSizeF(base_.pointSizeF() * s);
    else
        f.setPixelSize(std::max(1, int(std::lround(base_.pixelSize() * s))));
    QMenuBar* barra = ventana_->menuBar();
    barra->setFont(f);
    // The menus are windows of their own, which take no font from the bar.
    for (QMenu* m : barra->findChildren<QMenu*>())
        m->setFont(f);
}
