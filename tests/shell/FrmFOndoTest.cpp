#include "shell/FrmFOndo.h"
#include "support/Archivos.h"
#include "support/Jugador.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList textos(const QListWidget* l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

void clic(QListWidget* l, const QString& nombre)
{
    const auto items = l->findItems(nombre, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << nombre.toStdString();
    l->scrollToItem(items.front());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.front()).center());
}

// A folder with one good picture, one broken one, a text file and a sub-folder.
struct Carpeta {
    Carpeta()
    {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(qRgb(20, 120, 40));
        EXPECT_TRUE(img.save(dir.filePath("bueno.jpg"), "JPG"));
        EXPECT_TRUE(img.save(dir.filePath("GRANDE.JPEG"), "JPG"));
        EXPECT_TRUE(escribir(dir.filePath("roto.jpg"), "esto no es una imagen"));
        EXPECT_TRUE(escribir(dir.filePath("notas.txt"), "hola"));
        QDir(dir.path()).mkdir("sub");
    }
    QString path() const { return QDir::cleanPath(dir.path()); }
    QTemporaryDir dir;
};

struct Ventana {
    explicit Ventana(FakeServices& fs, const QString& carpeta)
    {
        fs.settings.save("Truco", "Ultruta", "Fondo", carpeta);
        w = std::make_unique<FrmFOndo>(fs.services, P1, [this] { ++repintes; });
        w->show();
    }
    QPixmap P1 = QPixmap(8, 8);
    int repintes = 0;
    std::unique_ptr<FrmFOndo> w;
};

}  // namespace

TEST(FrmFOndo, ListsPicturesAndPreviewsTheOneClicked)
{
    FakeServices fs;
    {
        // With no folder saved it opens among the game's backgrounds.
        QPixmap P1(8, 8);
        FrmFOndo w(fs.services, P1, [] {});
        w.show();
        EXPECT_EQ(w.LblRuta->toolTip(), QDir::cleanPath(QDir(fs.services.programFolder).filePath("Fondos")));
        EXPECT_TRUE(textos(w.File1).contains(QStringLiteral("Madera.jpg")));
    }
    Carpeta c;
    Ventana v(fs, c.path());
    FrmFOndo& w = *v.w;
    EXPECT_EQ(w.carpeta(), c.path());
    EXPECT_EQ(textos(w.File1), QStringList({"bueno.jpg", "GRANDE.JPEG", "roto.jpg"}));
    EXPECT_FALSE(w.Cmdok->isEnabled());

    clic(w.File1, "bueno.jpg");
    EXPECT_TRUE(w.Cmdok->isEnabled());
    EXPECT_EQ(w.RutaElegida, c.path() + "/bueno.jpg");
    EXPECT_EQ(v.P1.size(), QSize(8, 8));  // the table gets it only on "Aceptar"
    EXPECT_FALSE(w.Imgprel->pixmap().isNull());

    const qint64 antes = v.P1.cacheKey();
    clic(w.File1, "roto.jpg");
    ASSERT_EQ(fs.dialogs.shown.size(), 1u);
    EXPECT_EQ(fs.dialogs.shown.back().title, "Error");
    EXPECT_EQ(fs.dialogs.shown.back().text, "Error al abrir la imagen");
    EXPECT_EQ(v.P1.cacheKey(), antes);
    EXPECT_EQ(w.Imgprel->pixmap().size(), QSize(40, 30));
}

// "Aceptar" hands the picture to the table and saves it; "Cancelar" saves
// only the folder, and the preview never reaches the table.
TEST(FrmFOndo, AceptarSavesThePictureCancelarOnlyTheFolder)
{
    for (bool acepta : {true, false}) {
        SCOPED_TRACE(acepta);
        FakeServices fs;
        Carpeta c;
        Ventana v(fs, c.path());
        clic(v.w->File1, "GRANDE.JPEG");
        (acepta ? v.w->Cmdok : v.w->CmdNo)->click();
        EXPECT_EQ(v.w->result(), acepta ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(v.w->isVisible());
        EXPECT_EQ(v.repintes, acepta ? 1 : 0);
        EXPECT_EQ(v.P1.size(), acepta ? QSize(40, 30) : QSize(8, 8));
        EXPECT_EQ(fs.settings.get("Truco", "Imagen", "Fondo", "ninguna"), acepta ? c.path() + "/GRANDE.JPEG" : "ninguna");
        EXPECT_EQ(fs.settings.get("Truco", "Ultruta", "Fondo"), c.path());
    }
}

// What the table paints after "Cancelar": never the picture previewed.
TEST(FrmFOndo, LaMesaNoPintaElFondoCancelado)
{
    MesaDePrueba m(1);
    m.form.Form_Load();
    QTemporaryDir dir;
    QImage rojo(40, 30, QImage::Format_RGB32);
    rojo.fill(qRgb(250, 0, 0));
    ASSERT_TRUE(rojo.save(dir.filePath("rojo.jpg"), "JPG"));
    m.fake.settings.save("Truco", "Ultruta", "Fondo", QDir::cleanPath(dir.path()));
    QWidget* mesa = m.form.findChild<QWidget*>("Picture1");
    ASSERT_NE(mesa, nullptr);
    const QImage antes = mesa->grab().toImage();
    QObject::connect(&m.form, &Form1::ventanaModal, &m.form, [](QDialog* d) {
        if (auto* w = qobject_cast<FrmFOndo*>(d)) {
            QTimer::singleShot(0, w, [w] {
                clic(w->File1, "rojo.jpg");
                w->CmdNo->click();
            });
        }
    });
    m.form.cambiarfondo_Click();
    const QImage despues = mesa->grab().toImage();
    EXPECT_EQ(despues, antes);
    // Nor at the next "Usuario Vs PC".
    m.empezar();
    EXPECT_EQ(mesa->grab().toImage().pixel(2, 2), antes.pixel(2, 2));
}

TEST(FrmFOndo, ALongFolderShowsOnOneLineWhole)
{
    FakeServices fs;
    Carpeta c;
    QString larga = c.path();
    for (int i = 0; i < 6; ++i)
        larga += QStringLiteral("/una carpeta de nombre largo %1").arg(i);
    ASSERT_TRUE(QDir().mkpath(larga));
    Ventana v(fs, larga);
    QLabel* ruta = v.w->LblRuta;
    // Shortened in the middle, never wrapped, never widening the window.
    EXPECT_FALSE(ruta->text().contains(QLatin1Char('\n')));
    EXPECT_TRUE(ruta->text().contains(QStringLiteral("…")));
    EXPECT_TRUE(ruta->text().endsWith(QStringLiteral("largo 5")));
    EXPECT_LE(QFontMetrics(ruta->font()).horizontalAdvance(ruta->text()), ruta->contentsRect().width());
    EXPECT_LE(v.w->width(), 700);
    EXPECT_EQ(ruta->toolTip(), larga);
    EXPECT_EQ(ruta->accessibleName(), larga);
    EXPECT_EQ(ruta->accessibleDescription(), QStringLiteral("LblRuta"));
    captura(v.w.get(), QStringLiteral("fondo-ruta-larga"));
    // Wider, more of it shows.
    const int antes = ruta->text().size();
    v.w->resize(1000, 400);
    EXPECT_GT(ruta->text().size(), antes);
}
