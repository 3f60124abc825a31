// The table of the four-player game: the side seats, their played cards and
// speech, the names of the four seats, the turn light, and the flight of a
// card played by another seat.
#include "game/ColaMesa.h"
#include "game/Form1.h"
#include "game/MesaEscalable.h"
#include "net/rules/Cuatro.h"
#include "platform/CardPictures.h"
#include "shell/Publicidad.h"
#include "shell/f2.h"
#include "shell/rules/Caras.h"

#include <QPainter>
#include <QRadialGradient>

#include <QTransform>
#include <QVariantAnimation>

namespace {

// Played cards are smaller on a table of four; the side seats lay theirs
// across, facing them, in a column at each edge of the cloth.
constexpr int kAncho = 40, kAlto = 61;
constexpr int kLetraJugada = 10;
constexpr int kLetraNombres = 12;
int centroFila(int baza) { return 218 + 50 * baza; }
int filaLado(int baza) { return 104 + 64 * baza; }
constexpr int kColumnaIzquierda = 129, kColumnaDerecha = 345;

const QString kEstiloHabla = QStringLiteral("background: #fffbe6; color: #202020; border: 1px solid #8a7a50; border-radius: 8px; padding: 1px 4px;");
const QString kEstiloNombre = QStringLiteral("color: #101010; background: rgba(255,255,255,170); border-radius: 4px;");

QRect lugarCuatro(int asiento, int baza)
{
    switch (asiento) {
    case 0: return QRect(centroFila(baza) - kAncho / 2, 246, kAncho, kAlto);
    case 2: return QRect(centroFila(baza) - kAncho / 2, 84, kAncho, kAlto);
    case 1: return QRect(kColumnaDerecha, filaLado(baza), kAlto, kAncho);
    default: return QRect(kColumnaIzquierda, filaLado(baza), kAlto, kAncho);
    }
}

QRect textoCuatro(int asiento, int baza)
{
    switch (asiento) {
    case 0: return QRect(centroFila(baza) - 25, 231, 50, 14);
    case 2: return QRect(centroFila(baza) - 25, 146, 50, 14);
    case 1: return QRect(kColumnaDerecha, filaLado(baza) + kAncho + 1, kAlto, 14);
    default: return QRect(kColumnaIzquierda, filaLado(baza) + kAncho + 1, kAlto, 14);
    }
}

// A green light, drawn large so that it stays round and smooth at any scale.
QPixmap luzVerde()
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(38, 36), 52, QPointF(34, 32));
    g.setColorAt(0, QColor(190, 255, 180));
    g.setColorAt(1, QColor(28, 150, 28));
    p.setBrush(g);
    p.setPen(QPen(QColor(27, 77, 27), 6));
    p.drawEllipse(QRectF(4, 4, 88, 88));
    return pm;
}

}  // namespace

