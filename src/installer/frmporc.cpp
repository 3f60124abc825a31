#include "installer/frmporc.h"

#include "platform/Ventanas.h"

#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

frmporc::frmporc(QWidget* owner) : QWidget(owner, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmporc"));
    setWindowTitle(QStringLiteral("Instalando Naipex"));
    setAccessibleDescription(QStringLiteral("frmporc"));
    // 4680 x 840 twips.
    setFixedSize(312, 56);
    centrarAlMostrar(*this);
    lbl1 = new QLabel(QStringLiteral("Copiando..."), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setAccessibleDescription(QStringLiteral("lbl1"));
    lbl1->setProperty("Tag", QString());
    lbl1->setAlignment(Qt::AlignCenter);
    QFont f = lbl1->font();
    f.setPointSize(12);
    lbl1->setFont(f);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lbl1);
    Timer1.setInterval(6000);
    connect(&Timer1, &QTimer::timeout, this, &frmporc::Timer1_Timer);
    Timer1.start();
}

int frmporc::porcentaje() const
{
    bool ok = false;
    const double v = lbl1->property("Tag").toString().toDouble(&ok);
    return ok ? static_cast<int>(std::trunc(v)) : -1;
}

void frmporc::Timer1_Timer()
{
    const int actual = porcentaje();
    if (actual < 0)
        return;
    const int n = actual + 2;
    lbl1->setText(QStringLiteral("Copiando...") + QString::number(n) + QStringLiteral(" %"));
    lbl1->setAccessibleName(lbl1->text());
    lbl1->setProperty("Tag", QString::number(n));
}
