#include "game/Form1.h"

#include "game/AsientoMaquina.h"
#include "game/AsientoParejas.h"
#include "game/ColaMesa.h"
#include "game/MenuEscalado.h"
#include "game/MesaEscalable.h"
#include "game/AsientoCuatro.h"
#include "game/AsientoRed.h"
#include "game/Avisos.h"
#include "net/CargadorWs.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"

#include "platform/CardPictures.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/Shortcut.h"
#include "platform/Ventanas.h"
#include "shell/Fondo.h"
#include "shell/FrmFOndo.h"
#include "shell/Publicidad.h"
#include "shell/f2.h"
#include "shell/rules/Caras.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QVariantAnimation>

namespace {

const QColor kFondoVentana(184, 196, 224);

QString fuenteBotones()
{
    const QStringList familias = QFontDatabase::families();
    if (familias.contains(QStringLiteral("Comic Sans MS")))
        return QStringLiteral("Comic Sans MS");
    return QStringLiteral("Comic Neue");
}

}  // namespace

Form1::Form1(Services& services, QWidget* parent)
    : QMainWindow(parent), s_(services), maquina_(std::make_unique<AsientoMaquina>(*this))
{
    instalarAccesibilidad();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tituloPrograma());
    // Every window and message box of the program takes its look from here.
    aplicarAspecto();
    crearMenu();
    new MenuEscalado(this);
    crearControles();
}

Form1::~Form1()
{
    // A card still in flight must not land on a table being taken down.
    if (vuelo_) {
        vuelo_->disconnect(this);
        vuelo_->stop();
    }
}

Asiento& Form1::asiento()
{
    if (enRed_)
        return *enRed_;
    return *maquina_;
}

const Asiento& Form1::asiento() const { return const_cast<Form1*>(this)->asiento(); }

AsientoParejas& Form1::parejas()
{
    if (!parejas_)
        parejas_ = std::make_unique<AsientoParejas>(*this);
    return *parejas_;
}

f2& Form1::opciones()
{
    if (!f2_)
        f2_ = std::make_unique<f2>(s_, this);
    return *f2_;
}

void Form1::crearMenu()
{
    QMenu* juego = menuBar()->addMenu(QStringLiteral("&Juego"));
    juego->setObjectName(QStringLiteral("juego"));
    nuevo = juego->addAction(QStringLiteral("&Usuario Vs PC"));
    red = juego->addAction(QStringLiteral("Juego en &red..."));
    juego->addSeparator();
    salir = juego->addAction(QStringLiteral("&Salir"));
    QMenu* opcionesmenu = menuBar()->addMenu(QStringLiteral("&Opciones"));
    opcionesmenu->setObjectName(QStringLiteral("opcionesmenu"));
    nosonido = opcionesmenu->addAction(QStringLiteral("Sin &Sonido"));
    nosonido->setCheckable(true);
    cambiarfondo = opcionesmenu->addAction(QStringLiteral("Cambiar &Fondo..."));
    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->setObjectName(QStringLiteral("ayuda"));
    como = ayuda->addAction(QStringLiteral("&Como jugar al Truco"));
    Descargargratis = ayuda->addAction(QStringLiteral("&Descargar más programas Gratis..."));
    ayuda->addSeparator();
    acerca = ayuda->addAction(QStringLiteral("&Acerca de Naipex"));

    // Windows open once the click has returned, so assistive technologies
    // are never blocked by a modal window.
    connect(nuevo, &QAction::triggered, this, [this] { QMetaObject::invokeMethod(this, &Form1::nuevo_Click, Qt::QueuedConnection); });
    connect(red, &QAction::triggered, this, [this] { QMetaObject::invokeMethod(this, &Form1::red_Click, Qt::QueuedConnection); });
    connect(salir, &QAction::triggered, this, &Form1::salir_Click);
    connect(nosonido, &QAction::triggered, this, [this] { Nosonido_Click(); });
    connect(cambiarfondo, &QAction::triggered, this, [this] { QMetaObject::invokeMethod(this, &Form1::cambiarfondo_Click, Qt::QueuedConnection); });
    connect(como, &QAction::triggered, this, [this] { publicidad->como_Click(); });
    connect(Descargargratis, &QAction::triggered, this, [this] { publicidad->Descargargratis_Click(); });
    connect(acerca, &QAction::triggered, this, [this] { QMetaObject::invokeMethod(publicidad, &Publicidad::acerca_Click, Qt::QueuedConnection); });
}

