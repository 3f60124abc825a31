#include "support/TestTable.h"
#include "game/Controles.h"
#include "net/CargadorWs.h"
#include "net/Enlace.h"

#include <QDir>
#include <QTest>
#include <QTimer>
#include <QTcpSocket>
#include <QWidget>

static QString fold(const QString& a, const QString& s, const QString& k)
{
    return (a + QLatin1Char('/') + s + QLatin1Char('/') + k).toLower();
}

QString MemorySettings::get(const QString& app, const QString& section, const QString& key,
                            const QString& def) const
{
    return values.value(fold(app, section, key), def);
}

void MemorySettings::save(const QString& app, const QString& section, const QString& key,
                          const QString& value)
{
    values.insert(fold(app, section, key), value);
}

void MemorySettings::deleteApp(const QString& app)
{
    const QString prefix = app.toLower() + QLatin1Char('/');
    for (auto it = values.begin(); it != values.end();) {
        if (it.key().startsWith(prefix))
            it = values.erase(it);
        else
            ++it;
    }
}

FakeServices::FakeServices(unsigned seed)
    : clock(seed),
      services{clock, dialogs, sound, settings, executableFolder(), home.path() + QStringLiteral("/Desktop")}
{
    QDir().mkpath(services.desktopFolder);
    services.conexion = &conexion;
    services.enlaces = &enlaces;
    services.windowsFolder = home.path() + QStringLiteral("/Quenbro");
}

namespace {
class PaginaFalsa : public PaginaWeb {
public:
    PaginaFalsa(FakeMotorWeb& motor, QWidget* padre) : motor_(motor), vista_(new QWidget(padre)) {}
    QWidget* vista() override { return vista_; }
    void navegar(const QUrl& url) override { motor_.navegaciones << url.toString(); }

private:
    FakeMotorWeb& motor_;
    QWidget* vista_;
};
}  // namespace

std::unique_ptr<PaginaWeb> FakeMotorWeb::crearPagina(QWidget* padre)
{
    ++paginas;
    return std::make_unique<PaginaFalsa>(*this, padre);
}

namespace {
QtMessageHandler previo = nullptr;

void filtro(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg.contains(QLatin1String("propagateSizeHints")))
        return;
    if (previo)
        previo(type, ctx, msg);
}
}  // namespace

void captura(QWidget* w, const QString& nombre)
{
    const QString carpeta = qEnvironmentVariable("TRUCO_CAPTURAS");
    if (!carpeta.isEmpty())
        w->grab().save(carpeta + QLatin1Char('/') + nombre + QStringLiteral(".png"));
}

bool asentar()
{
    bool hecho = false;
    QTimer::singleShot(0, [&hecho] { hecho = true; });
    return QTest::qWaitFor([&] { return hecho; }, 5000);
}

void silenciarAvisosDeDialogos() { previo = qInstallMessageHandler(filtro); }

PuertoReservado::PuertoReservado() : socket_(std::make_unique<QTcpSocket>())
{
    if (socket_->bind(QHostAddress::Any, 0, QAbstractSocket::ReuseAddressHint))
        numero_ = socket_->localPort();
}

int puntos(const Etiqueta* l) { return l->caption().toInt(); }

std::unique_ptr<Enlace> enlaceDePrueba(Services& s)
{
    // Loaded once: the plug-in stays mapped for the whole test program.
    static CargadorWs cargador(executableFolder());
    auto ws = cargador.crear();
    return ws ? std::make_unique<Enlace>(s, std::move(ws)) : nullptr;
}