void Form1::crearControlesCuatro()
{
    auto etiqueta = [this](const QString& nombre, int px, bool bold, const QString& estilo) {
        auto* l = new Etiqueta(nombre, mesa_);
        QFont f = font();
        f.setPixelSize(px);
        f.setBold(bold);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(estilo);
        l->hide();
        return l;
    };
    // Faces of the side seats, with name and speech beneath: the left-hand
    // seat in the strip left of the cloth, above the banner, the right-hand
    // one between the cloth and the score.
    mesa_->colocar(car[3], QRect(34, 90, 56, 56));
    mesa_->colocar(car[1], QRect(429, 90, 56, 56));
    const QRect nombres[4] = {QRect(414, 372, 86, 30), QRect(414, 148, 86, 30), QRect(4, 72, 118, 16), QRect(4, 148, 118, 16)};
    for (int k = 0; k < 4; ++k) {
        Nomb[k] = etiqueta(QStringLiteral("Nomb(%1)").arg(k), 11, true, kEstiloNombre);
        mesa_->colocar(Nomb[k], nombres[k]);
        Nomb[k]->comoNombre(QStringLiteral("[Anónimo]"));
    }
    LD = etiqueta(QStringLiteral("LD"), 12, true, kEstiloHabla);
    LI = etiqueta(QStringLiteral("LI"), 12, true, kEstiloHabla);
    mesa_->colocar(LD, QRect(414, 180, 86, 58));
    mesa_->colocar(LI, QRect(4, 166, 118, 38));
    for (Etiqueta* l : {LD, LI}) {
        l->setWordWrap(true);
        l->autoVisible = true;
    }

    for (int t = 0; t < 3; ++t) {
        IJD[t] = new Naipe(QStringLiteral("IJD(%1)").arg(t), mesa_);
        IJI[t] = new Naipe(QStringLiteral("IJI(%1)").arg(t), mesa_);
        JD[t] = etiqueta(QStringLiteral("JD(%1)").arg(t), kLetraJugada, false, QStringLiteral("color: #101040;"));
        JI[t] = etiqueta(QStringLiteral("JI(%1)").arg(t), kLetraJugada, false, QStringLiteral("color: #101040;"));
        for (int a : {1, 3}) {
            mesa_->colocar(lugarJugada(a, t), lugarCuatro(a, t));
            mesa_->colocar(a == 1 ? JD[t] : JI[t], textoCuatro(a, t));
            lugarJugada(a, t)->hide();
        }
        JD[t]->Tag = JI[t]->Tag = QStringLiteral("0");
    }

    // The turn light, beside the own hand.
    SemV = new Naipe(QStringLiteral("SemV"), mesa_);
    SemV->setPicture(luzVerde(), QStringLiteral("Tu turno"));
    SemV->setToolTip(QStringLiteral("Tu turno"));
    mesa_->colocar(SemV, QRect(126, 358, 22, 22));
    SemV->hide();

    volando_ = new Naipe(QStringLiteral("vuelo"), mesa_);
    volando_->setAccessibleName(QString());
    volando_->hide();
    vuelo_ = new QVariantAnimation(this);
    vuelo_->setEasingCurve(QEasingCurve::OutCubic);
    connect(vuelo_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        volando_->setGeometry(mesa_->enPantalla(v.toRectF()));
    });
    cola_ = std::make_unique<ColaMesa>();
}

Naipe* Form1::lugarJugada(int asiento, int baza) const
{
    if (baza < 0 || baza > 2)
        return nullptr;
    switch (asiento) {
    case 0: return IJH[baza];
    case 1: return IJD[baza];
    case 2: return IJM[baza];
    case 3: return IJI[baza];
    default: return nullptr;
    }
}