void Form1::crearControles()
{
    mesa_ = new MesaEscalable([this](QPainter& p, const QRectF& area) { pintarFondo(p, area, P1); }, this);
    mesa_->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(mesa_);

    auto etiqueta = [this](const QString& nombre, QRect g, int px, bool bold, Qt::Alignment al) {
        auto* l = new Etiqueta(nombre, mesa_);
        QFont f = font();
        f.setPixelSize(px);
        f.setBold(bold);
        l->setFont(f);
        l->setAlignment(al);
        mesa_->colocar(l, g);
        return l;
    };

    // The machine's seat, at the top.
    car[2] = new Naipe(QStringLiteral("car(2)"), mesa_);
    mesa_->colocar(car[2], QRect(30, 6, 64, 64));
    // The human's seat, at the bottom left.
    car[0] = new Naipe(QStringLiteral("car(0)"), mesa_);
    mesa_->colocar(car[0], QRect(30, 330, 64, 64));
    for (int k : {1, 3}) {
        car[k] = new Naipe(QStringLiteral("car(%1)").arg(k), mesa_);
        car[k]->hide();
    }
    for (int k = 0; k < 4; ++k)
        connect(car[k], &Naipe::pointed, this, [this, k] { car_MouseMove(k); });
    Command5 = new QPushButton(QStringLiteral("<"), mesa_);
    Command6 = new QPushButton(QStringLiteral(">"), mesa_);
    mesa_->colocar(Command5, QRect(30, 398, 30, 22));
    mesa_->colocar(Command6, QRect(64, 398, 30, 22));
    for (auto [b, n, t] : {std::tuple{Command5, "Command5", "Cara anterior"}, std::tuple{Command6, "Command6", "Cara siguiente"}}) {
        b->setObjectName(QString::fromLatin1(n));
        b->setAccessibleDescription(QString::fromLatin1(n));
        b->setAccessibleName(QString::fromUtf8(t));
        b->setToolTip(QStringLiteral("Cambiar cara"));
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);

    // Speech lines: the machine's above the table, the human's below his cards.
    // Wide enough for the longest thing the other side says.
    LC = etiqueta(QStringLiteral("LC"), QRect(140, 50, 270, 26), 14, true, Qt::AlignCenter);
    LH = etiqueta(QStringLiteral("LH"), QRect(140, 420, 290, 24), 14, true, Qt::AlignCenter);
    for (Etiqueta* l : {LC, LH}) {
        l->autoVisible = true;
        l->setStyleSheet(QStringLiteral("background: #fffbe6; color: #202020; border: 1px solid #8a7a50; border-radius: 8px; padding: 1px 6px;"));
        l->setCaption(QString());
    }
    Label1 = etiqueta(QStringLiteral("Label1"), QRect(140, 4, 270, 20), 12, false, Qt::AlignCenter);
    Label1->autoVisible = true;
    Label1->setCaption(QString());

    // Played cards: the machine's row at the top of the table, the human's at the bottom.
    const int xs[3] = {152, 237, 322};
    for (int t = 0; t < 3; ++t) {
        IJM[t] = new Naipe(QStringLiteral("IJM(%1)").arg(t), mesa_);
        mesa_->colocar(IJM[t], QRect(xs[t], 84, 60, 92));
        JM[t] = etiqueta(QStringLiteral("JM(%1)").arg(t), QRect(xs[t] - 12, 177, 84, 16), 11, false, Qt::AlignCenter);
        JH[t] = etiqueta(QStringLiteral("JH(%1)").arg(t), QRect(xs[t] - 12, 196, 84, 16), 11, false, Qt::AlignCenter);
        IJH[t] = new Naipe(QStringLiteral("IJH(%1)").arg(t), mesa_);
        mesa_->colocar(IJH[t], QRect(xs[t], 214, 60, 92));
        for (Etiqueta* l : {JM[t], JH[t]}) {
            l->Tag = QStringLiteral("0");
            l->setStyleSheet(QStringLiteral("color: #101040;"));
        }
        // The human's hand.
        ICH[t] = new Naipe(QStringLiteral("ICH(%1)").arg(t), mesa_);
        mesa_->colocar(ICH[t], QRect(152 + 85 * t, 324, 60, 92));
        ICH[t]->setCursor(Qt::PointingHandCursor);
        ICH[t]->setToolTip(QStringLiteral("Tecla %1").arg(t + 1));
        ICH[t]->hide();
        connect(ICH[t], &Naipe::clicked, this, [this, t] { ICH_Click(t); });
        // The machine's hand is never seen, nor heard by a screen reader.
        ICM[t] = new Naipe(QStringLiteral("ICM(%1)").arg(t), mesa_);
        mesa_->colocar(ICM[t], QRect(xs[t], 0, 60, 1));
        ICM[t]->hide();
    }

    // Scores: names, numbers and the tally of each side.
    NombreC = etiqueta(QStringLiteral("NombreC"), QRect(430, 4, 104, 20), 13, true, Qt::AlignCenter);
    Label2 = etiqueta(QStringLiteral("Label2"), QRect(546, 4, 104, 20), 13, true, Qt::AlignCenter);
    Label2->setCaption(QStringLiteral("Pc"));
    PuntosH = etiqueta(QStringLiteral("PuntosH"), QRect(430, 24, 104, 30), 24, true, Qt::AlignCenter);
    PuntosM = etiqueta(QStringLiteral("PuntosM"), QRect(546, 24, 104, 30), 24, true, Qt::AlignCenter);
    PuntosH->setCaption(QStringLiteral("0"));
    PuntosM->setCaption(QStringLiteral("0"));
    PH = new Rayas(QStringLiteral("PH"), false, mesa_);
    PM = new Rayas(QStringLiteral("PM"), true, mesa_);
    mesa_->colocar(PH, QRect(448, 58, 70, 340));
    mesa_->colocar(PM, QRect(556, 58, 76, 340));
    for (QWidget* w : {static_cast<QWidget*>(PH), static_cast<QWidget*>(PM)}) {
        w->setAttribute(Qt::WA_StyledBackground);
        w->setStyleSheet(QStringLiteral("background: rgba(255,255,255,200); border-radius: 6px;"));
    }
    for (Etiqueta* l : {NombreC, Label2, PuntosH, PuntosM})
        l->setStyleSheet(QStringLiteral("color: #101010; background: rgba(255,255,255,170); border-radius: 4px;"));
    for (Etiqueta* l : {NombreC, Label2})
        l->comoNombre(QStringLiteral("[Anónimo]"));

    avisos = new Avisos(*mesa_);

    // The call panel: two rows under the human's hand.
    const char* captions[8] = {"Truco", "Quiero", "Envido", "NO Quiero", "Real Envido", "Quiero retruco", "Falta Envido", "Quiero Vale 4"};
    const char* teclas[8] = {"T", "Q", "E", "N", "R", "Shift+R", "F", "V"};
    QFont fb(fuenteBotones());
    fb.setPixelSize(13);
    fb.setBold(true);
    auto boton = [&](const QString& nombre, const QString& caption, const QString& tecla, int x, int y) {
        auto* b = new BotonCanto(caption, tecla.back(), mesa_);
        b->setObjectName(nombre);
        b->setAccessibleDescription(nombre);
        b->setAccessibleName(caption);
        b->setFont(fb);
        mesa_->colocar(b, QRect(x, y, 126, 28));
        b->setShortcut(QKeySequence(tecla));
        b->setToolTip(caption + QStringLiteral(" (") + tecla + QLatin1Char(')'));
        b->setEnabled(false);
        return b;
    };
    const int orden[10] = {0, 5, 7, 1, 3, 2, 4, 6, -1, -2};  // truco ladder and answers, then envido
    for (int pos = 0; pos < 10; ++pos) {
        const int x = 4 + 130 * (pos % 5), y = 448 + 32 * (pos / 5);
        const int i = orden[pos];
        if (i >= 0) {
            bt[i] = boton(QStringLiteral("bt(%1)").arg(i), QString::fromUtf8(captions[i]), QString::fromLatin1(teclas[i]), x, y);
            connect(bt[i], &QPushButton::clicked, this, [this, i] { bt_Click(i); });
        } else if (i == -1) {
            Flor = boton(QStringLiteral("Flor"), QStringLiteral("Flor"), QStringLiteral("L"), x, y);
            connect(Flor, &QPushButton::clicked, this, &Form1::Flor_Click);
        } else {
            AlMazo = boton(QStringLiteral("AlMazo"), QStringLiteral("Al Mazo"), QStringLiteral("M"), x, y);
            connect(AlMazo, &QPushButton::clicked, this, &Form1::AlMazo_Click);
        }
    }

    // Offered under the tallies (where the network chat goes) once a match
    // against the computer is over.
    otraVez = new QPushButton(QStringLiteral("Jugar otra vez"), mesa_);
    otraVez->setObjectName(QStringLiteral("otraVez"));
    otraVez->setAccessibleName(otraVez->text());
    otraVez->setFont(fb);
    mesa_->colocar(otraVez, QRect(440, 404, 200, 30));
    otraVez->hide();
    connect(otraVez, &QPushButton::clicked, this, [this] { nuevo->trigger(); });

    // The chat line of the network games, under the tallies.
    mensaje = new QLineEdit(mesa_);
    mensaje->setObjectName(QStringLiteral("mensaje"));
    mensaje->setAccessibleDescription(QStringLiteral("mensaje"));
    mensaje->setAccessibleName(QStringLiteral("Mensaje"));
    mensaje->setMaxLength(200);
    QFont fm = font();
    fm.setPixelSize(12);
    mensaje->setFont(fm);
    mesa_->colocar(mensaje, QRect(430, 406, 160, 26));
    enviar = new QPushButton(QStringLiteral("Enviar"), mesa_);
    enviar->setObjectName(QStringLiteral("enviar"));
    enviar->setAccessibleDescription(QStringLiteral("enviar"));
    enviar->setAccessibleName(QStringLiteral("Enviar"));
    enviar->setToolTip(QStringLiteral("Enviar el mensaje"));
    enviar->setFont(fm);
    mesa_->colocar(enviar, QRect(594, 406, 58, 26));
    connect(mensaje, &QLineEdit::returnPressed, enviar, &QPushButton::click);
    connect(enviar, &QPushButton::clicked, this, &Form1::enviar_Click);
    mostrarChat(false);

    publicidad = new Publicidad(s_, mesa_, this);
    for (const auto& [w, r] : publicidad->controles())
        mesa_->colocar(w, r);
    connect(publicidad, &Publicidad::ventanaModal, this, &Form1::ventanaModal);

    crearControlesCuatro();
    for (int t = 0; t < 3; ++t) {
        // Seats in turn round the table, so the two sides alternate.
        avisos->vigilarBaza({JM[t], JH[t], JD[t], JI[t]}, [this, t] {
            if (!cuatro_)
                return std::vector<Avisos::Lugar>{{IJM[t], JM[t]}, {IJH[t], JH[t]}};
            return std::vector<Avisos::Lugar>{{IJH[t], JH[t]}, {IJD[t], JD[t]}, {IJM[t], JM[t]}, {IJI[t], JI[t]}};
        });
    }

    // Keys 1, 2, 3 play the cards in hand.
    for (int t = 0; t < 3; ++t) {
        auto* sc = new QShortcut(QKeySequence(Qt::Key_1 + t), this);
        connect(sc, &QShortcut::activated, this, [this, t] {
            if (!ICH[t]->isHidden())
                ICH_Click(t);
        });
    }
    adjustSize();
}

