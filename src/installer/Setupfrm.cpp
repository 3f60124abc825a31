#include "installer/Setupfrm.h"

#include "installer/Borrar.h"
#include "installer/Grupo.h"
#include "installer/ModSetup.h"
#include "installer/frmporc.h"
#include "installer/rules/PrivateFolder.h"
#include "installer/rules/Replacement.h"
#include "platform/Carpetas.h"
#include "platform/Dialogs.h"
#include "platform/IniSettings.h"
#include "platform/Sitios.h"
#include "platform/Ventanas.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

QString fuenteComic()
{
    const QStringList familias = QFontDatabase::families();
    if (familias.contains(QStringLiteral("Comic Sans MS")))
        return QStringLiteral("Comic Sans MS");
    return QStringLiteral("Comic Neue");
}

void nombrar(QWidget* w, const QString& control, const QString& oido)
{
    w->setObjectName(control);
    w->setAccessibleDescription(control);
    w->setAccessibleName(oido);
}

// "~" and relative paths as a shell would read them; the final "/" is kept.
QString rutaAbsoluta(QString texto)
{
    if (texto == QLatin1String("~") || texto.startsWith(QStringLiteral("~/")))
        texto = QDir::homePath() + texto.mid(1);
    QString abs = QDir::cleanPath(QDir::current().absoluteFilePath(texto));
    if (!abs.endsWith(QLatin1Char('/')))
        abs += QLatin1Char('/');
    return abs;
}

bool contieneArchivos(const QString& carpeta)
{
    return !QDir(carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
}

std::string local(const QString& s) { return QFile::encodeName(s).toStdString(); }

const QString kCancelada =
    QStringLiteral("La instalación se ha cancelado: no se modificó la instalación anterior.");

const QString kMensaje = QStringLiteral(
    "Se instalará el programa Naipex 2.0 en su Pc, versión informática del clásico juego de cartas "
    "españolas muy popularizado en Argentina y Uruguay. Incluye sonidos y la posibilidad de competir en red.");

}  // namespace

Setupfrm::Setupfrm(const Entorno& entorno, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), e_(entorno), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Setupfrm"));
    setWindowTitle(QStringLiteral("Instalación de Naipex 2.0"));
    setAccessibleDescription(QStringLiteral("Setupfrm"));
    setFixedSize(540, 330);
    // Its boxes and the progress window take the look from the application.
    aplicarAspecto();
    centrarEnPantalla(*this);
    setMouseTracking(true);
    QFont comic(fuenteComic());
    comic.setPointSize(11);
    setFont(comic);
    // Dark text: it reads at 4.5:1 or better over every shade of the backdrop
    // (white fell to 3:1 on its lighter middle).
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(12, 12, 20));
    setPalette(pal);

    imgsoft = new QLabel(this);
    nombrar(imgsoft, QStringLiteral("imgsoft"), QStringLiteral("Quenbro"));
    imgsoft->setPixmap(QPixmap(QStringLiteral(":/instalox/logo.png")));
    imgsoft->setFixedSize(120, 120);
    imgsoft->setScaledContents(true);

    lblmensaje = new QLabel(kMensaje, this);
    nombrar(lblmensaje, QStringLiteral("lblmensaje"), kMensaje);
    lblmensaje->setWordWrap(true);
    QFont grande = comic;
    grande.setPointSize(12);
    grande.setBold(true);
    lblmensaje->setFont(grande);

    Label1 = new QLabel(QStringLiteral("Directorio:"), this);
    nombrar(Label1, QStringLiteral("Label1"), Label1->text());
    Label1->setFont(grande);
    Txtdir = new QLineEdit(this);
    nombrar(Txtdir, QStringLiteral("Txtdir"), QStringLiteral("Directorio"));
    Label1->setBuddy(Txtdir);
    Cmdinstalar = new QPushButton(QStringLiteral("Instalar"), this);
    nombrar(Cmdinstalar, QStringLiteral("Cmdinstalar"), QStringLiteral("Instalar"));
    Cmdinstalar->setDefault(true);
    Cmdinstalar->setAutoDefault(true);

    Label2 = new QLabel(sitios::hostFabricante(), this);
    nombrar(Label2, QStringLiteral("Label2"), Label2->text());
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setFocusPolicy(Qt::StrongFocus);
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);
    QPalette enlace = Label2->palette();
    enlace.setColor(QPalette::WindowText, QColor(0, 0, 70));
    Label2->setPalette(enlace);
    Label2->setFont(grande);

    auto* grilla = new QGridLayout(this);
    grilla->setContentsMargins(22, 22, 22, 16);
    grilla->setHorizontalSpacing(14);
    grilla->setVerticalSpacing(16);
    grilla->addWidget(imgsoft, 0, 0, Qt::AlignTop);
    grilla->addWidget(lblmensaje, 0, 1, 1, 2);
    grilla->addWidget(Label1, 1, 0, Qt::AlignRight);
    grilla->addWidget(Txtdir, 1, 1);
    grilla->addWidget(Cmdinstalar, 1, 2);
    grilla->addWidget(Label2, 2, 0, 1, 3, Qt::AlignHCenter);
    grilla->setColumnStretch(1, 1);
    setTabOrder(Txtdir, Cmdinstalar);
    setTabOrder(Cmdinstalar, Label2);

    connect(Txtdir, &QLineEdit::textChanged, this, &Setupfrm::Txtdir_Change);
    connect(Txtdir, &QLineEdit::returnPressed, Cmdinstalar, &QPushButton::click);
    connect(Cmdinstalar, &QPushButton::clicked, this, [this] {
        // Opened once the click has returned, so nothing waits on the button.
        QMetaObject::invokeMethod(this, &Setupfrm::cmdinstalar_Click, Qt::QueuedConnection);
    });
    abrirUrl = [](const QUrl& u) { QDesktopServices::openUrl(u); };
}

