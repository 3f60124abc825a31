// The installer's windows.
#include "Banco.h"
#include "installer/Setupfrm.h"
#include "installer/frmporc.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <gtest/gtest.h>

TEST(VentanasInstalador, TheGamesIcon)
{
    Banco b;
    auto w = b.ventana();
    w->show();
    const QList<QSize> tamanos = w->windowIcon().availableSizes();
    EXPECT_TRUE(tamanos.contains(QSize(16, 16)));
    EXPECT_TRUE(tamanos.contains(QSize(256, 256)));

    frmporc& porc = w->porc();
    EXPECT_FALSE(porc.windowIcon().availableSizes().isEmpty());
}
