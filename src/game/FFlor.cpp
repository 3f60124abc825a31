#include "game/FFlor.h"


#include "game/Form1.h"
#include "platform/Ventanas.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QShowEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FFlor::FFlor(QWidget& padre, const QString& texto, bool contraflor, std::function<void(bool)> responder)
    : QDialog(&padre)
{
    setObjectName(QStringLiteral("FFlor"));
    setWindowTitle(QStringLiteral("La computadora cantó flor"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleDescription(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    QFont fv = Label1->font();
    fv.setPixelSize(16);
    fv.setItalic(true);
    Label1->setFont(fv);
    Label1->setMinimumWidth(360);
    olor = new QPushButton(QStringLiteral(" ! Hasta aquí llegó el olor !"), this);
    cf = new QPushButton(QStringLiteral("Contraflor"), this);
    olor->setObjectName(QStringLiteral("olor"));
    cf->setObjectName(QStringLiteral("cf"));
    for (QPushButton* b : {olor, cf}) {
        b->setAccessibleDescription(b->objectName());
        b->setAccessibleName(b->text().trimmed());
        b->setAutoDefault(false);
    }
    // The singer's face beside the verse.
    auto* cara = new QLabel(this);
    cara->setPixmap(QPixmap(QStringLiteral(":/caras/pc.png")).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    cara->setAlignment(Qt::AlignTop);
    auto* verso = new QHBoxLayout;
    verso->addWidget(cara);
    verso->addWidget(Label1, 1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(olor);
    botones->addWidget(cf);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(14, 14, 14, 12);
    v->setSpacing(12);
    v->addLayout(verso);
    v->addLayout(botones);
    connect(olor, &QPushButton::clicked, this, &FFlor::olor_Click);
    connect(cf, &QPushButton::clicked, this, &FFlor::cf_Click);
    preparar(texto, contraflor, std::move(responder));
}

void FFlor::preparar(const QString& texto, bool contraflor, std::function<void(bool)> responder)
{
    Label1->setText(texto);
    Label1->setAccessibleName(texto);
    cf->setEnabled(contraflor);
    responder_ = std::move(responder);
    respondido_ = false;
    // The answer pressed last time may hold the focus.
    olor->setFocus();
    // Sized for this verse when shown, whatever size it was given last time.
    if (!isVisible())
        setAttribute(Qt::WA_Resized, false);
}

void FFlor::retirar()
{
    respondido_ = true;
    responder_ = nullptr;
    if (isVisible())
        done(QDialog::Rejected);
}

void FFlor::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    auto* mesa = qobject_cast<Form1*>(parentWidget()->window());
    if (!mesa)
        return;
    centrarSobre(*this, *mesa);
    const QRect cartas = mesa->zonaDeBazas();
    QRect r = frameGeometry();
    if (cartas.isEmpty() || !r.intersects(cartas))
        return;
    // Below the tricks, where the player's own cards are; above them when the
    // screen ends first.
    constexpr int kAire = 6;
    r.moveTop(cartas.bottom() + kAire);
    const QScreen* pantalla = mesa->screen();
    if (pantalla && r.bottom() > pantalla->availableGeometry().bottom())
        r.moveBottom(cartas.top() - kAire);
    move(r.topLeft());
}

void FFlor::olor_Click()
{
    if (respondido_)
        return;
    respondido_ = true;
    // The answer may bring the next flor into this same window.
    const auto responder = std::move(responder_);
    accept();
    if (responder)
        responder(false);
}

void FFlor::cf_Click()
{
    if (respondido_ || !cf->isEnabled())
        return;
    respondido_ = true;
    const auto responder = std::move(responder_);
    accept();
    if (responder)
        responder(true);
}

void FFlor::reject()
{
    if (!respondido_)
        olor_Click();
    else
        QDialog::reject();
}
