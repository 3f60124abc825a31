// Readable buttons and visible focus, measured on the pixels drawn: the
// contrast of a button's text against its face over every background of the
// table, and the change a keyboard focus makes.
#include "game/MesaEscalable.h"
#include "platform/Program.h"
#include "shell/f2.h"
#include "support/Jugador.h"

#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

double luminancia(QRgb c)
{
    auto canal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(qRed(c)) + 0.7152 * canal(qGreen(c)) + 0.0722 * canal(qBlue(c));
}

double contraste(QRgb a, QRgb b)
{
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a button's text against its face, as drawn on the table:
// the face is the commonest colour inside the button, the text the pixel
// that stands out most from it (the core of a stroke, not its soft edge).
double contrasteDelTexto(Form1& f, QPushButton* b)
{
    auto* mesa = qobject_cast<MesaEscalable*>(f.centralWidget());
    const QImage img = mesa->grab(b->geometry().adjusted(4, 4, -4, -4)).toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> cuenta;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++cuenta[img.pixel(x, y)];
    QRgb cara = 0;
    int mas = 0;
    for (const auto& [c, n] : cuenta)
        if (n > mas) {
            mas = n;
            cara = c;
        }
    double mejor = 1.0;
    for (const auto& [c, n] : cuenta)
        mejor = std::max(mejor, contraste(c, cara));
    return mejor;
}

// Pixels that change by 3:1 or more between two pictures of one widget.
int cambiosVisibles(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 0;
    int n = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i)
            n += contraste(x.pixel(i, j), y.pixel(i, j)) >= 3.0;
    return n;
}

// A widget with and without the keyboard's focus; the focus must show as a
// line at least one pixel wide all round it, changed by 3:1 or more.
void focoVisible(QWidget& ventana, QWidget* w)
{
    SCOPED_TRACE(w->objectName().toStdString());
    w->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->hasFocus(); }, 5000));
    const QImage con = w->grab().toImage();
    captura(&ventana, QStringLiteral("foco-") + w->objectName());
    ventana.setFocus(Qt::OtherFocusReason);
    w->clearFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->hasFocus(); }, 5000));
    const QImage sin = w->grab().toImage();
    const int perimetro = 2 * (w->width() + w->height());
    EXPECT_GE(cambiosVisibles(con, sin), perimetro / 2) << w->width() << "x" << w->height();
}

}  // namespace

TEST(Contraste, CallButtonsAreReadableOverEveryBackground)
{
    MesaDePrueba m;
    m.form.show();
    QStringList fondos;
    const QDir dir(executableFolder() + QStringLiteral("/Fondos"));
    for (const QString& n : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        fondos << dir.filePath(n);
    ASSERT_GE(fondos.size(), 7);
    fondos << QStringLiteral(":/fondo/fondo.bmp");
    // A player's own pictures may be anything, from white to black.
    QTemporaryDir propias;
    for (const QColor c : {QColor(Qt::white), QColor(Qt::black), QColor(128, 128, 128)}) {
        QImage liso(64, 64, QImage::Format_RGB32);
        liso.fill(c);
        const QString ruta = propias.filePath(c.name() + QStringLiteral(".png"));
        ASSERT_TRUE(liso.save(ruta));
        fondos << ruta;
    }
    for (const QString& fondo : fondos) {
        SCOPED_TRACE(fondo.toStdString());
        m.form.P1 = QPixmap(fondo);
        ASSERT_FALSE(m.form.P1.isNull());
        m.form.PintarFondo();
        for (QPushButton* b : {m.form.bt[0], m.form.bt[5], m.form.AlMazo}) {
            b->setEnabled(false);
            const double apagado = contrasteDelTexto(m.form, b);
            b->setEnabled(true);
            const double encendido = contrasteDelTexto(m.form, b);
            b->setEnabled(false);
            std::printf("%-28s %-16s disabled %5.2f:1  enabled %5.2f:1\n", qPrintable(QFileInfo(fondo).fileName()),
                        qPrintable(b->text()), apagado, encendido);
            EXPECT_GE(apagado, 4.5) << b->text().toStdString();
            EXPECT_GE(encendido, 7.0) << b->text().toStdString();
        }
    }
}

TEST(Contraste, KeyboardFocusShowsOnButtonsAndOptions)
{
    MesaDePrueba m;
    m.form.show();
    f2& o = m.form.opciones();
    o.show();
    o.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&o, 5000));
    focoVisible(o, o.Command1);
    focoVisible(o, o.Option1);
    o.hide();

    m.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m.form, 5000));
    m.form.bt[0]->setEnabled(true);
    focoVisible(m.form, m.form.bt[0]);
}