void Form1::Form_Load()
{
    // The size the player left it at; then top of the screen, centred.
    const int ancho = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("Ventana"), QStringLiteral("Ancho"), 0);
    const int alto = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("Ventana"), QStringLiteral("Alto"), 0);
    if (ancho > 0 && alto > 0)
        resize(QSize(ancho, alto).expandedTo(minimumSizeHint()));
    if (QScreen* sc = QGuiApplication::primaryScreen()) {
        const QRect r = sc->availableGeometry();
        if (width() > r.width() || height() > r.height())
            resize(size().boundedTo(r.size()));
        move(r.x() + (r.width() - frameGeometry().width()) / 2, r.y());
    }
    if (s_.settings.getBool(QStringLiteral("Truco"), QStringLiteral("Ventana"), QStringLiteral("Maximizada"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFondoVentana);
    setPalette(pal);
    setAutoFillBackground(true);
    show();
    PH->ocultarTodas();
    PM->ocultarTodas();
    // The machine has a face of its own, so the player never sees his own twice.
    car[2]->setPicture(QPixmap(QStringLiteral(":/caras/pc.png")), QStringLiteral("Cara de Pc"));
    const int cara = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), 0);
    carTag = QString::number(cara >= 0 && cara <= 14 ? cara : 0);
    car[0]->setPicture(QPixmap(QStringLiteral(":/caras/cara%1.png").arg(carTag.toInt(), 2, 10, QLatin1Char('0'))), QStringLiteral("Tu cara"));
    nosonido->setChecked(s_.settings.getBool(QStringLiteral("Truco"), QStringLiteral("Sonido"), QStringLiteral("habilitado"), false));

    // The background: the saved picture, or the built-in one when it is
    // missing or cannot be read.
    P1 = QPixmap(QStringLiteral(":/fondo/fondo.bmp"));
    const QString fondo = s_.settings.get(QStringLiteral("Truco"), QStringLiteral("Imagen"), QStringLiteral("Fondo"));
    if (!fondo.isEmpty()) {
        QPixmap pm(fondo);
        if (!pm.isNull())
            P1 = pm;
    }
    PintarFondo();

    if (s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("Pvez"), QStringLiteral("Bandera"), 0) == 0) {
        s_.clock.yieldEvents();
        crearAccesoDirecto(s_.desktopFolder, QStringLiteral("Naipex 2.0"), QApplication::applicationFilePath());
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Pvez"), QStringLiteral("Bandera"), QStringLiteral("1"));
    }
}

