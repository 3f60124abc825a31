#include "shell/FrmSponsor.h"

#include "shell/Navegador.h"
#include "shell/Nombres.h"

#include <QCloseEvent>
#include <QVBoxLayout>

FrmSponsor::FrmSponsor(MotorWeb* motor, QWidget* owner) : QWidget(owner, Qt::Window)
{
    nombrar(this, QStringLiteral("FrmSponsor"), QStringLiteral("Sponsor - Naipex"));
    setWindowTitle(QStringLiteral("Sponsor - Naipex"));
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    Wb2 = new Navegador(QStringLiteral("Wb2"), motor, this);
    capa->addWidget(Wb2);
    Form_Load();
}

void FrmSponsor::Form_Load() { setFixedSize(kAncho, kAlto); }

void FrmSponsor::closeEvent(QCloseEvent* e)
{
    if (terminando_)
        e->accept();
    else
        e->ignore();
}
