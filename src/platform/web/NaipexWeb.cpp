// The page engine module, NaipexWeb.so: Qt WebEngine in a profile of the
// game's own whose cache folder is known (the installer empties it). The
// game loads it when the first page is shown, so Qt WebEngine costs nothing
// before that.
#include "platform/Web.h"

#include <QOpenGLContext>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

// Qt's context that every other one shares with, exported by Qt GUI though
// not in its public headers. Qt WebEngine and Qt's widgets read it.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// Qt WebEngine draws through a context shared with the widgets and crashes
// without one. Qt makes it at start when Qt::AA_ShareOpenGLContexts is set,
// but that loads the 3D driver in every start of the game; it is made here
// instead, the way Qt does, when the first page is. It lives as long as the
// process: the engine uses it until its own end, after the application's.
void compartirContextoOpenGL()
{
    if (qt_gl_global_share_context())
        return;
    auto* contexto = new QOpenGLContext;
    contexto->setFormat(QSurfaceFormat::defaultFormat());
    contexto->create();  // when it fails, the engine sees it and draws without the GPU
    qt_gl_set_global_share_context(contexto);
}

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
            compartirContextoOpenGL();
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
