#include "shell/f2.h"

#include "platform/Settings.h"
#include "shell/Nombres.h"
#include "shell/rules/Caras.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace {

QLabel* dibujo(QWidget* parent, const QString& control, const QString& oido, const QPixmap& pm)
{
    auto* l = new QLabel(parent);
    l->setPixmap(pm);
    l->setFixedSize(pm.size());
    nombrar(l, control, oido);
    return l;
}

// Small emblems drawn here, so the window needs no picture files of its own.
QPixmap banderaEspana()
{
    QPixmap pm(36, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath borde;
    borde.addRoundedRect(QRectF(0.5, 0.5, 35, 23), 3, 3);
    p.setClipPath(borde);
    p.fillRect(0, 0, 36, 24, QColor(198, 11, 30));
    p.fillRect(0, 6, 36, 12, QColor(255, 196, 0));
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawPath(borde);
    return pm;
}

QPixmap banderaRioPlata()
{
    QPixmap pm(36, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath borde;
    borde.addRoundedRect(QRectF(0.5, 0.5, 35, 23), 3, 3);
    p.setClipPath(borde);
    const QColor celeste(116, 172, 223);
    p.fillRect(0, 0, 36, 24, celeste);
    p.fillRect(0, 8, 36, 8, Qt::white);
    // The sun: a golden disc with short rays.
    const QPointF c(18, 12);
    p.setPen(QPen(QColor(246, 180, 14), 1.2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        p.drawLine(c + QPointF(std::cos(a) * 3.0, std::sin(a) * 3.0),
                   c + QPointF(std::cos(a) * 5.0, std::sin(a) * 5.0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 180, 14));
    p.drawEllipse(c, 2.6, 2.6);
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(borde);
    return pm;
}

QPixmap flor(bool tachada)
{
    QPixmap pm(40, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Stem and a leaf.
    p.setPen(QPen(QColor(46, 125, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(20, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(76, 160, 80));
    QPainterPath hoja;
    hoja.moveTo(20, 31);
    hoja.quadTo(27, 24, 31, 28);
    hoja.quadTo(27, 33, 20, 31);
    p.drawPath(hoja);
    // Petals around a golden centre.
    const QPointF c(20, 15);
    p.setPen(QPen(QColor(150, 30, 70), 0.8));
    p.setBrush(QColor(233, 84, 132));
    for (int i = 0; i < 5; ++i) {
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        p.drawEllipse(c + QPointF(std::cos(a) * 7, std::sin(a) * 7), 5.2, 5.2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(c, 4, 4);
    if (tachada) {
        p.setPen(QPen(QColor(200, 20, 20), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(35, 35));
        p.drawLine(QPointF(35, 5), QPointF(5, 35));
    }
    return pm;
}

QPushButton* boton(QWidget* parent, const QString& control, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    nombrar(b, control, sinMnemonico(caption));
    return b;
}

QRadioButton* opcion(QWidget* parent, const QString& control, const QString& caption)
{
    auto* r = new QRadioButton(caption, parent);
    nombrar(r, control, sinMnemonico(caption));
    return r;
}

QGroupBox* marco(QWidget* parent, const QString& control, const QString& caption)
{
    auto* g = new QGroupBox(caption, parent);
    nombrar(g, control, sinMnemonico(caption));
    return g;
}

}  // namespace

f2::f2(Services& s, QWidget* parent) : QDialog(parent), s_(s)
{
    setWindowTitle(QStringLiteral("Opciones del juego"));
    nombrar(this, QStringLiteral("f2"), windowTitle());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    for (int i = 0; i < cantidadCaras; ++i)
        Cara[i] = QPixmap(QStringLiteral(":/caras/cara%1.png").arg(i, 2, 10, QLatin1Char('0')));

    // Version.
    FraVersion = marco(this, QStringLiteral("FraVersion"), QStringLiteral("&Versión"));
    OptEsp = opcion(FraVersion, QStringLiteral("OptEsp"), QStringLiteral("&Española"));
    OptEsp->setToolTip(QStringLiteral("22 Cartas, Valencia"));
    OptArg = opcion(FraVersion, QStringLiteral("OptArg"), QStringLiteral("&Sudaméricana"));
    OptArg->setToolTip(QStringLiteral("40 Cartas, Argentina, Uruguay"));
    Image5 = dibujo(FraVersion, QStringLiteral("Image5"), QStringLiteral("Bandera de España"),
                    banderaEspana());
    Image6 = dibujo(FraVersion, QStringLiteral("Image6"),
                    QStringLiteral("Bandera del Río de la Plata"), banderaRioPlata());
    grupoVersion_ = new QButtonGroup(this);
    grupoVersion_->addButton(OptEsp, 2);
    grupoVersion_->addButton(OptArg, 1);
    OptArg->setChecked(true);
    {
        auto* g = new QGridLayout(FraVersion);
        g->setHorizontalSpacing(10);
        g->addWidget(OptEsp, 0, 0);
        g->addWidget(Image5, 0, 1, Qt::AlignRight);
        g->addWidget(OptArg, 1, 0);
        g->addWidget(Image6, 1, 1, Qt::AlignRight);
    }

    // Flor.
    FraFlor = marco(this, QStringLiteral("FraFlor"), QStringLiteral("¿Con &flor?"));
    Option3 = opcion(FraFlor, QStringLiteral("Option3"), QStringLiteral("S&i"));
    Option4 = opcion(FraFlor, QStringLiteral("Option4"), QStringLiteral("N&o"));
    // Both pictures share one place of a fixed size, outside the layout:
    // swapping them lays nothing out again.
    auto* lugarFlor = new QWidget(FraFlor);
    Image1 = dibujo(lugarFlor, QStringLiteral("Image1"), QStringLiteral("Con flor"), flor(false));
    Image4 = dibujo(lugarFlor, QStringLiteral("Image4"), QStringLiteral("Sin flor"), flor(true));
    lugarFlor->setFixedSize(Image1->size().expandedTo(Image4->size()));
    for (QLabel* l : {Image1, Image4})
        l->move((lugarFlor->width() - l->width()) / 2, (lugarFlor->height() - l->height()) / 2);
    grupoFlor_ = new QButtonGroup(this);
    grupoFlor_->addButton(Option3);
    grupoFlor_->addButton(Option4);
    Option3->setChecked(true);
    {
        auto* g = new QGridLayout(FraFlor);
        g->addWidget(Option3, 0, 0);
        g->addWidget(Option4, 1, 0);
        // The chosen picture is shown.
        g->addWidget(lugarFlor, 0, 1, 2, 1, Qt::AlignCenter);
        g->setColumnStretch(0, 1);
    }

    // Name.
    FraNombre = marco(this, QStringLiteral("FraNombre"), QStringLiteral("¿Cuál es tu &nombre?"));
    Nombre = new QLineEdit(FraNombre);
    nombrar(Nombre, QStringLiteral("Nombre"), QStringLiteral("¿Cuál es tu nombre?"));
    Nombre->setMaxLength(40);
    {
        auto* v = new QVBoxLayout(FraNombre);
        v->addWidget(Nombre);
    }

    // Who starts, and the computer's face.
    FraEmpieza = marco(this, QStringLiteral("FraEmpieza"), QStringLiteral("¿&Quién empieza?"));
    Option1 = opcion(FraEmpieza, QStringLiteral("Option1"), QStringLiteral("Co&mputadora"));
    Option2 = opcion(FraEmpieza, QStringLiteral("Option2"), QStringLiteral("&Humano"));
    // Exclusive once chosen, but nobody is chosen until the player says so.
    grupoEmpieza_ = new QButtonGroup(this);
    grupoEmpieza_->setExclusive(true);
    grupoEmpieza_->addButton(Option1);
    grupoEmpieza_->addButton(Option2);
    Image3 = new QLabel(FraEmpieza);
    Image3->setFixedSize(64, 64);
    Image3->setScaledContents(true);
    Image3->setFrameShape(QFrame::StyledPanel);
    nombrar(Image3, QStringLiteral("Image3"), QStringLiteral("Cara 1"));
    Command3 = boton(FraEmpieza, QStringLiteral("Command3"), QStringLiteral("<"));
    Command2 = boton(FraEmpieza, QStringLiteral("Command2"), QStringLiteral(">"));
    for (QPushButton* b : {Command3, Command2}) {
        b->setToolTip(QStringLiteral("Cambiar cara"));
        b->setFixedSize(28, 28);
        b->setAutoDefault(false);
    }
    {
        auto* h = new QHBoxLayout(FraEmpieza);
        auto* v = new QVBoxLayout;
        v->addStretch();
        v->addWidget(Option1);
        v->addWidget(Option2);
        v->addStretch();
        h->addLayout(v, 1);
        h->addWidget(Command3, 0, Qt::AlignVCenter);
        h->addWidget(Image3, 0, Qt::AlignVCenter);
        h->addWidget(Command2, 0, Qt::AlignVCenter);
    }

    // The computer's level.
    FraNivel = marco(this, QStringLiteral("FraNivel"), QStringLiteral("Nive&l"));
    OptNivel[0] = opcion(FraNivel, QStringLiteral("OptNivel(0)"), QStringLiteral("No&rmal"));
    OptNivel[0]->setToolTip(QStringLiteral("La computadora juega por costumbre"));
    OptNivel[1] = opcion(FraNivel, QStringLiteral("OptNivel(1)"), QStringLiteral("&Difícil"));
    OptNivel[1]->setToolTip(QStringLiteral("La computadora piensa cada jugada"));
    grupoNivel_ = new QButtonGroup(this);
    {
        auto* h = new QHBoxLayout(FraNivel);
        for (int i = 0; i < 2; ++i) {
            grupoNivel_->addButton(OptNivel[i], i);
            h->addWidget(OptNivel[i]);
        }
        h->addStretch();
    }
    const int nivel = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("Nivel"), 0);
    OptNivel[nivel == 1 ? 1 : 0]->setChecked(true);

    // Two players, or four in pairs: the player and a computer partner
    // against two computers.
    FraJugadores = marco(this, QStringLiteral("FraJugadores"), QStringLiteral("&Jugadores"));
    OptJugadores[0] = opcion(FraJugadores, QStringLiteral("OptJugadores(0)"), QStringLiteral("&2"));
    OptJugadores[0]->setToolTip(QStringLiteral("Vos contra la computadora"));
    OptJugadores[1] = opcion(FraJugadores, QStringLiteral("OptJugadores(1)"), QStringLiteral("&4 (en parejas)"));
    OptJugadores[1]->setToolTip(QStringLiteral("Vos y la computadora contra dos computadoras"));
    grupoJugadores_ = new QButtonGroup(this);
    {
        auto* h = new QHBoxLayout(FraJugadores);
        for (int i = 0; i < 2; ++i) {
            grupoJugadores_->addButton(OptJugadores[i], i);
            h->addWidget(OptJugadores[i]);
        }
        h->addStretch();
    }
    const int jugadores = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("Jugadores"), 2);
    OptJugadores[jugadores == 4 ? 1 : 0]->setChecked(true);
    connect(OptJugadores[1], &QRadioButton::toggled, this, [this] { mostrarNivel(); });
    mostrarNivel();

    Command1 = boton(this, QStringLiteral("Command1"), QStringLiteral("&Comenzar a jugar"));
    Command1->setDefault(true);
    Command1->setMinimumWidth(150);

    auto* main = new QGridLayout(this);
    main->setContentsMargins(14, 12, 14, 12);
    // Sized to what it holds: stretched or maximised it would only show
    // empty space.
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->setHorizontalSpacing(12);
    main->setVerticalSpacing(10);
    main->addWidget(FraVersion, 0, 0);
    main->addWidget(FraFlor, 0, 1);
    main->addWidget(FraNombre, 1, 0, 1, 2);
    main->addWidget(FraEmpieza, 2, 0, 1, 2);
    main->addWidget(FraNivel, 3, 0);
    main->addWidget(FraJugadores, 3, 1);
    // Every frame at the height of what it holds; spare height (the level
    // hidden, a taller window) waits above the button.
    main->setRowStretch(4, 1);
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(Command1);
    main->addLayout(pie, 5, 0, 1, 2);
    main->setColumnStretch(0, 3);
    main->setColumnStretch(1, 2);

    setTabOrder(OptEsp, OptArg);
    setTabOrder(OptArg, Nombre);
    setTabOrder(Nombre, Option3);
    setTabOrder(Option3, Option4);
    setTabOrder(Option4, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command3);
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, OptNivel[0]);
    setTabOrder(OptNivel[0], OptNivel[1]);
    setTabOrder(OptNivel[1], OptJugadores[0]);
    setTabOrder(OptJugadores[0], OptJugadores[1]);
    setTabOrder(OptJugadores[1], Command1);

    connect(OptEsp, &QRadioButton::toggled, this, [this](bool on) {
        // The Spanish game is usually played without flor.
        if (on)
            Option4->setChecked(true);
    });
    connect(Option3, &QRadioButton::toggled, this, [this] { mostrarFlor(); });
    connect(Option4, &QRadioButton::toggled, this, [this] { mostrarFlor(); });
    connect(Command1, &QPushButton::clicked, this, &f2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &f2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &f2::Command3_Click);

    ponerCara(0);
    mostrarFlor();

    const int pais = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("Version"),
                                        QStringLiteral("Pais"), 1);
    VarianteJuego = pais == 1 ? 1 : 2;
    if (VarianteJuego != 1)
        OptEsp->setChecked(true);
    else
        OptArg->setChecked(true);

    resize(420, sizeHint().height());
}

void f2::mostrarFlor()
{
    const bool con = Option3->isChecked();
    Image1->setVisible(con);
    Image4->setVisible(!con);
    (con ? Image1 : Image4)->raise();
}

// The computers in pairs play only at "Normal": the level is not offered then.
void f2::mostrarNivel()
{
    FraNivel->setEnabled(!OptJugadores[1]->isChecked());
    FraNivel->setToolTip(OptJugadores[1]->isChecked() ? QStringLiteral("En parejas la computadora juega en Normal")
                                                      : QString());
}

void f2::ponerCara(int cara)
{
    if (cara < 0 || cara >= cantidadCaras)
        cara = 0;
    Image3->setProperty("tag", QString::number(cara));
    Image3->setPixmap(Cara[cara]);
    Image3->setAccessibleName(QStringLiteral("Cara %1").arg(cara + 1));
}

int f2::caraElegida() const
{
    return Image3->property("tag").toString().toInt();
}

void f2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;  // restored from the task bar: keep what is being typed
    Nombre->setText(s_.settings.get(QStringLiteral("Truco"), QStringLiteral("Config"),
                                    QStringLiteral("nombre")));
    Nombre->setFocus(Qt::OtherFocusReason);
    Nombre->selectAll();
}

void f2::Command1_Click()
{
    tag_ = QStringLiteral("0");
    if (OptArg->isChecked()) {
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Version"), QStringLiteral("Pais"),
                         QStringLiteral("1"));
        VarianteJuego = 1;
    } else {
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Version"), QStringLiteral("Pais"),
                         QStringLiteral("2"));
        VarianteJuego = 2;
    }
    hide();
    s_.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"),
                     QString::number(caraElegida()));
    s_.settings.save(QStringLiteral("truco"), QStringLiteral("Config"), QStringLiteral("nombre"),
                     Nombre->text());
    if (!FraNivel->isHidden())
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("Nivel"),
                         QString::number(OptNivel[1]->isChecked() ? 1 : 0));
    if (!FraJugadores->isHidden())
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("Jugadores"),
                         OptJugadores[1]->isChecked() ? QStringLiteral("4") : QStringLiteral("2"));
    accept();
}

