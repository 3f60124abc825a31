#include "game/MesaEscalable.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

MesaEscalable::MesaEscalable(Pintor pintar, QWidget* parent) : QWidget(parent), pintar_(std::move(pintar))
{
    setMinimumSize(kLogico);
}

void MesaEscalable::colocar(QWidget* w, const QRect& logico)
{
    for (Item& it : items_) {
        if (it.w == w) {
            it.logico = logico;
            w->setGeometry(enPantalla(logico));
            return;
        }
    }
    const QFont f = w->font();
    const bool enPuntos = f.pixelSize() <= 0;
    items_.push_back({w, logico, enPuntos ? f.pointSizeF() : qreal(f.pixelSize()), enPuntos});
    const Item& it = items_.back();
    w->setGeometry(enPantalla(it.logico));
}

void MesaEscalable::letra(QWidget* w, int pixeles)
{
    for (Item& it : items_) {
        if (it.w == w) {
            it.pixeles = pixeles;
            it.enPuntos = false;
            QFont f = w->font();
            f.setPixelSize(std::max(1, int(std::lround(pixeles * escala_))));
            w->setFont(f);
            return;
        }
    }
}

QRect MesaEscalable::enPantalla(const QRectF& l) const
{
    // Edges are rounded, not sizes, so neighbours keep touching.
    const auto x = [this](qreal v) { return int(std::lround(origen_.x() + v * escala_)); };
    const auto y = [this](qreal v) { return int(std::lround(origen_.y() + v * escala_)); };
    return QRect(QPoint(x(l.left()), y(l.top())), QPoint(x(l.left() + l.width()) - 1, y(l.top() + l.height()) - 1));
}

QRect MesaEscalable::logicoDe(const QWidget* w) const
{
    for (const Item& it : items_)
        if (it.w == w)
            return it.logico;
    return {};
}

qreal MesaEscalable::letraDe(const QWidget* w) const
{
    for (const Item& it : items_)
        if (it.w == w)
            return it.enPuntos ? 0 : it.pixeles;
    return 0;
}

void MesaEscalable::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    aplicar();
}

void MesaEscalable::aplicar()
{
    escala_ = std::max(1.0, std::min(double(width()) / kLogico.width(), double(height()) / kLogico.height()));
    origen_ = QPointF((width() - kLogico.width() * escala_) / 2, (height() - kLogico.height() * escala_) / 2);
    for (const Item& it : items_) {
        if (!it.w)
            continue;
        QFont f = it.w->font();
        if (it.enPuntos)
            f.setPointSizeF(it.pixeles * escala_);
        else
            f.setPixelSize(std::max(1, int(std::lround(it.pixeles * escala_))));
        it.w->setFont(f);
        it.w->setGeometry(enPantalla(it.logico));
    }
    update();
}

void MesaEscalable::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(origen_);
    p.scale(escala_, escala_);
    pintar_(p, QRectF(-origen_.x() / escala_, -origen_.y() / escala_, width() / escala_, height() / escala_));
}
