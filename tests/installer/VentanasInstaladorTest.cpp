// The installer's windows: the game's icon, centred, the progress gone
// before the news that all went well.
#include "Banco.h"
#include "installer/Setupfrm.h"
#include "installer/frmporc.h"

#include <QApplication>
#include <QLineEdit>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

TEST(VentanasInstalador, CentredWithTheGamesIcon)
{
    Banco b;
    auto w = b.ventana();
    w->show();
    const QRect libre = w->screen()->availableGeometry();
    EXPECT_LE((w->frameGeometry().center() - libre.center()).manhattanLength(), 4);
    const QList<QSize> tamanos = w->windowIcon().availableSizes();
    EXPECT_TRUE(tamanos.contains(QSize(16, 16)));
    EXPECT_TRUE(tamanos.contains(QSize(256, 256)));

    // The progress window over the installer, wherever that was moved.
    w->move(libre.topLeft() + QPoint(10, 20));
    frmporc& porc = w->porc();
    porc.show();
    EXPECT_LE((porc.frameGeometry().center() - w->frameGeometry().center()).manhattanLength(), 4);
    EXPECT_FALSE(porc.windowIcon().availableSizes().isEmpty());
    porc.hide();
}

TEST(VentanasInstalador, TheProgressIsGoneBeforeTheSuccessMessage)
{
    Banco b;
    auto w = b.ventana();
    w->show();
    int vistos = 0;
    bool progresoVisible = true;
    b.dialogs.alMostrar = [&](const ScriptedDialogs::Shown&) {
        ++vistos;
        progresoVisible = w->porcVisible();
    };
    w->Txtdir->setText(b.home + QStringLiteral("/Juegos/Naipex"));
    w->cmdinstalar_Click();
    ASSERT_TRUE(w->terminado());
    ASSERT_EQ(vistos, 1);
    EXPECT_FALSE(progresoVisible);
}

namespace {

double luminancia(QColor c)
{
    auto canal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.red()) + 0.7152 * canal(c.green()) + 0.0722 * canal(c.blue());
}

double contraste(QColor a, QColor b)
{
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// Every text on the installer's shaded backdrop reads at AA contrast (4.5:1)
// against each pixel of the backdrop behind it.
TEST(VentanasInstalador, ItsTextsReadOnTheBackdrop)
{
    Banco b;
    auto w = b.ventana();
    w->show();
    for (QLabel* l : {w->lblmensaje, w->Label1, w->Label2}) {
        SCOPED_TRACE(l->accessibleDescription().toStdString());
        const QColor texto = l->palette().color(QPalette::WindowText);
        const QRect r = l->geometry();
        l->hide();
        const QImage fondo = w->grab(r).toImage();
        l->show();
        double peor = 100;
        for (int y = 0; y < fondo.height(); y += 2)
            for (int x = 0; x < fondo.width(); x += 2)
                peor = std::min(peor, contraste(texto, fondo.pixelColor(x, y)));
        EXPECT_GE(peor, 4.5);
    }
}