void Form1::disposicionCuatro(bool cuatro)
{
    if (cuatro == cuatro_)
        return;
    cuatro_ = cuatro;
    std::vector<QWidget*> mueven = {NombreC, Label2, PuntosH, PuntosM, PH, PM, car[0], Command5, Command6};
    std::vector<QWidget*> anuncio;  // the banner and its frame
    for (const auto& [w, r] : publicidad->controles())
        if (r.height() > 100)
            anuncio.push_back(w);
    mueven.insert(mueven.end(), anuncio.begin(), anuncio.end());
    for (int t = 0; t < 3; ++t)
        mueven.insert(mueven.end(), {IJH[t], IJM[t], JH[t], JM[t]});
    if (cuatro) {
        // What the two-player table looks like, to go back to it exactly.
        lugaresDos_.clear();
        for (QWidget* w : mueven)
            lugaresDos_.push_back({w, mesa_->logicoDe(w), int(mesa_->letraDe(w))});
        for (int t = 0; t < 3; ++t) {
            mesa_->colocar(IJH[t], lugarCuatro(0, t));
            mesa_->colocar(IJM[t], lugarCuatro(2, t));
            mesa_->colocar(JH[t], textoCuatro(0, t));
            mesa_->colocar(JM[t], textoCuatro(2, t));
            mesa_->letra(JH[t], kLetraJugada);
            mesa_->letra(JM[t], kLetraJugada);
        }
        // The score narrows to make room for the right-hand seat; each side
        // shows the names of its pair on two lines.
        mesa_->colocar(NombreC, QRect(504, 4, 72, 34));
        mesa_->colocar(Label2, QRect(580, 4, 72, 34));
        mesa_->colocar(PuntosH, QRect(504, 40, 72, 28));
        mesa_->colocar(PuntosM, QRect(580, 40, 72, 28));
        mesa_->colocar(PH, QRect(510, 72, 60, 292));
        mesa_->colocar(PM, QRect(584, 72, 65, 292));
        mesa_->letra(NombreC, kLetraNombres);
        mesa_->letra(Label2, kLetraNombres);
        // The banner moves down the left strip to leave its top to the
        // left-hand seat; the own face goes beside the own hand, at the right.
        for (QWidget* w : anuncio)
            mesa_->colocar(w, mesa_->logicoDe(w).translated(0, 127));
        mesa_->colocar(car[0], QRect(431, 296, 52, 52));
        mesa_->colocar(Command5, QRect(425, 350, 30, 20));
        mesa_->colocar(Command6, QRect(459, 350, 30, 20));
    } else {
        for (const Lugar& l : lugaresDos_) {
            mesa_->colocar(l.w, l.logico);
            if (l.letra > 0)
                mesa_->letra(l.w, l.letra);
        }
        lugaresDos_.clear();
    }
    for (QWidget* w : {car[1], car[3]})
        w->setVisible(cuatro);
    for (int t = 0; t < 3; ++t) {
        for (QWidget* w : {static_cast<QWidget*>(IJD[t]), static_cast<QWidget*>(IJI[t]), static_cast<QWidget*>(JD[t]), static_cast<QWidget*>(JI[t])})
            w->setVisible(cuatro);
        if (!cuatro) {
            IJD[t]->clearPicture();
            IJI[t]->clearPicture();
            for (Etiqueta* l : {JD[t], JI[t]}) {
                l->Tag = QStringLiteral("0");
                l->setCaption(QString());
            }
        }
    }
    for (Etiqueta* l : Nomb)
        l->setVisible(cuatro);
    if (!cuatro) {
        for (Etiqueta* l : {LD, LI})
            l->setCaption(QString());
        SemV->hide();
    }
    for (Etiqueta* l : {NombreC, Label2})
        l->setWordWrap(cuatro);
}

void Form1::vaciarCola() { cola_->vaciar(); }

bool Form1::colaOcupada() const { return cola_->ocupada(); }

void Form1::enCola(std::function<void()> paso) { cola_->agregar(std::move(paso)); }

void Form1::VolarCarta(int asiento, int baza, const QPixmap& carta, const QString& nombre, std::function<void()> alLlegar)
{
    Naipe* destino = lugarJugada(asiento, baza);
    if (!destino)
        return;
    const bool lado = asiento == 1 || asiento == 3;
    // A side seat's card lies across, its foot towards the player.
    const QPixmap pm = lado ? carta.transformed(QTransform().rotate(asiento == 1 ? -90 : 90), Qt::SmoothTransformation) : carta;
    cola_->agregarPaso([this, asiento, destino, pm, nombre, alLlegar = std::move(alLlegar)](std::function<void()> listo) {
        const QRectF fin = mesa_->logicoDe(destino);
        // It leaves from the seat: the face of a player, or the own hand.
        QWidget* origen = asiento == 0 ? static_cast<QWidget*>(ICH[1]) : static_cast<QWidget*>(car[asiento]);
        QRectF inicio = fin;
        inicio.moveCenter(QRectF(mesa_->logicoDe(origen)).center());
        auto llegar = [this, destino, pm, nombre, alLlegar, listo] {
            volando_->hide();
            destino->setPicture(pm, nombre);
            if (alLlegar)
                alLlegar();
            listo();
        };
        volando_->setPicture(pm, nombre);
        if (duracionVuelo <= 0) {
            volando_->setGeometry(mesa_->enPantalla(fin));
            llegar();
            return;
        }
        volando_->setGeometry(mesa_->enPantalla(inicio));
        volando_->show();
        volando_->raise();
        vuelo_->setDuration(duracionVuelo);
        vuelo_->setStartValue(inicio);
        vuelo_->setEndValue(fin);
        connect(vuelo_, &QVariantAnimation::finished, this, [this, fin, llegar] {
            // The last frame lies exactly on the place, whatever the easing did.
            volando_->setGeometry(mesa_->enPantalla(fin));
            llegar();
        }, Qt::SingleShotConnection);
        vuelo_->start();
    });
}

