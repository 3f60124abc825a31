#include "shell/Vinculo.h"

#include "shell/Nombres.h"

#include <QKeyEvent>
#include <QMouseEvent>

Vinculo::Vinculo(const QString& nombre, const QString& texto, QWidget* parent) : QLabel(parent)
{
    nombrar(this, nombre, texto);
    setText(texto);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
}

void Vinculo::setCaption(const QString& texto)
{
    setText(texto);
    setAccessibleName(texto);
}

void Vinculo::setSubrayado(bool s)
{
    if (subrayado() == s)
        return;
    QFont f = font();
    f.setUnderline(s);
    setFont(f);
}

void Vinculo::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void Vinculo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space)
        emit clicked();
    else
        QLabel::keyPressEvent(e);
}

void Vinculo::enterEvent(QEnterEvent*) { setSubrayado(true); }

void Vinculo::leaveEvent(QEvent*) { setSubrayado(false); }
