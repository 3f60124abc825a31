#pragma once
// The menu bar and its menus grow with the table, so a maximised table keeps
// a menu in proportion instead of a strip of small print along its top.
#include <QFont>
#include <QObject>

class QMainWindow;

class MenuEscalado : public QObject {
public:
    // Watches ventana's size; the menus are those of its menu bar at the time.
    explicit MenuEscalado(QMainWindow* ventana);

    // The scale the menus have now (1 at the table's smallest size).
    double escala() const { return escala_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void aplicar();

    QMainWindow* ventana_;
    QFont base_;
    int altoBase_;
    double escala_ = 1.0;
};
