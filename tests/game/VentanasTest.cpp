// Where the program's windows open and what they show in the window system:
// the game's icon, secondary windows over the window that opened them.
#include "game/FFlor.h"
#include "net/Dea4.h"
#include "net/JRed.h"
#include "shell/Facerca.h"
#include "shell/FrmAyuda.h"
#include "shell/FrmFOndo.h"
#include "shell/Publicidad.h"
#include "shell/f2.h"
#include "support/Jugador.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The icon a window shows: its own, or the application's.
void tieneElIcono(const QWidget& w)
{
    SCOPED_TRACE(w.objectName().toStdString());
    const QList<QSize> tamanos = w.windowIcon().availableSizes();
    // Small for the task bar, large for the switcher.
    EXPECT_TRUE(tamanos.contains(QSize(16, 16)));
    EXPECT_TRUE(tamanos.contains(QSize(48, 48)));
    EXPECT_TRUE(tamanos.contains(QSize(256, 256)));
    EXPECT_FALSE(w.windowIcon().pixmap(32, 32).toImage().allGray());
}

// The table somewhere away from the screen's corner and middle, so a window
// centred on the screen or left in its corner is told apart.
void apartar(Form1& f)
{
    f.resize(700, 560);
    f.move(40, 30);
    f.show();
}

}  // namespace

TEST(Ventanas, EveryWindowShowsTheGamesIcon)
{
    MesaDePrueba m;
    apartar(m.form);
    tieneElIcono(m.form);
    tieneElIcono(m.form.opciones());
    tieneElIcono(m.form.jred());
    tieneElIcono(m.form.dea4());
    m.form.como->trigger();
    ASSERT_NE(m.form.publicidad->ayuda(), nullptr);
    tieneElIcono(*m.form.publicidad->ayuda());
    Facerca acerca(nullptr, &m.form);
    tieneElIcono(acerca);
    QPixmap fondo;
    FrmFOndo fondos(m.fake.services, fondo, [] {}, &m.form);
    tieneElIcono(fondos);
    FFlor flor(m.form, QStringLiteral("verso"), false, [](bool) {});
    tieneElIcono(flor);
    QMessageBox caja(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok, &m.form);
    tieneElIcono(caja);
}
