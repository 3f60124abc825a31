#include "calls/FFlor.h"

#include "game/Form1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FFlor::FFlor(Form1& mesa, const QString& texto) : QDialog(&mesa), f_(mesa)
{
    setObjectName(QStringLiteral("FFlor"));
    setWindowTitle(QStringLiteral("La computadora cantó flor"));
    setModal(true);
    Label1 = new QLabel(texto, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleDescription(QStringLiteral("Label1"));
    Label1->setAccessibleName(texto);
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
    Form_Load();
}

void FFlor::Form_Load()
{
    cf->setEnabled(f_.FlorHumano);
    f_.Sonar(f_.EnvidoCantado ? 13 : 10, 0, QString());
    olor->setFocus();
}

void FFlor::olor_Click()
{
    respondido_ = true;
    f_.BotonPulsado = 10;
    for (auto* b : f_.bt)
        b->setEnabled(false);
    f_.Flor->setEnabled(false);
    f_.decir(f_.LH, QStringLiteral("¡Hasta aquí llegó el olor!"));
    f_.DarPuntos(QStringLiteral("M"), 3);
    f_.HumanoRespondio = true;
    f_.FlorCantada = f_.EnvidoCantado = true;
    accept();
}

void FFlor::cf_Click()
{
    if (!f_.FlorHumano)
        return;
    respondido_ = true;
    f_.BotonPulsado = 10;
    f_.ContraflorCantada = true;
    f_.HumanoRespondio = true;
    for (int i : {2, 4, 6})
        f_.bt[i]->setEnabled(false);
    f_.Flor->setEnabled(false);
    f_.FlorCantada = f_.EnvidoCantado = true;
    f_.decir(f_.LH, QStringLiteral("Contraflor"));
    f_.Sonar(11, 0, QString());
    accept();
}

void FFlor::reject()
{
    if (!respondido_)
        olor_Click();
    else
        QDialog::reject();
}
