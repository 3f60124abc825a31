#include "platform/Red.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace {

// Backends that watch the real connection. The glib one says "online" on
// any machine with a default route, Internet or not, so it is never loaded.
bool cargarBackendFiable()
{
    for (const QString& nombre : {QStringLiteral("networkmanager"), QStringLiteral("networklistmanager"),
                                  QStringLiteral("applenetworkinformation"), QStringLiteral("android")}) {
        if (QNetworkInformation::loadBackendByName(nombre))
            return true;
    }
    return false;
}

bool direccionUtil(const QHostAddress& a)
{
    return !a.isNull() && !a.isLoopback() && !a.isLinkLocal();
}

bool hayInterfazArriba()
{
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!f.testFlag(QNetworkInterface::IsUp) || !f.testFlag(QNetworkInterface::IsRunning)
            || f.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            if (direccionUtil(e.ip()))
                return true;
        }
    }
    return false;
}

}  // namespace

bool ConexionSistema::IsOnline()
{
    static const bool fiable = cargarBackendFiable();
    if (QNetworkInformation* ni = QNetworkInformation::instance(); fiable && ni
        && ni->supports(QNetworkInformation::Feature::Reachability)
        && ni->reachability() != QNetworkInformation::Reachability::Unknown)
        return ni->reachability() == QNetworkInformation::Reachability::Online;
    return hayInterfazArriba();
}

DescargadorHttp::DescargadorHttp(int limiteMs) : limiteMs_(limiteMs) {}

DescargadorHttp::~DescargadorHttp() = default;

bool DescargadorHttp::DownloadFile(const QString& URL, const QString& LocalFilename, qint64 tamanoMaximo)
{
    const qint64 limite = qMin(tamanoMaximo, kTamanoMaximo);
    const QUrl url(URL);
    const QString esquema = url.scheme().toLower();
    if (!url.isValid() || (esquema != QLatin1String("http") && esquema != QLatin1String("https")))
        return false;
    QDir().mkpath(QFileInfo(LocalFilename).absolutePath());
    // Written beside the target and renamed over it only when complete.
    QSaveFile destino(LocalFilename);
    if (!destino.open(QIODevice::WriteOnly))
        return false;

    if (!nam_)
        nam_ = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest pedido(url);
    pedido.setTransferTimeout(limiteMs_);
    std::unique_ptr<QNetworkReply> r(nam_->get(pedido));

    qint64 recibidos = 0;
    bool escrito = true;
    auto guardar = [&] {
        const QByteArray b = r->readAll();
        recibidos += b.size();
        if (recibidos > limite) {
            escrito = false;
            r->abort();
            return;
        }
        if (destino.write(b) != b.size())
            escrito = false;
    };
    QEventLoop espera;
    QObject::connect(r.get(), &QNetworkReply::readyRead, &espera, guardar);
    QObject::connect(r.get(), &QNetworkReply::finished, &espera, &QEventLoop::quit);
    // The whole download has a deadline too, not only each silence.
    QTimer plazo;
    plazo.setSingleShot(true);
    QObject::connect(&plazo, &QTimer::timeout, r.get(), &QNetworkReply::abort);
    plazo.start(limiteMs_);
    if (!r->isFinished())
        espera.exec();
    plazo.stop();
    if (!r->isFinished()) {
        // The program is ending and left every event loop.
        r->abort();
        destino.cancelWriting();
        return false;
    }
    if (escrito && r->bytesAvailable() > 0)
        guardar();

    const int estado = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = escrito && r->error() == QNetworkReply::NoError && estado >= 200 && estado < 300;
    if (!ok) {
        destino.cancelWriting();
        return false;
    }
    return destino.commit();
}
