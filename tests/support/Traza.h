#pragma once
// What a player at one table perceives, in order, as lines of text: what is
// said and shown in the labels, the sounds, the boxes, the windows, and each
// turn the scripted player takes (panel, score, choice). Two runs of the same
// seed give the same lines; golden files keep them to prove a refactor
// changed nothing a player could notice.
#include <QObject>
#include <QString>
#include <QStringList>

struct MesaDePrueba;
class JugadorGuionado;
class Enlace;

class Traza {
public:
    explicit Traza(MesaDePrueba& m);
    // The player's turns too: what he was offered and what he chose.
    void seguir(JugadorGuionado& j);
    // Every message this table writes on the wire, byte for byte.
    void seguirCable(Enlace& e, const QString& marca = QStringLiteral("W"));
    // One line each: a line break inside a text is written as "\\n".
    void anotar(const QString& linea)
    {
        if (abierta_)
            lineas << QString(linea).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    }
    // Nothing more is kept: what follows the end of a match depends on timing.
    void cerrar() { abierta_ = false; }
    QStringList lineas;
    // A short fingerprint of every line, for the seeds kept only as digests.
    QString resumen() const;
    QString texto() const { return lineas.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

private:
    QObject contexto_;
    bool abierta_ = true;
};

// Golden files: where they are kept, and whether this run writes them anew
// (TRUCO_GRABAR_TRAZAS=1) instead of comparing. TRUCO_TRAZAS=<folder> also
// writes every trace played there, to read a difference.
namespace trazas {
QString carpeta();
bool grabando();
// The kept digest lines of one kind ("semilla ... resumen"), by seed.
QStringList leer(const QString& archivo);
void escribir(const QString& archivo, const QString& texto);
// Writes the trace under TRUCO_TRAZAS when it is set.
void volcar(const QString& nombre, const Traza& t);
// The first line where two traces part, for a readable failure.
QString primeraDiferencia(const QString& esperado, const QString& obtenido);
}  // namespace trazas
