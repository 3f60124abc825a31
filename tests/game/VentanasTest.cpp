// Where the program's windows open and what they show in the window system:
// the game's icon, secondary windows over the window that opened them.
#include "game/FFlor.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
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

QPoint centro(const QWidget& w) { return w.frameGeometry().center(); }


void cercaDe(QPoint a, QPoint b)
{
    EXPECT_LE((a - b).manhattanLength(), 4) << a.x() << "," << a.y() << " vs " << b.x() << "," << b.y();
}

// The table somewhere away from the screen's corner and middle, so a window
// centred on the screen or left in its corner is told apart.
struct Ventanas : ::testing::Test {
    Ventanas()
    {
        m.form.resize(700, 560);
        m.form.move(40, 30);
        m.form.show();
    }
    MesaDePrueba m;
};

}  // namespace

TEST_F(Ventanas, EveryWindowShowsTheGamesIcon)
{
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

TEST_F(Ventanas, HelpOpensCentredOverTheTable)
{
    m.form.como->trigger();
    FrmAyuda* ayuda = m.form.publicidad->ayuda();
    ASSERT_NE(ayuda, nullptr);
    ASSERT_TRUE(ayuda->isVisible());
    cercaDe(centro(*ayuda), centro(m.form));

    // Opened again after the table moved, it follows the table.
    ayuda->close();
    ASSERT_FALSE(ayuda->isVisible());
    m.form.move(90, 50);
    ASSERT_EQ(m.form.pos(), QPoint(90, 50));
    m.form.como->trigger();
    cercaDe(centro(*ayuda), centro(m.form));
}

TEST_F(Ventanas, TheFlorVerseKeepsClearOfThePlayedCards)
{
    // The computer's card of the first trick is on the table.
    m.form.IJM[0]->setPicture(QPixmap(60, 92), QStringLiteral("4 de oros"));
    m.form.IJM[0]->show();
    const QRect cartas = m.form.zonaDeBazas();
    ASSERT_FALSE(cartas.isEmpty());
    EXPECT_TRUE(cartas.contains(QRect(m.form.IJM[0]->mapToGlobal(QPoint(0, 0)), m.form.IJM[0]->size())));

    FFlor flor(m.form, QStringLiteral("\"Verso de la flor\""), true, [](bool) {});
    flor.show();
    ASSERT_TRUE(flor.isVisible());
    EXPECT_FALSE(flor.frameGeometry().intersects(cartas));
    // Still over the table, centred across it.
    EXPECT_TRUE(m.form.frameGeometry().intersects(flor.frameGeometry()));
    EXPECT_LE(std::abs(centro(flor).x() - centro(m.form).x()), 4);
    flor.olor->click();
}

TEST_F(Ventanas, TheConnectionWindowHasNoEmptyBottom)
{
    JRed& jred = m.form.jred();
    jred.show();
    captura(&jred, QStringLiteral("jred"));
    // Below the last button only the two status lines and the margin.
    const int debajo = jred.height() - jred.Command5->geometry().bottom();
    const QFontMetrics fm(jred.font());
    EXPECT_LE(debajo, 2 * fm.lineSpacing() + 30) << jred.height();
}

// The options, connection and host windows hold a few controls: stretched
// or maximised they keep the size of what they hold.
TEST_F(Ventanas, TheSmallWindowsCannotBeStretchedIntoEmptySpace)
{
    for (QWidget* w : {static_cast<QWidget*>(&m.form.opciones()), static_cast<QWidget*>(&m.form.jred()),
                       static_cast<QWidget*>(&m.form.dea4())}) {
        SCOPED_TRACE(w->objectName().toStdString());
        w->show();
        ASSERT_TRUE(asentar());
        const QSize natural = w->size();
        w->resize(1600, 1000);
        ASSERT_TRUE(asentar());
        EXPECT_EQ(w->size(), natural);
        // What a window manager is told: it cannot grow, so no maximising.
        EXPECT_EQ(w->maximumSize(), natural);
        w->hide();
    }
}

TEST_F(Ventanas, WhileConnectingTheFaceStaysAndTheAttemptCanBeGivenUp)
{
    PuertoReservado nadie;  // refuses every call: the attempt goes on
    ASSERT_GT(nadie.numero(), 0);
    JRed& jred = m.form.jred();
    jred.abrir();
    jred.enlace().puertoPrincipal = nadie.numero();
    jred.enlace().puertoAlternativo = nadie.numero();
    EXPECT_FALSE(jred.Cancelar->isVisible());
    jred.MiNombre->setText(QStringLiteral("Ana"));
    jred.IPContrincante->setText(QStringLiteral("127.0.0.1"));
    m.fake.clock.setSecond(0);  // connects first, never listens
    jred.Command1->click();
    ASSERT_TRUE(jred.Tmrtimeout.isActive());
    EXPECT_TRUE(jred.Cancelar->isVisible());
    EXPECT_TRUE(jred.Cancelar->isEnabled());
    EXPECT_FALSE(jred.Command3->isEnabled());
    EXPECT_FALSE(jred.Command4->isEnabled());
    EXPECT_EQ(jred.Cancelar->accessibleDescription(), QStringLiteral("Cancelar"));
    captura(&jred, QStringLiteral("jred-conectando"));
    EXPECT_FALSE(jred.lblstate->text().isEmpty());

    jred.Cancelar->click();
    EXPECT_FALSE(jred.Tmrtimeout.isActive());
    EXPECT_FALSE(jred.Timer1.isActive());
    EXPECT_EQ(jred.enlace().puertoEscucha(), 0);
    EXPECT_FALSE(jred.Cancelar->isVisible());
    EXPECT_TRUE(jred.Command1->isEnabled());
    EXPECT_TRUE(jred.Command3->isEnabled());
    EXPECT_EQ(jred.windowTitle(), QStringLiteral("Juego en Red"));
    EXPECT_TRUE(jred.lblstate->text().isEmpty()) << jred.lblstate->text().toStdString();
    EXPECT_TRUE(m.fake.dialogs.shown.empty());
    jred.descargar();
}

TEST_F(Ventanas, TheHostWindowTakesTheConnectionWindowsPlace)
{
    JRed& jred = m.form.jred();
    jred.show();
    jred.move(200, 120);
    const QPoint donde = centro(jred);
    jred.MiNombre->setText(QStringLiteral("Ana"));
    jred.Command5_Click();
    Dea4& dea4 = m.form.dea4();
    ASSERT_TRUE(dea4.isVisible());
    EXPECT_FALSE(jred.isVisible());
    cercaDe(centro(dea4), donde);

    // Closing the host window before anyone plays brings the connection window back.
    dea4.reject();
    EXPECT_FALSE(dea4.isVisible());
    EXPECT_TRUE(jred.isVisible());
    m.form.dea4().descargar();
}
