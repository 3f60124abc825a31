#pragma once
// Web pages shown inside the game (banners, sponsor). The real engine is Qt
// WebEngine when the program is built with it; without it there is none and
// the windows show links instead.
#include <QLibrary>
#include <QString>
#include <QUrl>
#include <memory>

class QWidget;

class PaginaWeb {
public:
    virtual ~PaginaWeb() = default;
    virtual QWidget* vista() = 0;
    virtual void navegar(const QUrl& url) = 0;
};

class MotorWeb {
public:
    virtual ~MotorWeb() = default;
    // A page view inside `padre`; costly, so made only when a page is shown.
    // Nothing when the engine cannot start.
    virtual std::unique_ptr<PaginaWeb> crearPagina(QWidget* padre) = 0;
};

// The engine in a module of its own (NaipexWeb.so), loaded on the first page:
// linking Qt WebEngine into the game would nearly double its memory at start.
// A missing or broken module leaves the game with links instead of pages.
class MotorModulo : public MotorWeb {
public:
    explicit MotorModulo(const QString& ruta);
    ~MotorModulo() override;
    std::unique_ptr<PaginaWeb> crearPagina(QWidget* padre) override;
    bool cargado() const { return motor_ != nullptr; }

private:
    QLibrary modulo_;
    bool intentado_ = false;
    std::unique_ptr<MotorWeb> motor_;
};

// The engine the program was built with, or none. Cheap: nothing of the
// engine starts until the first page is made.
std::unique_ptr<MotorWeb> crearMotorWeb();

// Before the QApplication exists: what the engine needs to start later.
void prepararMotorWeb();
