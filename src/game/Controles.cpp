#include "game/Controles.h"

#include "motor/Cartas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTextDocument>

Etiqueta::Etiqueta(const QString& nombre, QWidget* parent) : QLabel(parent)
{
    setObjectName(nombre);
    setAccessibleDescription(nombre);
    // Names and chat lines come from other players: shown as typed, never as markup.
    setTextFormat(Qt::PlainText);
}

void Etiqueta::setCaption(const QString& text)
{
    const bool cambia = text != caption();
    if (nombre_) {
        // Shortening a name lays its text out: only for a new one (a new
        // size or font does it on its own).
        if (cambia) {
            completo_ = text;
            mostrarNombre();
        }
    } else if (text.isEmpty()) {
        setText(text);
        // Every accessible change is an event to build, also with no reader.
        if (accessibleName() != text)
            setAccessibleName(text);
    } else {
        // Named first: QLabel tells a new text only while the label has no
        // name, and one event is enough.
        if (accessibleName() != text)
            setAccessibleName(text);
        setText(text);
    }
    if (autoVisible)
        setVisible(!text.isEmpty());
    if (cambia)
        emit captionCambiado(text);
}

void Etiqueta::comoNombre(const QString& porDefecto)
{
    completo_ = text();
    nombre_ = true;
    porDefecto_ = porDefecto;
    setWordWrap(false);
    mostrarNombre();
}

void Etiqueta::mostrarNombre()
{
    QStringList lineas = completo_.split(QLatin1Char('\n'));
    const QFontMetrics fm(font());
    const int ancho = contentsRect().width() - 2 * margin() - 4;
    QStringList vistas;
    for (QString& l : lineas) {
        if (l.isEmpty())
            l = porDefecto_;
        QString sufijo;
        if (l.endsWith(QLatin1String(" [PIE]"))) {
            sufijo = QStringLiteral(" [PIE]");
            l.chop(sufijo.size());
        }
        if (l.isEmpty())
            l = porDefecto_;
        vistas << fm.elidedText(l, Qt::ElideRight, ancho - fm.horizontalAdvance(sufijo)) + sufijo;
        l += sufijo;
    }
    const QString entero = lineas.join(QLatin1Char('\n'));
    setText(vistas.join(QLatin1Char('\n')));
    setAccessibleName(entero);
    setToolTip(ayudaLlana(entero));
}

void Etiqueta::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    if (nombre_)
        mostrarNombre();
}

void Etiqueta::changeEvent(QEvent* e)
{
    QLabel::changeEvent(e);
    if (nombre_ && e->type() == QEvent::FontChange)
        mostrarNombre();
}

Naipe::Naipe(const QString& nombre, QWidget* parent) : QLabel(parent)
{
    setObjectName(nombre);
    setAccessibleDescription(nombre);
}

void Naipe::setPicture(const QPixmap& pm, const QString& spokenName)
{
    pix_ = pm;
    atenuada_ = false;
    if (accessibleName() != spokenName)
        setAccessibleName(spokenName);
    update();
}

void Naipe::clearPicture()
{
    if (pix_.isNull() && !atenuada_ && accessibleName().isEmpty())
        return;
    pix_ = QPixmap();
    atenuada_ = false;
    setAccessibleName(QString());
    update();
}

void Naipe::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void Naipe::enterEvent(QEnterEvent*) { emit pointed(); }

