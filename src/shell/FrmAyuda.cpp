#include "shell/FrmAyuda.h"

#include "shell/Nombres.h"
#include "shell/rules/Contenido.h"
#include "platform/Ventanas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr qint64 kTamanoMaximo = 4 * 1024 * 1024;

QString anclaDe(int contexto) { return QStringLiteral("tema%1").arg(contexto); }

bool leer(const QString& ruta, QByteArray& datos)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kTamanoMaximo)
        return false;
    datos = f.readAll();
    return true;
}

}  // namespace

FrmAyuda::FrmAyuda(QWidget* owner) : QWidget(owner, Qt::Window)
{
    nombrar(this, QStringLiteral("FrmAyuda"), QStringLiteral("Ayuda de Naipex"));
    setWindowTitle(QStringLiteral("Ayuda de Naipex"));
    // Never larger than the screen, where it could not be centred.
    resize(QSize(880, 600).boundedTo(screen()->availableGeometry().size() * 9 / 10));
    centrarAlMostrar(*this);

    auto* division = new QSplitter(this);
    Contenido = new QTreeWidget(division);
    nombrar(Contenido, QStringLiteral("Contenido"), QStringLiteral("Contenido"));
    Contenido->setHeaderHidden(true);
    // The contents read at the text's size (its body is 14 px), with air
    // round the list and between its lines.
    QFont letra = Contenido->font();
    letra.setPixelSize(14);
    Contenido->setFont(letra);
    Contenido->setStyleSheet(QStringLiteral("QTreeWidget { padding: 6px 4px; } QTreeWidget::item { padding: 3px 2px; }"));
    Contenido->setRootIsDecorated(true);
    Texto = new QTextBrowser(division);
    nombrar(Texto, QStringLiteral("Texto"), QStringLiteral("Texto de la ayuda"));
    Texto->setOpenLinks(false);
    division->addWidget(Contenido);
    division->addWidget(Texto);
    division->setStretchFactor(1, 1);
    division->setSizes({290, 590});
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(division);

    connect(Contenido, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, Qt::UserRole).toInt() > 0)
            mostrarTema(item->data(0, Qt::UserRole).toInt());
    });
    connect(Texto, &QTextBrowser::anchorClicked, this, &FrmAyuda::alPulsarEnlace);
}

bool FrmAyuda::cargar(const QString& carpeta, QString* error)
{
    QByteArray cnt;
    ayuda::Contenido contenido;
    if (leer(carpeta + QStringLiteral("/Truco.cnt"), cnt))
        contenido = ayuda::leerContenido(std::string_view(cnt.constData(), static_cast<std::size_t>(cnt.size())));
    // The contents name their help file; only a name beside the program counts.
    QString base = QFileInfo(QString::fromStdString(contenido.base)).fileName();
    if (base.isEmpty())
        base = QStringLiteral("Truco.hlp");

    const QString ruta = carpeta + QLatin1Char('/') + base;
    QByteArray html;
    if (!leer(ruta, html)) {
        if (error)
            *error = QStringLiteral("No se encontró el archivo de ayuda \"%1\" en la carpeta del programa:\n%2")
                         .arg(base, QDir::toNativeSeparators(carpeta));
        return false;
    }
    Texto->setHtml(QString::fromUtf8(html));

    Contenido->clear();
    QTreeWidgetItem* libro = nullptr;
    for (const ayuda::Entrada& e : contenido.entradas) {
        auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(e.titulo)));
        item->setData(0, Qt::UserRole, e.contexto);
        item->setToolTip(0, item->text(0));  // a narrow list cuts a long title
        if (e.nivel <= 1 || !libro) {
            Contenido->addTopLevelItem(item);
            libro = item;
        } else {
            libro->addChild(item);
        }
    }
    Contenido->expandAll();
    Contenido->setVisible(!contenido.entradas.empty());
    return true;
}

void FrmAyuda::mostrarTema(int contexto) { Texto->scrollToAnchor(anclaDe(contexto)); }

QStringList FrmAyuda::titulos() const
{
    QStringList out;
    for (QTreeWidgetItemIterator it(Contenido); *it; ++it)
        out << (*it)->text(0);
    return out;
}

void FrmAyuda::alPulsarEnlace(const QUrl& url)
{
    if (url.scheme().isEmpty() && url.hasFragment()) {
        Texto->scrollToAnchor(url.fragment());
        return;
    }
    const QString esquema = url.scheme().toLower();
    if (esquema == QLatin1String("http") || esquema == QLatin1String("https") || esquema == QLatin1String("mailto"))
        emit abrirFuera(url);
}
