#include "net/JRed.h"

#include "net/CargadorWs.h"
#include "net/ControlAusente.h"
#include "net/Enlace.h"
#include "net/MesaRed.h"
#include "net/rules/Protocolo.h"
#include "net/rules/Puertos.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "shell/Nombres.h"
#include "shell/rules/Caras.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {

const QString kTitulo = QStringLiteral("Juego en Red");

QPushButton* boton(QWidget* parent, const QString& control, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    nombrar(b, control, sinMnemonico(caption));
    b->setAutoDefault(false);
    return b;
}

QGroupBox* marco(QWidget* parent, const QString& control, const QString& caption)
{
    auto* g = new QGroupBox(caption, parent);
    nombrar(g, control, sinMnemonico(caption));
    return g;
}

// A label read by its text: the control name only goes to the description
// (an accessible name would hide the text it shows).
QLabel* rotulo(QWidget* parent, const QString& control, const QString& texto = {})
{
    auto* l = new QLabel(texto, parent);
    l->setObjectName(control);
    l->setAccessibleDescription(control);
    return l;
}

QString texto(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

JRed::JRed(Services& s, MesaRed& mesa, QWidget* parent)
    : QDialog(parent), s_(s), mesa_(mesa), cargador_(std::make_unique<CargadorWs>(s.carpetaModulos()))
{
    setWindowTitle(kTitulo);
    nombrar(this, QStringLiteral("JRed"), kTitulo);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(false);

    std::unique_ptr<ControlWs> ws = cargador_->crear();
    disponible_ = ws != nullptr;
    if (!ws)
        ws = std::make_unique<ControlAusente>();
    enlace_ = std::make_unique<Enlace>(s_, std::move(ws));
    enlace_->ventana = this;

    // Own name and face.
    Frame3 = marco(this, QStringLiteral("Frame3"), QStringLiteral("Tu nombre"));
    MiNombre = new QLineEdit(Frame3);
    nombrar(MiNombre, QStringLiteral("MiNombre"), QStringLiteral("Tu nombre"));
    // Name and face must stay under the 26 bytes of the opening message.
    MiNombre->setMaxLength(static_cast<int>(protocolo::kLimiteNombre) - 2);
    Image3 = new QLabel(Frame3);
    Image3->setFixedSize(64, 64);
    Image3->setScaledContents(true);
    Image3->setFrameShape(QFrame::StyledPanel);
    nombrar(Image3, QStringLiteral("Image3"), QStringLiteral("Cara 1"));
    Command3 = boton(Frame3, QStringLiteral("Command3"), QStringLiteral("<"));
    Command4 = boton(Frame3, QStringLiteral("Command4"), QStringLiteral(">"));
    Command3->setAccessibleName(QStringLiteral("Cara anterior"));
    Command4->setAccessibleName(QStringLiteral("Cara siguiente"));
    for (QPushButton* b : {Command3, Command4}) {
        b->setToolTip(QStringLiteral("Cambiar cara"));
        b->setFixedSize(28, 28);
    }
    {
        auto* v = new QVBoxLayout(Frame3);
        v->addWidget(MiNombre);
        auto* h = new QHBoxLayout;
        h->addStretch();
        h->addWidget(Command3, 0, Qt::AlignVCenter);
        h->addWidget(Image3);
        h->addWidget(Command4, 0, Qt::AlignVCenter);
        h->addStretch();
        v->addLayout(h);
    }

    // This computer, for the other user to type.
    Frame1 = marco(this, QStringLiteral("Frame1"), QStringLiteral("Nombre de esta PC"));
    NombrePC = new QLineEdit(Frame1);
    nombrar(NombrePC, QStringLiteral("NombrePC"), QStringLiteral("Nombre de esta PC"));
    NombrePC->setToolTip(QStringLiteral("Nombre de esta PC en una red LAN"));
    NombrePC->setReadOnly(true);
    (new QVBoxLayout(Frame1))->addWidget(NombrePC);
    Frame2 = marco(this, QStringLiteral("Frame2"), QStringLiteral("Dirección IP"));
    DireccionIP = new QLineEdit(Frame2);
    nombrar(DireccionIP, QStringLiteral("DireccionIP"), QStringLiteral("Dirección IP"));
    DireccionIP->setReadOnly(true);
    (new QVBoxLayout(Frame2))->addWidget(DireccionIP);

    // The other computer.
    Label1 = rotulo(this, QStringLiteral("Label1"), QStringLiteral("Conectar a:"));
    IPContrincante = new QLineEdit(this);
    nombrar(IPContrincante, QStringLiteral("IPContrincante"), QStringLiteral("Conectar a:"));
    IPContrincante->setToolTip(
        QStringLiteral("Escriba la dirección IP de la otra PC o su nombre (dentro de la red local)"));
    Label1->setBuddy(IPContrincante);
    Command1 = boton(this, QStringLiteral("Command1"), QStringLiteral("Conectar"));
    Command1->setToolTip(
        QStringLiteral("Conecta a un contrincante que esté aguardando uno o más contrincantes"));
    Command1->setDefault(true);
    Command1->setMinimumWidth(110);
    Cancelar = boton(this, QStringLiteral("Cancelar"), QStringLiteral("Cancelar"));
    Cancelar->setToolTip(QStringLiteral("Deja de intentar la conexión"));
    Cancelar->setAutoDefault(false);
    Cancelar->hide();

    Command5 = boton(this, QStringLiteral("Command5"), QStringLiteral("Truco en parejas (4 jugadores)"));
    Command5->setToolTip(QStringLiteral("jugada en parejas (4 jugadores)"));

    lblestado = rotulo(this, QStringLiteral("lblestado"));
    lblstate = rotulo(this, QStringLiteral("lblstate"));
    lblstate->setWordWrap(true);
    l2 = rotulo(this, QStringLiteral("l2"));
    l2->setFixedWidth(16);
    l2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* l : {lblestado, lblstate})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* g = new QGridLayout(this);
    g->setContentsMargins(14, 12, 14, 12);
    // Sized to what it holds: stretched or maximised it would only show
    // empty space.
    g->setSizeConstraint(QLayout::SetFixedSize);
    g->setHorizontalSpacing(12);
    g->setVerticalSpacing(10);
    g->addWidget(Frame3, 0, 0, 2, 1);
    g->addWidget(Frame1, 0, 1);
    g->addWidget(Frame2, 1, 1);
    {
        auto* h = new QHBoxLayout;
        h->setSpacing(8);
        h->addWidget(Label1);
        h->addWidget(IPContrincante, 1);
        h->addWidget(Command1);
        h->addWidget(Cancelar);
        g->addLayout(h, 2, 0, 1, 2);
    }
    g->addWidget(Command5, 3, 0, 1, 2);
    {
        auto* estado = new QGridLayout;
        estado->setVerticalSpacing(2);
        estado->addWidget(lblestado, 0, 0);
        estado->addWidget(lblstate, 1, 0);
        estado->addWidget(l2, 0, 1);
        estado->setColumnStretch(0, 1);
        g->addLayout(estado, 4, 0, 1, 2);
    }
    g->setColumnStretch(0, 1);
    g->setColumnStretch(1, 1);
    // Spare height stays below the status lines.
    g->setRowStretch(5, 1);

    setTabOrder(MiNombre, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, IPContrincante);
    setTabOrder(IPContrincante, Command1);
    setTabOrder(Command1, NombrePC);
    setTabOrder(NombrePC, DireccionIP);
    setTabOrder(DireccionIP, Command5);

    Timer1.setInterval(20000);
    Tmrtimeout.setInterval(40000);
    connect(&Timer1, &QTimer::timeout, this, &JRed::Timer1_Timer);
    connect(&Tmrtimeout, &QTimer::timeout, this, &JRed::Tmrtimeout_Timer);
    connect(Command1, &QPushButton::clicked, this, &JRed::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &JRed::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &JRed::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &JRed::Command5_Click);

    connect(Cancelar, &QPushButton::clicked, this, &JRed::Cancelar_Click);
    // Met: nothing left to give up.
    connect(enlace_.get(), &Enlace::conectadoComoServidor, Cancelar, &QWidget::hide);
    connect(enlace_.get(), &Enlace::conectadoComoCliente, Cancelar, &QWidget::hide);
    connect(enlace_.get(), &Enlace::conectadoComoServidor, this, &JRed::Ws_ConnectionRequest);
    connect(enlace_.get(), &Enlace::conectadoComoCliente, this, &JRed::Ws_Connect);
    connect(enlace_.get(), &Enlace::desconectado, this, &JRed::Ws_Close);
    connect(enlace_.get(), &Enlace::errorTransmision, this, &JRed::errorTransmision);
    connect(enlace_.get(), &Enlace::estadoCambiado, lblstate, &QLabel::setText);
    enlace_->alSaludar = [this](const QString& nombre, int cara) { saludar(nombre, cara); };
    enlace_->alRecibir = [this](const QString& codigo, const QString& argumento) {
        // Only a four-player host reads "NICK"; here it is acknowledged and
        // left alone.
        if (codigo == QLatin1String("NICK"))
            return true;
        return mesa_.recibir(codigo, argumento);
    };

    ponerCara(0);
    // As tall as what it holds: the status lines grow it when they speak.
    resize(500, sizeHint().height());
}