// ---- What the four-player table shows ------------------------------------------

void Form1::entrarEnCuatro(Asiento* seat)
{
    salirDelPartido();
    sentarEnRed(seat);
    disposicionCuatro(true);
    turnoCuatro(false, QStringLiteral("0000000000"));
    mostrarChat(true);
    marcadorACero();
}

void Form1::salirDeCuatro()
{
    turnoCuatro(false, QStringLiteral("0000000000"));
    sentarEnRed(nullptr);
    mostrarChat(false);
}

Etiqueta* Form1::habla(int asiento) const
{
    switch (asiento) {
    case 0: return LH;
    case 1: return LD;
    case 2: return LC;
    case 3: return LI;
    default: return nullptr;
    }
}

void Form1::decirCuatro(int asiento, const QString& frase, int cara)
{
    Etiqueta* l = habla(asiento);
    if (!l)
        return;
    decir(l, frase);
    const cuatro::Sonido s = cuatro::sonidoDe(frase.toStdString());
    if (s.codigo >= 0)
        Sonar(s.codigo, s.numero, QString::number(cara));
}

void Form1::jugadoresCuatro(const std::array<QString, 4>& nombres, const std::array<int, 4>& caras, int pie)
{
    for (int k = 0; k < 4; ++k) {
        const int cara = caras[k] >= 0 && caras[k] < cantidadCaras ? caras[k] : 0;
        car[k]->setPicture(opciones().Cara[cara], k == 0 ? QStringLiteral("Tu cara") : nombres[k]);
        car[k]->setToolTip(ayudaLlana(nombres[k]));
        Nomb[k]->setCaption(k == pie ? nombres[k] + QStringLiteral(" [PIE]") : nombres[k]);
    }
    carTag = QString::number(caras[0]);
    Label2->setCaption(nombres[0] + QLatin1Char('\n') + nombres[2]);
    NombreC->setCaption(nombres[1] + QLatin1Char('\n') + nombres[3]);
}

void Form1::manoCuatro(const std::array<QString, 3>& cartas)
{
    cola_->agregar([this, cartas] {
        for (int t = 0; t < 3; ++t) {
            for (int a = 0; a < 4; ++a)
                lugarJugada(a, t)->clearPicture();
            for (Etiqueta* l : {JH[t], JD[t], JM[t], JI[t]}) {
                l->Tag = QStringLiteral("0");
                l->setCaption(QString());
            }
            CM[t].Visible = false;
            ICM[t]->hide();
            CH[t].Caption = cartas[t];
            CH[t].Visible = true;
            Dar_Valor(CH[t]);
            ICH[t]->setPicture(loadCardPicture(s_.programFolder, cartas[t]), nombreDeCarta(cartas[t]));
            ICH[t]->show();
        }
        for (int a = 0; a < 4; ++a)
            decir(habla(a), QString());
        emit manoRepartida();
    });
}

void Form1::jugadaCuatro(int asiento, int baza, const QString& carta)
{
    Etiqueta* texto = asiento == 0 ? JH[baza] : asiento == 1 ? JD[baza] : asiento == 2 ? JM[baza] : JI[baza];
    Portador p;
    p.Caption = carta;
    Dar_Valor(p);
    const QPixmap pm = loadCardPicture(s_.programFolder, carta);
    if (asiento == 0) {
        cola_->agregar([this, baza, texto, p, pm] { mostrarCarta(IJH[baza], texto, p, pm); });
        return;
    }
    VolarCarta(asiento, baza, pm, nombreDeCarta(carta), [this, texto, p] { rotularJugada(texto, p); });
}

void Form1::turnoCuatro(bool mio, const QString& panel)
{
    Botones(panel);
    SemV->setVisible(mio);
}