void Form1::PintarFondo() { mesa_->update(); }

QRect Form1::zonaDeBazas() const
{
    QRect zona;
    for (const auto& fila : {IJM, IJH, IJD, IJI})
        for (const Naipe* n : fila)
            if (n && !n->isHidden())
                zona |= QRect(n->mapToGlobal(QPoint(0, 0)), n->size());
    return zona;
}

// Pointing at a face shows the players' names.
void Form1::car_MouseMove(int)
{
    if (asiento().enParejas())
        return;
    car[0]->setToolTip(ayudaLlana(NombreC->caption()));
    car[2]->setToolTip(ayudaLlana(Label2->caption()));
}

// The window's size and maximised state are remembered between runs.
void Form1::guardarTamano()
{
    const bool maximizada = isMaximized();
    const QSize normal = maximizada ? normalGeometry().size() : size();
    auto guardar = [this](const char* clave, const QString& valor) {
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Ventana"), QString::fromLatin1(clave), valor);
    };
    if (normal.isValid()) {
        guardar("Ancho", QString::number(normal.width()));
        guardar("Alto", QString::number(normal.height()));
    }
    guardar("Maximizada", maximizada ? QStringLiteral("-1") : QStringLiteral("0"));
}

void Form1::closeEvent(QCloseEvent* e)
{
    // Closing ends the program at once, also in the middle of a hand: no
    // pause of the table runs after this.
    guardarTamano();
    cerrando_ = true;
    e->accept();
    QApplication::closeAllWindows();
    // Only a running event loop is left; with none running (a test closing
    // its table) exit() would make every later loop return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void Form1::salir_Click() { close(); }

void Form1::Nosonido_Click()
{
    // The action toggles its own check mark before we get here.
    s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Sonido"), QStringLiteral("habilitado"),
                     nosonido->isChecked() ? QStringLiteral("-1") : QStringLiteral("0"));
}

