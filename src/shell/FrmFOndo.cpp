#include "shell/FrmFOndo.h"

#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "shell/Nombres.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kTruco = QStringLiteral("Truco");

QLabel* etiqueta(QWidget* parent, const QString& control, const QString& caption, QWidget* buddy)
{
    auto* l = new QLabel(caption, parent);
    nombrar(l, control, sinMnemonico(caption));
    l->setBuddy(buddy);
    return l;
}

QString limpia(const QString& carpeta)
{
    return QDir::cleanPath(QDir(carpeta).absolutePath());
}

}  // namespace

FrmFOndo::FrmFOndo(Services& s, QPixmap& P1, std::function<void()> pintarFondo, QWidget* parent)
    : QDialog(parent), s_(s), P1_(P1), pintarFondo_(std::move(pintarFondo))
{
    setWindowTitle(QStringLiteral("Cambiar Fondo..."));
    nombrar(this, QStringLiteral("FrmFOndo"), windowTitle());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    Drive1 = new QComboBox(this);
    nombrar(Drive1, QStringLiteral("Drive1"), QStringLiteral("Unidad"));
    // Long mount points must not widen the window; the list pops up wider.
    Drive1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Drive1->setMinimumContentsLength(12);
    LblUnidad = etiqueta(this, QStringLiteral("LblUnidad"), QStringLiteral("&Unidad:"), Drive1);

    Dir1 = new QListWidget(this);
    nombrar(Dir1, QStringLiteral("Dir1"), QStringLiteral("Carpetas"));
    LblCarpetas = etiqueta(this, QStringLiteral("LblCarpetas"), QStringLiteral("C&arpetas:"), Dir1);
    LblRuta = new QLabel(this);
    nombrar(LblRuta, QStringLiteral("LblRuta"), QString());
    LblRuta->setTextFormat(Qt::PlainText);
    LblRuta->setMinimumWidth(1);
    LblRuta->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LblRuta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblRuta->setStyleSheet(QStringLiteral("color: #4a4a4a;"));  // 7:1 on the window, still secondary

    File1 = new QListWidget(this);
    nombrar(File1, QStringLiteral("File1"), QStringLiteral("Archivos"));
    LblArchivos = etiqueta(this, QStringLiteral("LblArchivos"), QStringLiteral("A&rchivos:"), File1);

    Imgprel = new QLabel(this);
    nombrar(Imgprel, QStringLiteral("Imgprel"), QStringLiteral("Vista previa"));
    Imgprel->setFixedSize(150, 150);
    Imgprel->setScaledContents(true);
    Imgprel->setFrameShape(QFrame::Box);
    Imgprel->setFrameShadow(QFrame::Sunken);
    Imgprel->setAlignment(Qt::AlignCenter);
    auto* lblPrevia = new QLabel(QStringLiteral("Vista previa:"), this);
    nombrar(lblPrevia, QStringLiteral("LblPrevia"), lblPrevia->text());

    for (QListWidget* l : {Dir1, File1})
        l->setMinimumWidth(150);

    Cmdok = new QPushButton(QStringLiteral("Aceptar"), this);
    nombrar(Cmdok, QStringLiteral("Cmdok"), Cmdok->text());
    Cmdok->setDefault(true);
    Cmdok->setEnabled(false);
    CmdNo = new QPushButton(QStringLiteral("Cancelar"), this);
    nombrar(CmdNo, QStringLiteral("CmdNo"), CmdNo->text());
    CmdNo->setAutoDefault(false);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(LblUnidad);
    izquierda->addWidget(Drive1);
    izquierda->addSpacing(4);
    izquierda->addWidget(LblCarpetas);
    izquierda->addWidget(Dir1, 1);
    izquierda->addWidget(LblRuta);

    auto* medio = new QVBoxLayout;
    medio->addWidget(LblArchivos);
    medio->addWidget(File1, 1);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(lblPrevia);
    derecha->addWidget(Imgprel);
    derecha->addStretch();

    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(12);
    arriba->addLayout(izquierda, 1);
    arriba->addLayout(medio, 1);
    arriba->addLayout(derecha, 0);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Cmdok);
    botones->addWidget(CmdNo);
    for (QPushButton* b : {Cmdok, CmdNo})
        b->setMinimumWidth(96);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->addLayout(arriba, 1);
    main->addSpacing(4);
    main->addLayout(botones);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Cmdok);
    setTabOrder(Cmdok, CmdNo);

    llenarUnidades();

    // Start where the player looked last time, the first time among the
    // game's own backgrounds; anything wrong there is forgotten and the
    // program folder is shown instead.
    const QString guardada = s_.settings.get(kTruco, QStringLiteral("Ultruta"), QStringLiteral("Fondo"),
                                             QDir(s_.programFolder).filePath(QStringLiteral("Fondos")));
    if (!irACarpeta(guardada) && !irACarpeta(s_.programFolder))
        irACarpeta(QDir::homePath());

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(Dir1, &QListWidget::itemActivated, this, &FrmFOndo::entrarCarpeta);
    Dir1->installEventFilter(this);
    connect(File1, &QListWidget::currentRowChanged, this, [this] { File1_Click(); });
    connect(Cmdok, &QPushButton::clicked, this, &FrmFOndo::Cmdok_Click);
    connect(CmdNo, &QPushButton::clicked, this, &FrmFOndo::CmdNo_Click);

    resize(520, 360);
}