JRed::~JRed()
{
    Timer1.stop();
    Tmrtimeout.stop();
}

bool JRed::disponible() const { return disponible_; }

QString JRed::mensajeFalta() { return CargadorWs::mensajeFalta(); }

int JRed::cara() const { return Image3->property("tag").toString().toInt(); }

void JRed::ponerCara(int n)
{
    if (n < 0 || n >= cantidadCaras)
        n = 0;
    Image3->setProperty("tag", QString::number(n));
    Image3->setPixmap(QPixmap(QStringLiteral(":/caras/cara%1.png").arg(n, 2, 10, QLatin1Char('0'))));
    Image3->setAccessibleName(QStringLiteral("Cara %1").arg(n + 1));
}

void JRed::guardarCara()
{
    s_.settings.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"),
                     QString::number(cara()));
}

void JRed::habilitarEntradas(bool si)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, NombrePC, Command5, DireccionIP, MiNombre,
                                                      IPContrincante})
        w->setEnabled(si);
    // The face goes out with the name: it cannot change on the way.
    Command3->setEnabled(si);
    Command4->setEnabled(si);
    Cancelar->setVisible(!si);
}

void JRed::Cancelar_Click()
{
    dejarDeIntentar();
    IPContrincante->setFocus(Qt::OtherFocusReason);
}

