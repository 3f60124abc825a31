// The installer's windows: the game's icon, centred, the progress gone
// before the news that all went well.
#include "Banco.h"
#include "installer/Setupfrm.h"
#include "installer/frmporc.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
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