QString FrmFOndo::rutaCompleta(const QString& carpeta, const QString& nombre)
{
    if (carpeta.endsWith(QLatin1Char('/')))
        return carpeta + nombre;
    return carpeta + QLatin1Char('/') + nombre;
}

QStringList FrmFOndo::patrones()
{
    return QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg").split(QLatin1Char(';'));
}

void FrmFOndo::llenarUnidades()
{
    QStringList raices;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (v.isValid() && v.isReady() && !raices.contains(v.rootPath()))
            raices << v.rootPath();
    }
    std::sort(raices.begin(), raices.end());
    ajustandoUnidad_ = true;
    Drive1->clear();
    Drive1->addItems(raices);
    ajustandoUnidad_ = false;
}

void FrmFOndo::elegirUnidadDe(const QString& carpeta)
{
    const QString raiz = QStorageInfo(carpeta).rootPath();
    if (raiz.isEmpty())
        return;
    ajustandoUnidad_ = true;
    int i = Drive1->findText(raiz);
    if (i < 0) {
        Drive1->addItem(raiz);
        i = Drive1->count() - 1;
    }
    Drive1->setCurrentIndex(i);
    ajustandoUnidad_ = false;
}

bool FrmFOndo::irACarpeta(const QString& carpeta)
{
    if (carpeta.isEmpty())
        return false;
    const QString ruta = limpia(carpeta);
    QDir dir(ruta);
    if (!dir.exists() || !dir.isReadable())
        return false;

    carpeta_ = ruta;
    mostrarRuta();
    LblRuta->setAccessibleName(ruta);
    LblRuta->setToolTip(ruta);

    Dir1->clear();
    if (!dir.isRoot())
        new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent),
                            QStringLiteral(".."), Dir1);
    const QStringList subcarpetas =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const QIcon icono = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& d : subcarpetas)
        new QListWidgetItem(icono, d, Dir1);

    // A new folder means nothing is picked in it yet.
    const QSignalBlocker bloqueo(File1);
    File1->clear();
    File1->addItems(dir.entryList(patrones(), QDir::Files, QDir::Name | QDir::IgnoreCase));
    File1->setCurrentRow(-1);

    elegirUnidadDe(ruta);
    return true;
}

void FrmFOndo::mostrarRuta()
{
    const QFontMetrics fm(LblRuta->font());
    LblRuta->setText(fm.elidedText(carpeta_, Qt::ElideMiddle, qMax(40, LblRuta->contentsRect().width())));
    LblRuta->setToolTip(carpeta_);
    LblRuta->setAccessibleName(carpeta_);
}

void FrmFOndo::resizeEvent(QResizeEvent* e)
{
    // The layout has already given the label its new width.
    QDialog::resizeEvent(e);
    mostrarRuta();
}

bool FrmFOndo::eventFilter(QObject* obj, QEvent* ev)
{
    // Enter on a folder opens it; the list view would also hand the key on
    // to the dialog, which would press "Aceptar".
    if (obj == Dir1 && ev->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(ev)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            entrarCarpeta(Dir1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(obj, ev);
}

void FrmFOndo::entrarCarpeta(QListWidgetItem* item)
{
    if (!item)
        return;
    QDir dir(carpeta_);
    if (item->text() == QStringLiteral("..")) {
        if (!dir.cdUp())
            return;
        irACarpeta(dir.absolutePath());
    } else {
        irACarpeta(dir.filePath(item->text()));
    }
}

void FrmFOndo::Drive1_Change()
{
    if (ajustandoUnidad_ || Drive1->currentIndex() < 0)
        return;
    const QString unidad = Drive1->currentText();
    if (irACarpeta(unidad))
        return;
    s_.dialogs.message(this, Dialogs::Icon::Error, QStringLiteral("Error"),
                       QStringLiteral("Se ha producido un error al acceder a la unidad ")
                           + unidad.toUpper());
    elegirUnidadDe(s_.programFolder);
    // Keep the folder shown on the volume the list now names.
    if (QStorageInfo(carpeta_).rootPath() != QStorageInfo(s_.programFolder).rootPath())
        irACarpeta(s_.programFolder);
}

void FrmFOndo::File1_Click()
{
    QListWidgetItem* item = File1->currentItem();
    if (!item)
        return;
    Cmdok->setEnabled(true);
    RutaElegida = rutaCompleta(carpeta_, item->text());
    QPixmap imagen;
    if (!imagen.load(RutaElegida)) {
        s_.dialogs.message(this, Dialogs::Icon::Error, QStringLiteral("Error"),
                           QStringLiteral("Error al abrir la imagen"));
        return;
    }
    // The table gets the picture only on "Aceptar".
    Imgprel->setPixmap(imagen);
    elegida_ = imagen;
}

void FrmFOndo::Cmdok_Click()
{
    s_.settings.save(kTruco, QStringLiteral("Imagen"), QStringLiteral("Fondo"), RutaElegida);
    if (!elegida_.isNull())
        P1_ = elegida_;
    if (pintarFondo_)
        pintarFondo_();
    accept();
}

void FrmFOndo::CmdNo_Click() { reject(); }

void FrmFOndo::done(int r)
{
    // However the window goes away, the next visit starts in this folder.
    s_.settings.save(kTruco, QStringLiteral("Ultruta"), QStringLiteral("Fondo"), carpeta_);
    QDialog::done(r);
}
