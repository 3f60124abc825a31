#include "shell/Navegador.h"

#include "platform/Web.h"
#include "shell/Nombres.h"
#include "shell/Vinculo.h"

#include <QResizeEvent>

Navegador::Navegador(const QString& nombre, MotorWeb* motor, QWidget* parent) : QWidget(parent), motor_(motor)
{
    nombrar(this, nombre, QStringLiteral("Página"));
    if (!motor_)
        modoEnlace();
}

void Navegador::modoEnlace()
{
    motor_ = nullptr;
    enlace_ = new Vinculo(objectName() + QStringLiteral("Enlace"), QString(), this);
    enlace_->setAlignment(Qt::AlignCenter);
    enlace_->setWordWrap(true);
    enlace_->setStyleSheet(QStringLiteral("color: #1a3fa0; background: #fffbe6; padding: 6px;"));
    enlace_->setGeometry(rect());
    enlace_->show();
    connect(enlace_, &Vinculo::clicked, this, [this] {
        if (!url_.isEmpty())
            emit abrirFuera(QUrl(url_));
    });
}

Navegador::~Navegador() = default;

void Navegador::Navigate(const QString& url)
{
    url_ = url;
    if (motor_ && !pagina_) {
        pagina_ = motor_->crearPagina(this);
        if (pagina_) {
            pagina_->vista()->setGeometry(rect());
            pagina_->vista()->show();
        } else {
            modoEnlace();  // the engine could not start
        }
    }
    if (!motor_) {
        const QUrl u(url);
        enlace_->setCaption(QStringLiteral("Visite la página de nuestro patrocinador:\n") + (u.host().isEmpty() ? url : u.host()));
        return;
    }
    pagina_->navegar(QUrl(url));
}

void Navegador::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (pagina_)
        pagina_->vista()->setGeometry(rect());
    if (enlace_)
        enlace_->setGeometry(rect());
}