Setupfrm::~Setupfrm()
{
    if (cursorEspera_)
        QApplication::restoreOverrideCursor();
}

void Setupfrm::Form_Load()
{
    Txtdir->setText(e_.carpetaPorDefecto());
    Txtdir->setCursorPosition(Txtdir->text().size());
    Txtdir->setFocus();
    Txtdir_Change();
}

void Setupfrm::Txtdir_Change() { Cmdinstalar->setEnabled(!Txtdir->text().isEmpty()); }

void Setupfrm::Label2_Click() { abrirUrl(QUrl(QStringLiteral("http://") + Label2->text())); }

void Setupfrm::subrayar(bool si)
{
    QFont f = Label2->font();
    if (f.underline() != si) {
        f.setUnderline(si);
        Label2->setFont(f);
    }
}

bool Setupfrm::eventFilter(QObject* o, QEvent* e)
{
    if (o == Label2) {
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove: subrayar(true); break;
        case QEvent::Leave: subrayar(false); break;
        case QEvent::MouseButtonRelease: Label2_Click(); return true;
        case QEvent::KeyPress: {
            const int k = static_cast<QKeyEvent*>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
                Label2_Click();
                return true;
            }
            break;
        }
        default: break;
        }
    }
    return QWidget::eventFilter(o, e);
}

void Setupfrm::mouseMoveEvent(QMouseEvent*) { subrayar(false); }

void Setupfrm::Gradiente(QPainter& p, QSize size)
{
    const int W = size.width();
    const int H = size.height();
    p.fillRect(QRect(0, 0, W, H), QColor(0, 0, 128));
    for (int i = 0; i <= 128; ++i) {
        const int x = W * i / 256;
        const int y = H * i / 256;
        p.fillRect(QRect(QPoint(x, y), QPoint(W - x, H - y)), QColor(128, 128, std::min(2 * i, 255)));
    }
}

void Setupfrm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Gradiente(p, size());
}

frmporc& Setupfrm::porc()
{
    if (!porc_)
        porc_ = std::make_unique<frmporc>(this);
    return *porc_;
}

bool Setupfrm::porcVisible() const { return porc_ && porc_->isVisible(); }

void Setupfrm::Porcentaje(int Cuanto)
{
    QLabel* l = porc().lbl1;
    l->setText(QStringLiteral("Copiando...") + QString::number(Cuanto) + QStringLiteral(" %"));
    l->setAccessibleName(l->text());
    l->setProperty("Tag", QString::number(Cuanto));
    QCoreApplication::processEvents();
}

void Setupfrm::error(const QString& texto, const QString& titulo)
{
    dialogs_.message(this, Dialogs::Icon::Error, titulo, texto);
}

void Setupfrm::detener()
{
    // Every stop returns to choosing a folder.
    if (porc_)
        porc_->close();
    if (cursorEspera_) {
        QApplication::restoreOverrideCursor();
        cursorEspera_ = false;
    }
    Txtdir->setEnabled(true);
    Txtdir_Change();
    Txtdir->setFocus();
}

bool Setupfrm::extraer(const std::string& carpeta, int pieza, const QString& nombre, unsigned modo)
{
    payload::CopyOptions op;
    op.mode = modo;
    op.tick = [] { QCoreApplication::processEvents(); };
    const bool ok = payload::ExtractPayloadFile(local(e_.instalador), PayloadSizes, pieza,
                                                carpeta + "/" + local(nombre), op);
    QCoreApplication::processEvents();
    return ok;
}

bool Setupfrm::cancelar(const QString& texto, const QString& titulo)
{
    detener();
    error(texto + QLatin1Char('\n') + kCancelada, titulo);
    return false;
}

