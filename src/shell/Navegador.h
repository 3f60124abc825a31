#pragma once
#include <QString>
#include <QUrl>
#include <QWidget>
#include <memory>

class MotorWeb;
class PaginaWeb;
class Vinculo;

// A page area (the table's banner, the sponsor window). The page view is made
// on the first navigation; without a web engine the area offers a link to the
// address instead.
class Navegador : public QWidget {
    Q_OBJECT
public:
    Navegador(const QString& nombre, MotorWeb* motor, QWidget* parent);
    ~Navegador() override;
    // False without an engine, or once it failed to start.
    bool tieneMotor() const { return motor_ != nullptr; }
    bool paginaCreada() const { return pagina_ != nullptr; }
    void Navigate(const QString& url);
    QString LocationURL() const { return url_; }
    // The link shown without an engine.
    Vinculo* enlace() const { return enlace_; }

signals:
    // Without an engine, the player asked for the page.
    void abrirFuera(const QUrl& url);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void modoEnlace();
    MotorWeb* motor_;
    std::unique_ptr<PaginaWeb> pagina_;
    Vinculo* enlace_ = nullptr;
    QString url_;
};
