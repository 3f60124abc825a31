// The host window's controls, their layout and the seats' pictures; what
// the gathering does with them is in Dea4.cpp.
#include "net/Dea4.h"

#include "net/Enlace.h"
#include "platform/Settings.h"
#include "shell/Nombres.h"
#include "shell/rules/Caras.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void Dea4::construirControles()
{
    lblestado = new QLabel(this);
    lblestado->setObjectName(QStringLiteral("lblestado"));
    lblestado->setAccessibleDescription(QStringLiteral("lblestado"));
    lblestado->setWordWrap(true);
    lblestado->setTextFormat(Qt::PlainText);  // it names players
    connect(ws_[0].get(), &Enlace::estadoCambiado, lblestado, &QLabel::setText);
    lbldireccion = new QLabel(this);
    lbldireccion->setObjectName(QStringLiteral("lbldireccion"));
    lbldireccion->setWordWrap(true);
    lbldireccion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Once listening, the address and port to give the others.
    connect(ws_[0].get(), &Enlace::estadoCambiado, this, [this] {
        const int puerto = ws_[0]->puertoEscucha();
        lbldireccion->setText(puerto <= 0 ? QString()
                                          : QStringLiteral("Los otros tres jugadores escriben %1:%2 en \"Conectar a:\" "
                                                           "y pulsan Conectar.")
                                                .arg(ws_[0]->ws().LocalIP())
                                                .arg(puerto));
        lbldireccion->setAccessibleName(lbldireccion->text());
    });

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(12);
    g->setVerticalSpacing(8);
    for (int i = 0; i < 4; ++i) {
        const QString caption = QStringLiteral("[Jugador %1]").arg(i + 1);
        Jug[i] = new QRadioButton(caption, this);
        nombrar(Jug[i], QStringLiteral("Jug(%1)").arg(i), caption);
        Jug[i]->setMinimumWidth(180);
        car[i] = new QLabel(this);
        car[i]->setFixedSize(48, 48);
        car[i]->setScaledContents(true);
        car[i]->setFrameShape(QFrame::StyledPanel);
        nombrar(car[i], QStringLiteral("car(%1)").arg(i), QStringLiteral("Cara"));
        g->addWidget(car[i], i, 0);
        g->addWidget(Jug[i], i, 1);
        // Jug(i) stands for the client on socket i + 1, read by its text.
        Jug[i]->setAccessibleName(caption);
    }
    // The host's own option is loaded with the dealer choice.
    Jug[3]->hide();
    car[3]->hide();

    Command1 = new QPushButton(QStringLiteral("Continuar ->"), this);
    nombrar(Command1, QStringLiteral("Command1"), QStringLiteral("Continuar"));
    Command1->setAutoDefault(false);
    Command1->setDefault(true);
    Command1->setMinimumWidth(120);
    connect(Command1, &QPushButton::clicked, this, &Dea4::Command1_Click);

    Completar = new QPushButton(QStringLiteral("Completar con la PC"), this);
    nombrar(Completar, QStringLiteral("Completar"), QStringLiteral("Completar con la PC"));
    Completar->setAutoDefault(false);
    Completar->setEnabled(false);
    connect(Completar, &QPushButton::clicked, this, &Dea4::Completar_Click);

    ChkReemplazo = new QCheckBox(QStringLiteral("Si alguien se va, la PC juega por él"), this);
    nombrar(ChkReemplazo, QStringLiteral("ChkReemplazo"), ChkReemplazo->text());
    connect(ChkReemplazo, &QCheckBox::toggled, this, [this](bool si) {
        s_.settings.save(QStringLiteral("Truco"), QStringLiteral("Red"), QStringLiteral("Reemplazo"),
                         si ? QStringLiteral("-1") : QStringLiteral("0"));
    });

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 14, 16, 12);
    // Sized to what it holds: stretched or maximised it would only show
    // empty space.
    v->setSizeConstraint(QLayout::SetFixedSize);
    v->setSpacing(12);
    v->addWidget(lbldireccion);
    v->addLayout(g);
    v->addWidget(lblestado);
    v->addWidget(ChkReemplazo);
    v->addStretch(1);
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(Completar);
    h->addWidget(Command1);
    v->addLayout(h);
    resize(340, 300);
}

QPixmap Dea4::asientoLibre()
{
    // A grey figure on a light ground: a place, nobody in it.
    QPixmap pm(96, 96);
    pm.fill(QColor(0xe4, 0xe6, 0xea));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa8, 0xad, 0xb6));
    p.drawEllipse(QRectF(30, 14, 36, 36));
    p.drawRoundedRect(QRectF(16, 56, 64, 48), 24, 24);
    return pm;
}

void Dea4::ponerTitulo(const QString& t)
{
    setWindowTitle(t);
    setAccessibleName(t);
}

void Dea4::ponerCara(int opcion, int cara)
{
    if (cara < 0 || cara >= cantidadCaras)
        cara = 0;
    car[opcion]->setPixmap(QPixmap(QStringLiteral(":/caras/cara%1.png").arg(cara, 2, 10, QLatin1Char('0'))));
    car[opcion]->setProperty("tag", QString::number(cara));
    car[opcion]->setAccessibleName(QStringLiteral("Cara %1").arg(cara + 1));
}