// The attempt is over: the title and the status lines both say so.
void JRed::dejarDeIntentar()
{
    Timer1.stop();
    Tmrtimeout.stop();
    enlace_->cerrar();
    l2->clear();
    lblstate->setText(disponible_ ? QString() : mensajeFalta());
    habilitarEntradas(true);
    setWindowTitle(kTitulo);
}

void JRed::abrir()
{
    // Opening again while a game runs abandons it.
    if (RedDos)
        Form_QueryUnload();
    Form_Load();
    show();
    activateWindow();
}

void JRed::descargar()
{
    Form_QueryUnload();
    hide();
}

void JRed::Form_Load()
{
    Timer1.stop();
    Tmrtimeout.stop();
    setWindowTitle(kTitulo);
    habilitarEntradas(true);
    enlace_->PuedeEnviar = true;
    enlace_->SaludoHecho = 0;
    SoyServidor = false;
    lblestado->clear();
    lblstate->setText(disponible_ ? QString() : mensajeFalta());
    l2->clear();
    NombrePC->setText(QSysInfo::machineHostName());
    DireccionIP->setText(enlace_->ws().LocalIP());
    IPContrincante->setText(hostRecordado);
    MiNombre->setText(s_.settings.get(QStringLiteral("Truco"), QStringLiteral("Config"), QStringLiteral("nombre")));
    ponerCara(s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), 0));
    (IPContrincante->text().isEmpty() && !MiNombre->text().isEmpty() ? IPContrincante : MiNombre)
        ->setFocus(Qt::OtherFocusReason);
}

void JRed::Command3_Click() { ponerCara(caraAnterior(cara())); }

void JRed::Command4_Click() { ponerCara(caraSiguiente(cara())); }