void Naipe::paintEvent(QPaintEvent*)
{
    if (pix_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), pix_);
    if (atenuada_)
        p.fillRect(rect(), QColor(40, 40, 40, 120));
    if (resaltada_) {
        // Gold inside a dark line: seen on the card and on any cloth.
        const int g = qMax(3, width() / 20);
        p.setPen(QPen(QColor(0x30, 0x20, 0x00), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(QPen(QColor(0xff, 0xc4, 0x00), g));
        p.drawRect(QRectF(rect()).adjusted(g / 2.0 + 1, g / 2.0 + 1, -g / 2.0 - 1, -g / 2.0 - 1));
    }
}

void Naipe::atenuar(bool si)
{
    if (atenuada_ == si)
        return;
    atenuada_ = si;
    update();
}

void Naipe::resaltar(bool si)
{
    if (resaltada_ == si)
        return;
    resaltada_ = si;
    update();
}

BotonCanto::BotonCanto(const QString& caption, QChar tecla, QWidget* parent)
    : QPushButton(caption, parent), tecla_(tecla)
{
}

void BotonCanto::setTecla(QChar tecla)
{
    tecla_ = tecla;
    update();
}

int BotonCanto::letraDeTecla(const QString& caption, QChar tecla)
{
    if (tecla.isNull())
        return -1;
    for (int i = 0; i < caption.size(); ++i)
        if ((i == 0 || caption[i - 1] == QLatin1Char(' ')) && caption[i].toLower() == tecla.toLower())
            return i;
    return caption.indexOf(tecla, 0, Qt::CaseInsensitive);
}

void BotonCanto::paintEvent(QPaintEvent* e)
{
    QPushButton::paintEvent(e);
    const QString t = text();
    const int i = letraDeTecla(t, tecla_);
    if (i < 0)
        return;
    // The style centres the caption in the button's contents.
    QStyleOptionButton o;
    initStyleOption(&o);
    const QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &o, this);
    const QFontMetrics fm(font());
    const int x = r.center().x() + 1 - fm.horizontalAdvance(t) / 2 + fm.horizontalAdvance(t.left(i));
    const int base = r.top() + (r.height() - fm.height() + 1) / 2 + fm.ascent();
    const int y = base + qMax(1, fm.underlinePos());
    QPainter p(this);
    const int grueso = qMax(1, fm.lineWidth());
    p.fillRect(QRect(x, y, fm.horizontalAdvance(t.mid(i, 1)), grueso),
               palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
}

Rayas::Rayas(const QString& nombre, bool maquina, QWidget* parent) : QWidget(parent), maquina_(maquina)
{
    setObjectName(nombre);
    setAccessibleDescription(nombre);
    setAccessibleName(QStringLiteral("0 puntos"));
}

int Rayas::visibles() const
{
    int n = 0;
    for (bool v : visible_)
        n += v;
    return n;
}

void Rayas::mostrar(int total)
{
    bool cambia = false;
    for (int k = 0; k < 30; ++k) {
        cambia = cambia || visible_[k] != (k < total);
        visible_[k] = k < total;
    }
    if (!cambia)
        return;
    // Named once for the new total, not once a stroke.
    setAccessibleName(QString::number(visibles()) + QStringLiteral(" puntos"));
    update();
}

void Rayas::ocultarTodas()
{
    visible_.fill(false);
    setAccessibleName(QStringLiteral("0 puntos"));
    update();
}

void Rayas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The strokes are laid out on a panel 340 high; a larger table scales them.
    const double s = height() / 340.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(0, 0, 255), 3, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 30; ++k) {
        if (!visible_[k])
            continue;
        const auto t = reglas::trazo(k, maquina_);
        p.drawLine(t.x1, t.y1, t.x2, t.y2);
    }
}

QString ayudaLlana(const QString& texto)
{
    return Qt::mightBeRichText(texto) ? Qt::convertFromPlainText(texto) : texto;
}

QString nombreDeCarta(const QString& code)
{
    if (code.size() < 2)
        return code;
    // Said for every card shown: forty names, made once.
    static auto* nombres = new QHash<QString, QString>;
    if (const auto it = nombres->constFind(code); it != nombres->cend())
        return *it;
    const QChar s = code.back();
    const QString n = code.left(code.size() - 1);
    QString palo = s == QLatin1Char('O') ? QStringLiteral("oros")
                 : s == QLatin1Char('C') ? QStringLiteral("copas")
                 : s == QLatin1Char('E') ? QStringLiteral("espadas")
                                         : QStringLiteral("bastos");
    return *nombres->insert(code, n + QStringLiteral(" de ") + palo);
}

namespace {

// Card pictures are buttons for assistive technologies: role Button and a
// Press action that clicks them.
class NaipeAccesible : public QAccessibleWidget {
public:
    explicit NaipeAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        // Played once the call has returned: the machine may then wait for
        // the human, and the assistive technology must not wait with it.
        if (name == pressAction())
            if (auto* n = qobject_cast<Naipe*>(widget()); n && n->isEnabled())
                QMetaObject::invokeMethod(n, &Naipe::press, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* fabrica(const QString& cls, QObject* obj)
{
    if (cls == QLatin1String("Naipe") && obj && obj->isWidgetType())
        return new NaipeAccesible(static_cast<QWidget*>(obj));
    return nullptr;
}

}  // namespace

void instalarAccesibilidad()
{
    static bool hecho = false;
    if (!hecho) {
        QAccessible::installFactory(fabrica);
        hecho = true;
    }
}
