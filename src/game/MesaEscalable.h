#pragma once
// The table area. Every control is placed in the table's logical coordinates
// (the table at scale 1, which is also its smallest size); the whole table
// scales uniformly with the window, keeping its aspect, and the background
// fills the margins.
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

class MesaEscalable : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kLogico{660, 512};

    // pintar draws the table in logical coordinates; the painter already
    // holds the scale. area is the logical rectangle the widget shows.
    using Pintor = std::function<void(QPainter&, const QRectF& area)>;
    MesaEscalable(Pintor pintar, QWidget* parent);

    // Places w at its logical geometry; its font scales with the table.
    // Placing a control again moves it.
    void colocar(QWidget* w, const QRect& logico);
    // Font size of a placed control at scale 1, in pixels.
    void letra(QWidget* w, int pixeles);
    double escala() const { return escala_; }
    QPointF origen() const { return origen_; }
    // Where a logical rectangle lies on the widget now.
    QRect enPantalla(const QRectF& logico) const;
    QRect logicoDe(const QWidget* w) const;
    // Font size of a placed control at scale 1 (pixels), 0 when not placed.
    qreal letraDe(const QWidget* w) const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    struct Item {
        QPointer<QWidget> w;
        QRect logico;
        qreal pixeles;  // font size at scale 1, in pixels or points
        bool enPuntos;
    };
    void aplicar();

    Pintor pintar_;
    std::vector<Item> items_;
    double escala_ = 1.0;
    QPointF origen_;
};