void Form1::cambiarfondo_Click()
{
    FrmFOndo w(s_, P1, [this] { PintarFondo(); }, this);
    emit ventanaModal(&w);
    w.exec();
}

void Form1::Command6_Click()
{
    carTag = QString::number(caraSiguiente(carTag.toInt()));
    car[0]->setPicture(opciones().Cara[carTag.toInt()], QStringLiteral("Tu cara"));
    s_.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), carTag);
    asiento().caraCambiada();
}

void Form1::Command5_Click()
{
    carTag = QString::number(caraAnterior(carTag.toInt()));
    car[0]->setPicture(opciones().Cara[carTag.toInt()], QStringLiteral("Tu cara"));
    s_.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), carTag);
    asiento().caraCambiada();
}

// ---- Network play -------------------------------------------------------------

AsientoRed& Form1::asientoRed()
{
    if (!red_) {
        red_ = std::make_unique<AsientoRed>(*this, s_);
        // At the end of a match both players return to the connection window.
        red_->alAbandonar = [this] { jred().descargar(); };
        red_->alTerminar = [this] {
            jred().descargar();
            despues(0.5, [this] { jred().abrir(); });
        };
    }
    return *red_;
}

JRed& Form1::jred()
{
    if (!jred_) {
        jred_ = std::make_unique<JRed>(s_, asientoRed(), this);
        jred_->abrirDea4 = [this] {
            // The host's window listens in place of this one.
            jred_->Timer1.stop();
            jred_->Tmrtimeout.stop();
            jred_->enlace().cerrar();
            dea4().ventanaRed = jred_.get();
            dea4().abrir(jred_->MiNombre->text(), jred_->cara());
            // The host's window takes the connection window's place on screen,
            // once its lines are filled in and its size is final.
            dea4().adjustSize();
            centrarSobre(dea4(), *jred_);
            jred_->hide();
        };
    }
    return *jred_;
}

