#pragma once
#include <QLabel>

// A text that opens an address: underlined while the mouse is over it,
// pressed by a click or, with the focus, by Enter or Space.
class Vinculo : public QLabel {
    Q_OBJECT
public:
    Vinculo(const QString& nombre, const QString& texto, QWidget* parent);
    void setCaption(const QString& texto);
    QString caption() const { return text(); }
    bool subrayado() const { return font().underline(); }
    void setSubrayado(bool s);
    void press() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
};
