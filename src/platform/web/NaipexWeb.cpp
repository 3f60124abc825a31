// The page engine module, NaipexWeb.so: Qt WebEngine in a profile of the
// game's own whose cache folder is known (the installer empties it). The
// game loads it when the first page is shown, so Qt WebEngine costs nothing
// before that.
#include "platform/Web.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

class PaginaWebEngine : public PaginaWeb {
public:
    PaginaWebEngine(QWebEngineProfile* perfil, QWidget* padre) : vista_(new QWebEngineView(padre))
    {
        vista_->setPage(new QWebEnginePage(perfil, vista_));
        vista_->setContextMenuPolicy(Qt::NoContextMenu);
    }
    QWidget* vista() override { return vista_; }
    void navegar(const QUrl& url) override { vista_->setUrl(url); }

private:
    QWebEngineView* vista_;  // owned by its parent widget
};

class MotorWebEngine : public MotorWeb {
public:
    MotorWebEngine(const QString& cache, const QString& datos) : cache_(cache), datos_(datos) {}

    std::unique_ptr<PaginaWeb> crearPagina(QWidget* padre) override
    {
        if (!perfil_) {
            perfil_ = std::make_unique<QWebEngineProfile>(QStringLiteral("Naipex"));
            perfil_->setCachePath(cache_);
            perfil_->setPersistentStoragePath(datos_);
            perfil_->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
            perfil_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        }
        return std::make_unique<PaginaWebEngine>(perfil_.get(), padre);
    }

private:
    QString cache_, datos_;
    // Outlives the pages: the engine is destroyed after the table.
    std::unique_ptr<QWebEngineProfile> perfil_;
};

}  // namespace

extern "C" Q_DECL_EXPORT MotorWeb* naipex_crear_motor_web(const QString& cache, const QString& datos)
{
    return new MotorWebEngine(cache, datos);
}