void JRed::Command1_Click()
{
    const QString titulo = enlace_->titulo;
    if (IPContrincante->text().trimmed().isEmpty()) {
        s_.dialogs.message(this, Dialogs::Icon::Error, titulo,
                           QStringLiteral("Por favor escriba el nombre de la otra Pc o su dirección IP."));
        IPContrincante->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (MiNombre->text().trimmed().isEmpty()) {
        s_.dialogs.message(this, Dialogs::Icon::Error, titulo, QStringLiteral("Por favor escriba su nombre o apodo."));
        MiNombre->setFocus(Qt::OtherFocusReason);
        return;
    }
    guardarCara();
    habilitarEntradas(false);

    const QString destino = IPContrincante->text().trimmed();
    if (!disponible_ || !puertos::leerDestino(destino.toStdString()).valido) {
        s_.dialogs.message(this, Dialogs::Icon::Error, titulo,
                           disponible_ ? QStringLiteral("Error al intentar conectarse") : mensajeFalta());
        habilitarEntradas(true);
        IPContrincante->setFocus(Qt::OtherFocusReason);
        return;
    }
    hostRecordado = destino;
    enlace_->cerrar();

    Tmrtimeout.start(intervaloRendirse);
    setWindowTitle(QStringLiteral("Intentando conexión...."));
    lblestado->clear();
    // Two computers that press at once still start in different roles half
    // of the time.
    TocaEscuchar = s_.clock.currentSecond() % 2 == 1;
    Timer1_Timer();
}

void JRed::Timer1_Timer()
{
    Timer1.stop();
    Timer1.setInterval(intervaloIntento);
    const int fijo = Enlace::puertoConfigurado(s_.settings, QCoreApplication::arguments());
    bool bien = false;
    if (TocaEscuchar) {
        l2->setText(QStringLiteral("0"));
        bien = enlace_->escuchar(fijo);
    }
    // A turn to connect, or no port to wait on (on one computer the other
    // copy may hold the only one an ordinary user gets): reaching out beats idling.
    if (!bien) {
        l2->setText(QStringLiteral("1"));
        bien = enlace_->conectar(hostRecordado, fijo);
    }
    if (!bien)
        enlace_->cerrar();
    // Failed or not, the next attempt takes the other role.
    TocaEscuchar = !TocaEscuchar;
    Timer1.start();
}

void JRed::Tmrtimeout_Timer()
{
    Tmrtimeout.stop();
    if (enlace_->conectado())
        return;
    Timer1.stop();
    // Nobody may meet us behind the question, and the status no longer
    // says we are connecting.
    enlace_->cerrar();
    l2->clear();
    lblstate->clear();
    QPointer<JRed> yo(this);
    const bool seguir =
        s_.dialogs.ask(this, QStringLiteral("Error"),
                       QStringLiteral("No se ha podido realizar la conexión.") + QLatin1Char('\n') +
                           QStringLiteral("¿Desea seguir intentándolo?"));
    if (!yo)
        return;
    if (seguir) {
        Reintentar();
        return;
    }
    dejarDeIntentar();
}

void JRed::Reintentar()
{
    const QString direccion = IPContrincante->text();
    descargar();
    s_.clock.yieldEvents();
    abrir();
    IPContrincante->setText(direccion);
    Command1_Click();
}

void JRed::Ws_ConnectionRequest(long requestId)
{
    lblestado->setText(QStringLiteral("Contrincante conectado: ") + QString::number(requestId));
    Timer1.stop();
    Tmrtimeout.stop();
    SoyServidor = true;
    RedDos = true;
    mesa_.redConectada(*enlace_, true, MiNombre->text(), cara());
    hide();
    // The client's opening name message comes next.
}

void JRed::Ws_Connect()
{
    Tmrtimeout.stop();
    setWindowTitle(QStringLiteral("CONECTADO (CLIENTE)"));
    Timer1.stop();
    lblestado->setText(QStringLiteral("Conectado..esperando opciones del juego"));
    SoyServidor = false;
    RedDos = true;
    const QString nombre = MiNombre->text();
    const int miCara = cara();
    // The table turns into a network table first: the server's reply may
    // arrive during the pause below.
    mesa_.redConectada(*enlace_, false, nombre, miCara);
    hide();
    QPointer<JRed> yo(this);
    enlace_->enviarDirecto(texto(protocolo::saludo(nombre.toStdString(), miCara)));
    s_.clock.pause(1.5);
    if (!yo || !enlace_->conectado())
        return;
    enlace_->enviarDirecto(texto(protocolo::nick(nombre.toStdString(), miCara)));
}

void JRed::saludar(const QString& nombrePeer, int caraPeer)
{
    QPointer<JRed> yo(this);
    enlace_->enviarDirecto(texto(protocolo::saludo(MiNombre->text().toStdString(), cara())));
    s_.clock.pause(1.5);
    if (!yo || !RedDos || !enlace_->conectado())
        return;
    mesa_.saludoHecho(nombrePeer, caraPeer);
}

void JRed::terminar(bool porElPeer)
{
    if (!RedDos)
        return;
    RedDos = false;
    mesa_.redTerminada(porElPeer);
}

void JRed::Ws_Close()
{
    // The table says who left: it knows whether the match was over.
    enlace_->cerrar();
    terminar(true);
}

void JRed::errorTransmision()
{
    // The box was shown by the wire; the window unloads.
    Timer1.stop();
    Tmrtimeout.stop();
    enlace_->cerrar();
    hide();
    enlace_->PuedeEnviar = true;
    enlace_->SaludoHecho = 0;
    habilitarEntradas(true);
    setWindowTitle(kTitulo);
    terminar(false);
}

void JRed::Form_QueryUnload()
{
    Timer1.stop();
    Tmrtimeout.stop();
    enlace_->cerrar();
    guardarCara();
    terminar(false);
}

void JRed::reject()
{
    // Reached from the close box (closeEvent) and from Escape alike.
    if (isVisible())
        Form_QueryUnload();
    QDialog::reject();
}

void JRed::Command5_Click()
{
    if (MiNombre->text().trimmed().isEmpty()) {
        s_.dialogs.message(this, Dialogs::Icon::Error, enlace_->titulo,
                           QStringLiteral("Por favor escriba su nombre o apodo."));
        MiNombre->setFocus(Qt::OtherFocusReason);
        return;
    }
    guardarCara();
    if (abrirDea4)
        abrirDea4();
}