void f2::Command2_Click() { ponerCara(caraSiguiente(caraElegida())); }

void f2::Command3_Click() { ponerCara(caraAnterior(caraElegida())); }

void f2::reject()
{
    // The close box and Escape only hide the window; the choices stay.
    tag_ = QStringLiteral("1");
    QDialog::reject();
}

QString f2::mostrar(int cara)
{
    ponerCara(cara);
    exec();
    return tag_;
}

void f2::paraRed(const QString& peer, const QString& propio)
{
    Option1->setText(peer);
    Option2->setText(propio);
    Image3->setToolTip(QStringLiteral("Jugando desde otra computadora"));
    Command2->hide();
    Command3->hide();
    // Nobody plays by the computer's level over the network, and the
    // network game of four has its own window.
    FraNivel->hide();
    FraJugadores->hide();
}

void f2::paraMaquina()
{
    Option1->setText(QStringLiteral("Co&mputadora"));
    Option2->setText(QStringLiteral("&Humano"));
    Image3->setToolTip(QString());
    Command2->show();
    Command3->show();
    FraNivel->show();
    FraJugadores->show();
}

f2::Eleccion f2::eleccion() const
{
    return Eleccion{OptArg->isChecked() ? 1 : 2, Option3->isChecked(), Option1->isChecked(),
                    caraElegida(), Nombre->text(), OptNivel[1]->isChecked() ? 1 : 0,
                    OptJugadores[1]->isChecked() ? 4 : 2};
}