void Setupfrm::cmdinstalar_Click()
{
    terminado_ = false;
    if (!Cmdinstalar->isEnabled())
        return;
    if (instalar()) {
        terminado_ = true;
        emit instalacionTerminada();
    }
}

bool Setupfrm::instalar()
{
    // 1. The chosen folder always ends with "/".
    QString texto = Txtdir->text();
    if (!texto.endsWith(QLatin1Char('/'))) {
        texto += QLatin1Char('/');
        Txtdir->setText(texto);
    }
    carpeta_ = rutaAbsoluta(texto);

    // 2, 3.
    if (!ModSetup::EnsureFolder(carpeta_)) {
        error(QStringLiteral("No se puede crear el directorio"), QStringLiteral("Error"));
        Txtdir->setFocus();
        return false;
    }
    if (contieneArchivos(carpeta_)
        && !dialogs_.ask(this, QStringLiteral("Confirmar"),
                         QStringLiteral("El directorio ya existe y contiene archivos. ¿Desea sobreescribirlo?")))
        return false;

    // 4.
    Cmdinstalar->setEnabled(false);
    Txtdir->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorEspera_ = true;
    porc().show();
    QCoreApplication::processEvents();

    // 5. A directory that cannot be trusted stops everything before any
    // setting or file is touched.
    bool iniEscrito = false;
    const payload::DirectoryError d = payload::ReadPayloadDirectory(local(e_.instalador), PayloadSizes, &iniEscrito);
    if (d != payload::DirectoryError::None) {
        detener();
        error(QStringLiteral("El archivo del instalador está dañado o incompleto. No se instaló nada y no se "
                             "modificó ningún archivo."),
              QStringLiteral("Error"));
        return false;
    }

    // The settings file beside the installer goes with this run, whatever ends it.
    struct BorrarAlSalir {
        QString ruta;
        ~BorrarAlSalir()
        {
            if (!ruta.isEmpty())
                ModSetup::DeleteFile(ruta);
        }
    } ini{iniEscrito ? QFile::decodeName(payload::settingsFileFor(local(e_.instalador)).c_str()) : QString()};

    // 7. Existing folders are used whatever their case.
    const QString sonidos = buscarCarpeta(carpeta_, QStringLiteral("Sonidos"));
    const QString mujer = buscarCarpeta(sonidos, QStringLiteral("Mujer"));
    const QString cartas = buscarCarpeta(carpeta_, QStringLiteral("Cartas"));
    const QString fondos = buscarCarpeta(carpeta_, QStringLiteral("Fondos"));
    for (const QString& c : {sonidos, mujer, cartas, fondos, e_.windows}) {
        if (!ModSetup::EnsureFolder(c)) {
            detener();
            error(QStringLiteral("No se puede crear el directorio"), QStringLiteral("Error"));
            return false;
        }
    }

    // 8 to 12. The pieces go to a folder made for this run that only this
    // user can enter: under a fixed name in a shared temporary folder another
    // user's file could be taken for one of them.
    const payload::PrivateFolder privada(local(e_.temporal));
    if (!privada.ok()) {
        return cancelar(QStringLiteral("No se pudo crear una carpeta privada para extraer los archivos en ")
                            + e_.temporal + QStringLiteral(" (") + QString::fromLocal8Bit(privada.error().c_str())
                            + QStringLiteral(")."),
                        QStringLiteral("Setup"));
    }
    const QString url = QStringLiteral("Quenbro WebSite.url");
    const struct {
        int porcentaje;
        int pieza;
        QString nombre;
        unsigned modo;
        QString destino;
    } piezas[] = {
        {5, 3, url, 0644, QDir(e_.windows).filePath(url)},
        {10, 2, QStringLiteral("Truco"), 0755, carpeta_ + QStringLiteral("Truco")},
        {45, 4, QStringLiteral("Truco.hlp"), 0644, carpeta_ + QStringLiteral("Truco.hlp")},
        {65, 5, QStringLiteral("Truco.cnt"), 0644, carpeta_ + QStringLiteral("Truco.cnt")},
        {75, 6, QStringLiteral("Mswinsck.ocx"), 0755, carpeta_ + QStringLiteral("Mswinsck.ocx")},
    };
    for (const auto& p : piezas) {
        Porcentaje(p.porcentaje);
        if (!extraer(privada.path(), p.pieza, p.nombre, p.modo))
            return cancelar(QStringLiteral("Se produjo un error al intentar extraer ") + p.nombre, QStringLiteral("Setup"));
    }

    // 13 to 15. Every file is first written beside the one it replaces; the
    // installed files are replaced only once all of them are complete, so a
    // failure leaves the previous installation as it was.
    Porcentaje(85);
    payload::ReplacementSet nuevos;
    payload::CopyOptions op;
    op.tick = [] { QCoreApplication::processEvents(); };
    std::string porQue;
    auto copiar = [&](const QString& desde, const QString& hacia) {
        QCoreApplication::processEvents();
        return nuevos.stage(local(desde), local(hacia), op, &porQue);
    };
    auto motivo = [&] { return QString::fromLocal8Bit(porQue.c_str()); };
    // What was already written goes before the person reads why.
    auto parar = [&](const QString& texto, const QString& titulo) {
        nuevos.rollback();
        return cancelar(texto, titulo);
    };
    auto noSeCopio = [&](const QString& hacia) {
        return parar(QStringLiteral("No se pudo copiar ") + hacia + QStringLiteral(" (") + motivo() + QStringLiteral(")."),
                     QStringLiteral("Setup"));
    };
    for (const auto& p : {piezas[1], piezas[0], piezas[2], piezas[3], piezas[4]}) {
        if (!copiar(QFile::decodeName(privada.file(local(p.nombre)).c_str()), p.destino))
            return noSeCopio(p.destino);
    }
    const QString origen = e_.carpetaInstalador();
    const QString control = e_.sistema + QStringLiteral("/Mswinsck.ocx");
    if (!ModSetup::EnsureFolder(e_.sistema))
        return parar(QStringLiteral("No se puede crear el directorio ") + e_.sistema, QStringLiteral("Error"));
    if (!copiar(QDir(origen).filePath(QStringLiteral("Mswinsck.ocx")), control))
        return parar(QStringLiteral("Error al instalar Mswinsck.ocx ") + motivo(), QStringLiteral("Setup"));

    const QString sonidosOrigen = buscarCarpeta(origen, QStringLiteral("Sonidos"));
    const std::pair<QString, QString> carpetas[] = {
        {buscarCarpeta(origen, QStringLiteral("Fondos")), fondos},
        {buscarCarpeta(origen, QStringLiteral("Cartas")), cartas},
        {sonidosOrigen, sonidos},
        {buscarCarpeta(sonidosOrigen, QStringLiteral("Mujer")), mujer},
    };
    // The banners' page engine, copied like the pictures when it is there.
    const QString web = QDir(origen).filePath(QStringLiteral("NaipexWeb.so"));
    QList<std::pair<QString, QString>> copias;
    for (const auto& [desde, hacia] : carpetas) {
        for (const QString& a : QDir(desde).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted))
            copias.append({QDir(desde).filePath(a), QDir(hacia).filePath(a)});
    }
    if (QFileInfo::exists(web))
        copias.append({web, carpeta_ + QStringLiteral("NaipexWeb.so")});
    for (const auto& [desde, hacia] : copias) {
        if (!copiar(desde, hacia))
            return noSeCopio(hacia);
    }

    std::string fallido;
    if (!nuevos.commit(&fallido, &porQue))
        return parar(QStringLiteral("No se pudo reemplazar ") + QFile::decodeName(fallido.c_str())
                         + QStringLiteral(" (") + motivo() + QStringLiteral(")."),
                     QStringLiteral("Setup"));
    // The control registers itself from where it now lies; a failure puts
    // the previous files back.
    const std::optional<int> registro = ModSetup::RegisterServer(control, true);
    QCoreApplication::processEvents();
    if (registro && *registro != 0)
        return parar(QStringLiteral("Registración No satisfactoria."), QStringLiteral("Setup"));
    nuevos.keep();

    // 6. The game's settings go only once the new game is in place.
    IniSettings settings(e_.configuracion);
    settings.deleteApp(QStringLiteral("Truco"));

    // 16 to 19.
    Porcentaje(85);
    ModSetup::DeleteFile(ini.ruta);
    ini.ruta.clear();
    ClearUrlCache(e_.cacheNavegador, List1);
    Porcentaje(98);
    // The copying is over: its progress is not left standing beside the news.
    porc().hide();

    // 20, 21.
    dialogs_.message(this, Dialogs::Icon::Information, QStringLiteral("Instalación"),
                     QStringLiteral("Naipex se ha instalado satisfactoriamente en su sistema"));
    const QString q = QStringLiteral("Quenbro");
    const QString n = QStringLiteral("Naipex");
    settings.save(q, n, QStringLiteral("Esta"), QStringLiteral("SI"));
    settings.save(q, n, QStringLiteral("Ruta"), carpeta_ + QStringLiteral("Truco"));
    settings.save(q, n, QStringLiteral("Version"), QStringLiteral("1"));
    QCoreApplication::processEvents();

    // 22, 23.
    grupo::crear(e_, carpeta_ + QStringLiteral("Truco"), QStringLiteral("http://") + Label2->text());
    if (cursorEspera_) {
        QApplication::restoreOverrideCursor();
        cursorEspera_ = false;
    }
    porc().close();
    close();
    return true;
}
