#include "shell/Facerca.h"

#include "platform/Enlaces.h"
#include "platform/Sitios.h"
#include "shell/Nombres.h"
#include "shell/Vinculo.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

QLabel* imagen(QWidget* parent, const QString& control, const QString& oido, const QString& recurso)
{
    auto* l = new QLabel(parent);
    const QPixmap pm(recurso);
    l->setPixmap(pm);
    l->setFixedSize(pm.isNull() ? QSize(1, 1) : pm.size());
    nombrar(l, control, oido);
    return l;
}

// Captions of the three links, drawn beside them.
struct Rotulo {
    int y;
    const char* texto;
};
constexpr Rotulo kRotulos[] = {{150, "Sitio web:"}, {176, "Sitio amigo:"}, {202, "Correo:"}};
constexpr int kXRotulo = 36;
constexpr int kXVinculo = 150;

}  // namespace

Facerca::Facerca(Enlaces* enlaces, QWidget* parent) : QDialog(parent), enlaces_(enlaces)
{
    nombrar(this, QStringLiteral("Facerca"), QStringLiteral("Acerca de Naipex"));
    setWindowTitle(QStringLiteral("Acerca de Naipex"));
    setFixedSize(460, 320);
    fondo_ = QPixmap(QStringLiteral(":/acerca/fondo.jpg"));

    Image1 = imagen(this, QStringLiteral("Image1"), QStringLiteral("Logotipo de Quenbro"), QStringLiteral(":/acerca/logo1.png"));
    Image1->move(28, 24);
    Image2 = imagen(this, QStringLiteral("Image2"), QStringLiteral("Logotipo de Naipex"), QStringLiteral(":/acerca/logo2.bmp"));
    Image2->move(140, 36);

    QFont fv = font();
    fv.setPixelSize(14);
    auto vinculo = [&](const QString& nombre, const QString& texto, int y) {
        auto* v = new Vinculo(nombre, texto, this);
        v->setFont(fv);
        v->setStyleSheet(QStringLiteral("color: #1a3fa0;"));
        v->setGeometry(kXVinculo, y, width() - kXVinculo - 24, 22);
        return v;
    };
    Label3 = vinculo(QStringLiteral("Label3"), sitios::hostFabricante(), kRotulos[0].y);
    Label4 = vinculo(QStringLiteral("Label4"), sitios::hostSocio(), kRotulos[1].y);
    Label2 = vinculo(QStringLiteral("Label2"), sitios::correo(), kRotulos[2].y);
    connect(Label3, &Vinculo::clicked, this, &Facerca::Label3_Click);
    connect(Label4, &Vinculo::clicked, this, &Facerca::Label4_Click);
    connect(Label2, &Vinculo::clicked, this, &Facerca::Label2_Click);

    Label1 = new QLabel(QStringLiteral("Naipex 2.0 es un programa gratuito de Quenbro Software. "
                                       "Todos los derechos reservados."),
                        this);
    nombrar(Label1, QStringLiteral("Label1"), Label1->text());
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    QFont fa = font();
    fa.setPixelSize(12);
    Label1->setFont(fa);
    Label1->setStyleSheet(QStringLiteral("color: #303040;"));
    Label1->setGeometry(24, 236, width() - 48, 34);
    LR = new QLabel(this);
    nombrar(LR, QStringLiteral("LR"), QString());
    LR->setGeometry(24, 280, 200, 20);

    Command1 = new QPushButton(QStringLiteral("Aceptar"), this);
    nombrar(Command1, QStringLiteral("Command1"), QStringLiteral("Aceptar"));
    Command1->setGeometry(width() - 124, height() - 40, 100, 28);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Facerca::Command1_Click);
}

void Facerca::abrir(const QUrl& url)
{
    if (enlaces_)
        enlaces_->abrir(url);
}

// The caption shows the host; the whole address keeps the site's scheme and port.
void Facerca::Label3_Click() { abrir(QUrl(sitios::fabricante())); }

void Facerca::Label4_Click() { abrir(QUrl(sitios::socio())); }

void Facerca::Label2_Click() { abrir(QUrl(QStringLiteral("mailto:") + Label2->caption())); }

void Facerca::Command1_Click()
{
    // Shown from the menu the tag holds "0": hide and keep the window for next time.
    if (Tag == QLatin1String("0"))
        hide();
    else
        close();
}

void Facerca::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!fondo_.isNull())
        p.drawPixmap(rect(), fondo_);
    else
        p.fillRect(rect(), QColor(236, 240, 250));
    QFont f = font();
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 40, 60));
    for (const Rotulo& r : kRotulos)
        p.drawText(QRect(kXRotulo, r.y, kXVinculo - kXRotulo - 8, 22), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(r.texto));
}