AsientoCuatro& Form1::anfitrion()
{
    if (!anfitrion_) {
        anfitrion_ = std::make_unique<AsientoCuatro>(*this, s_);
        anfitrion_->alAbandonar = [this] {
            dea4().descargar();
            jred().descargar();
        };
        anfitrion_->alTerminar = [this] {
            dea4().descargar();
            jred().descargar();
            despues(0.5, [this] { jred().abrir(); });
        };
    }
    return *anfitrion_;
}

Dea4& Form1::dea4()
{
    if (!dea4_) {
        dea4_ = std::make_unique<Dea4>(s_, anfitrion(), this);
        // Giving the table up before it starts brings the connection window back.
        connect(dea4_.get(), &QDialog::rejected, this, [this] {
            if (jred_)
                jred_->show();
        });
    }
    return *dea4_;
}

void Form1::red_Click()
{
    if (!jred().disponible()) {
        s_.dialogs.message(this, Dialogs::Icon::Error, tituloPrograma(), CargadorWs::mensajeFalta());
        return;
    }
    if (seJuega()) {
        if (!s_.dialogs.ask(this, tituloPrograma(), QStringLiteral("Se está jugando en este momento, ¿Desea abandonar el partdo? ")))
            return;
        asiento().abandonar();
    }
    salirDelPartido();
    otraVez->hide();
    jred().abrir();
}

void Form1::mostrarChat(bool visible)
{
    mensaje->setVisible(visible);
    enviar->setVisible(visible);
    if (!visible)
        mensaje->clear();
}

void Form1::enviar_Click()
{
    if (!asiento().chatear(mensaje->text()))
        return;
    despues(0.6, [this] { mensaje->clear(); });
}
