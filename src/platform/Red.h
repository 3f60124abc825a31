#pragma once
// The Internet as the table uses it: is the computer connected, and fetch a
// file. Behind interfaces, so tests decide when the computer is online.
#include <QString>
#include <memory>

class QNetworkAccessManager;

class Conexion {
public:
    virtual ~Conexion() = default;
    virtual bool IsOnline() = 0;
};

// Asks the system: QNetworkInformation where its backend can really tell,
// otherwise an interface that is up, not loopback, with a routable address.
class ConexionSistema : public Conexion {
public:
    bool IsOnline() override;
};

class Descargador {
public:
    virtual ~Descargador() = default;
    // Stores the resource at URL under LocalFilename; true on success. An
    // answer over tamanoMaximo bytes is refused. A failed or refused
    // download leaves the previous file whole.
    virtual bool DownloadFile(const QString& URL, const QString& LocalFilename, qint64 tamanoMaximo) = 0;
};

// HTTP(S) through Qt Network, waited for in a nested event loop (the window
// stays alive and the thread sleeps) with a time-out.
class DescargadorHttp : public Descargador {
public:
    explicit DescargadorHttp(int limiteMs = 15000);
    ~DescargadorHttp() override;
    bool DownloadFile(const QString& URL, const QString& LocalFilename, qint64 tamanoMaximo) override;

    // Larger answers are refused whatever the caller allows: nothing the
    // table fetches comes near it.
    static constexpr qint64 kTamanoMaximo = 1024 * 1024;

private:
    int limiteMs_;
    std::unique_ptr<QNetworkAccessManager> nam_;  // made on the first download
};
