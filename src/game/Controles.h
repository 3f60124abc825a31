#pragma once
// Small controls of the table: labels with a tag, clickable card pictures,
// speech labels that show themselves only while they hold text, the tally.
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

// Invisible data carrier of a card in hand: code in Caption, value in Tag;
// the card is still in hand while Visible.
struct Portador {
    QString Caption;
    QString Tag;
    bool Visible = false;
};

// A label with the Tag text the table keeps numbers in.
class Etiqueta : public QLabel {
    Q_OBJECT
public:
    explicit Etiqueta(const QString& nombre, QWidget* parent);
    QString Tag;
    // Sets the text and keeps the accessible name in step with it.
    void setCaption(const QString& text);
    QString caption() const { return nombre_ ? completo_ : text(); }
    // Speech and name labels show themselves only while they hold text.
    bool autoVisible = false;
    // A label of players' names (one a line): a name too long for the label
    // is shortened with "…" (a trailing " [PIE]" kept), the whole one in the
    // tooltip and for the screen reader; an empty one shows porDefecto.
    void comoNombre(const QString& porDefecto);

signals:
    // The text shown changed (what was said, a score, a played card).
    void captionCambiado(const QString& text);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void mostrarNombre();
    bool nombre_ = false;
    QString porDefecto_;
    QString completo_;
};

// A picture of a card (or face) that can be clicked and pressed by
// assistive technologies.
class Naipe : public QLabel {
    Q_OBJECT
public:
    Naipe(const QString& nombre, QWidget* parent);
    void setPicture(const QPixmap& pm, const QString& spokenName);
    void clearPicture();
    bool hasPicture() const { return !pix_.isNull(); }
    const QPixmap& picture() const { return pix_; }
    void press() { emit clicked(); }
    // A frame round the card: it won its trick.
    void resaltar(bool si);
    bool resaltada() const { return resaltada_; }
    // Veiled, as a card of a finished hand; a new picture lifts the veil.
    void atenuar(bool si);
    bool atenuada() const { return atenuada_; }

signals:
    void clicked();
    void pointed();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap pix_;
    bool resaltada_ = false;
    bool atenuada_ = false;
};

// A call button that underlines the letter of its key in its caption (the
// caption's text itself is left as it is: no '&' in it, no extra shortcut).
class BotonCanto : public QPushButton {
    Q_OBJECT
public:
    BotonCanto(const QString& caption, QChar tecla, QWidget* parent);
    void setTecla(QChar tecla);
    // Where the underlined letter is in the caption, -1 for none: the first
    // word that starts with it, else its first appearance.
    static int letraDeTecla(const QString& caption, QChar tecla);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QChar tecla_;
};

// Panel of 30 tally strokes of one side: six squares of five strokes.
class Rayas : public QWidget {
    Q_OBJECT
public:
    Rayas(const QString& nombre, bool maquina, QWidget* parent);
    int visibles() const;
    // The first total strokes shown, the rest hidden.
    void mostrar(int total);
    void ocultarTodas();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool maquina_;
    std::array<bool, 30> visible_{};
};

// Spanish name of a card for the screen reader: "4O" -> "4 de oros".
QString nombreDeCarta(const QString& code);

// A tooltip reads markup: a player's name that looks like markup is escaped,
// so that it shows as it was typed.
QString ayudaLlana(const QString& texto);

// Registers the accessible interface that gives card pictures a Press action.
void instalarAccesibilidad();
