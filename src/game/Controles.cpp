#include "game/Controles.h"

#include "motor/Cartas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>

Etiqueta::Etiqueta(const QString& nombre, QWidget* parent) : QLabel(parent)
{
    setObjectName(nombre);
    setAccessibleDescription(nombre);
}

void Etiqueta::setCaption(const QString& text)
{
    const bool cambia = text != this->text();
    setText(text);
    // Every accessible change is an event to build, also with no reader.
    if (accessibleName() != text)
        setAccessibleName(text);
    if (autoVisible)
        setVisible(!text.isEmpty());
    if (cambia)
        emit captionCambiado(text);
}

Naipe::Naipe(const QString& nombre, QWidget* parent) : QLabel(parent)
{
    setObjectName(nombre);
    setAccessibleDescription(nombre);
}

void Naipe::setPicture(const QPixmap& pm, const QString& spokenName)
{
    pix_ = pm;
    if (accessibleName() != spokenName)
        setAccessibleName(spokenName);
    update();
}

void Naipe::clearPicture()
{
    if (pix_.isNull() && accessibleName().isEmpty())
        return;
    pix_ = QPixmap();
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
}

Rayas::Rayas(const QString& nombre, bool maquina, QWidget* parent) : QWidget(parent), maquina_(maquina)
{
    setObjectName(nombre);
    setAccessibleDescription(nombre);
    setAccessibleName(QStringLiteral("0 puntos"));
}

void Rayas::setVisible(int k, bool v)
{
    if (k < 0 || k >= 30 || visible_[k] == v)
        return;
    visible_[k] = v;
    setAccessibleName(QString::number(visibles()) + QStringLiteral(" puntos"));
    update();
}

int Rayas::visibles() const
{
    int n = 0;
    for (bool v : visible_)
        n += v;
    return n;
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
