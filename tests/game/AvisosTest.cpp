// The table tells what just happened, for a moment: "+N" by a score that
// grew, the winning card of a trick framed.
#include "game/Avisos.h"
#include "support/Jugador.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A played card and the text beneath it, as the table writes them.
void jugada(Naipe* carta, Etiqueta* texto, const QString& codigo, int fuerza)
{
    QPixmap blanca(60, 92);
    blanca.fill(Qt::white);
    carta->setPicture(blanca, codigo);
    texto->Tag = QString::number(fuerza);
    texto->setCaption(codigo + QStringLiteral(" (") + texto->Tag + QStringLiteral(" )"));
}

// The table shown, its news lasting until the test lets them go.
struct AvisosEnLaMesa : ::testing::Test {
    AvisosEnLaMesa()
    {
        m.form.show();
        m.form.avisos->duracionMs = 60000;
    }
    MesaDePrueba m;
};

}  // namespace

TEST_F(AvisosEnLaMesa, AScoreThatGrowsShowsByHowMuchForAMoment)
{
    m.form.NombreC->setCaption(QStringLiteral("Ana"));
    m.form.mostrarPuntos(false, 3);
    QLabel* mio = m.form.avisos->mas[0];
    ASSERT_TRUE(mio->isVisible());
    EXPECT_EQ(mio->text(), QStringLiteral("+3"));
    EXPECT_EQ(mio->accessibleName(), QStringLiteral("+3 Ana"));
    EXPECT_FALSE(m.form.avisos->mas[1]->isVisible());
    // Beside its own score, on top of it.
    EXPECT_TRUE(m.form.PuntosH->geometry().intersects(mio->geometry()));
    EXPECT_FALSE(m.form.PuntosM->geometry().intersects(mio->geometry()));

    m.form.mostrarPuntos(true, 2);
    EXPECT_EQ(m.form.avisos->mas[1]->text(), QStringLiteral("+2"));
    EXPECT_TRUE(m.form.avisos->mas[1]->isVisible());
    EXPECT_TRUE(m.form.PuntosM->geometry().intersects(m.form.avisos->mas[1]->geometry()));
    captura(&m.form, QStringLiteral("aviso-puntos"));

    // Then it goes; the score stays.
    m.form.avisos->duracionMs = 0;
    m.form.mostrarPuntos(false, 5);
    EXPECT_EQ(mio->text(), QStringLiteral("+2"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mio->isVisible(); }, 10000));
    EXPECT_EQ(m.form.PuntosH->caption(), QStringLiteral("5"));

    // No change, no badge.
    m.form.mostrarPuntos(false, 5);
    EXPECT_FALSE(mio->isVisible());
}

TEST_F(AvisosEnLaMesa, TheWinningCardOfATrickIsFramedForAMoment)
{
    // One card down: nothing is decided yet.
    jugada(m.form.IJH[0], m.form.JH[0], QStringLiteral("4O"), 1);
    EXPECT_FALSE(m.form.IJH[0]->resaltada());
    jugada(m.form.IJM[0], m.form.JM[0], QStringLiteral("7E"), 12);
    EXPECT_TRUE(m.form.IJM[0]->resaltada());
    EXPECT_FALSE(m.form.IJH[0]->resaltada());
    EXPECT_EQ(m.form.IJM[0]->accessibleName(), QStringLiteral("7E"));
    captura(&m.form, QStringLiteral("aviso-baza"));
    // A frame all round: at least the card's perimeter looks different.
    const QImage conMarco = m.form.IJM[0]->grab().toImage();
    m.form.IJM[0]->resaltar(false);
    const QImage sinMarco = m.form.IJM[0]->grab().toImage();
    int distintos = 0;
    for (int y = 0; y < conMarco.height(); ++y)
        for (int x = 0; x < conMarco.width(); ++x)
            distintos += conMarco.pixel(x, y) != sinMarco.pixel(x, y);
    EXPECT_GE(distintos, 2 * (conMarco.width() + conMarco.height()));
    m.form.IJM[0]->resaltar(true);

    // A tie frames neither card.
    jugada(m.form.IJM[1], m.form.JM[1], QStringLiteral("3O"), 10);
    jugada(m.form.IJH[1], m.form.JH[1], QStringLiteral("3C"), 10);
    EXPECT_FALSE(m.form.IJM[1]->resaltada());
    EXPECT_FALSE(m.form.IJH[1]->resaltada());

    // A new hand clears the trick, and its frame with it.
    m.form.JM[0]->setCaption(QString());
    EXPECT_FALSE(m.form.IJM[0]->resaltada());

    // The frame goes by itself.
    m.form.avisos->duracionMs = 0;
    jugada(m.form.IJM[2], m.form.JM[2], QStringLiteral("5B"), 2);
    jugada(m.form.IJH[2], m.form.JH[2], QStringLiteral("1E"), 14);
    EXPECT_TRUE(m.form.IJH[2]->resaltada());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m.form.IJH[2]->resaltada(); }, 10000));
}

// Among four a trick is decided when the four cards are down: partners
// sharing the best card are framed both, the two pairs sharing it nothing.
TEST_F(AvisosEnLaMesa, AmongFourTheTrickIsFramedOnceAllFourAreDown)
{
    m.form.disposicionCuatro(true);
    Form1& f = m.form;
    jugada(f.IJH[0], f.JH[0], QStringLiteral("4O"), 1);
    jugada(f.IJD[0], f.JD[0], QStringLiteral("7O"), 11);
    // Partners (this player and the one opposite) are both down first: their
    // cards do not make a trick of two.
    jugada(f.IJM[0], f.JM[0], QStringLiteral("5C"), 2);
    EXPECT_FALSE(f.IJD[0]->resaltada());
    EXPECT_FALSE(f.IJH[0]->resaltada());
    jugada(f.IJI[0], f.JI[0], QStringLiteral("6B"), 3);
    EXPECT_TRUE(f.IJD[0]->resaltada());
    EXPECT_FALSE(f.IJI[0]->resaltada());
    EXPECT_FALSE(f.IJM[0]->resaltada());

    // The best card on both pairs: a parda, nothing framed.
    jugada(f.IJH[1], f.JH[1], QStringLiteral("3O"), 10);
    jugada(f.IJD[1], f.JD[1], QStringLiteral("4C"), 1);
    jugada(f.IJM[1], f.JM[1], QStringLiteral("5O"), 2);
    jugada(f.IJI[1], f.JI[1], QStringLiteral("3C"), 10);
    for (Naipe* n : {f.IJH[1], f.IJD[1], f.IJM[1], f.IJI[1]})
        EXPECT_FALSE(n->resaltada());

    // The best card twice in one pair: both framed.
    jugada(f.IJH[2], f.JH[2], QStringLiteral("2O"), 9);
    jugada(f.IJD[2], f.JD[2], QStringLiteral("4B"), 1);
    jugada(f.IJM[2], f.JM[2], QStringLiteral("2C"), 9);
    jugada(f.IJI[2], f.JI[2], QStringLiteral("5E"), 2);
    EXPECT_TRUE(f.IJH[2]->resaltada());
    EXPECT_TRUE(f.IJM[2]->resaltada());
    EXPECT_FALSE(f.IJD[2]->resaltada());
    captura(&f, QStringLiteral("aviso-baza-cuatro"));
}

TEST(AvisosAlFinal, TheTableOffersAnotherMatchAndVeilsTheLastHand)
{
    MesaDePrueba m(3);
    m.form.show();
    m.conFlor = false;
    JugadorGuionado humano(m, 3, false);
    m.empezar();
    EXPECT_FALSE(m.form.otraVez->isVisible());
    const size_t cajas = m.fake.dialogs.shown.size();
    ASSERT_TRUE(humano.jugarPartido());
    ASSERT_TRUE(m.form.ganadorMostrado());

    // No box more than the winner's.
    ASSERT_EQ(m.fake.dialogs.shown.size(), cajas + 1);
    EXPECT_TRUE(m.fake.dialogs.shown.back().text.startsWith(QStringLiteral("Ganador del partido: ")));
    // The offer is on the table, clear of the cards, with the keyboard's focus.
    ASSERT_TRUE(m.form.otraVez->isVisible());
    EXPECT_EQ(m.form.focusWidget(), m.form.otraVez);
    const QRect boton(m.form.otraVez->mapToGlobal(QPoint(0, 0)), m.form.otraVez->size());
    EXPECT_FALSE(boton.intersects(m.form.zonaDeBazas()));
    // What was played stays, veiled.
    int vistas = 0;
    for (Naipe* n : {m.form.IJM[0], m.form.IJM[1], m.form.IJM[2], m.form.IJH[0], m.form.IJH[1], m.form.IJH[2]})
        if (n->hasPicture()) {
            ++vistas;
            EXPECT_TRUE(n->atenuada()) << n->objectName().toStdString();
        }
    EXPECT_GT(vistas, 0);
    captura(&m.form, QStringLiteral("otra-vez"));

    // Pressing it is the menu's "Usuario Vs PC": the options, then a new deal.
    int repartidas = 0;
    QObject::connect(&m.form, &Form1::manoRepartida, [&] { ++repartidas; });
    m.form.otraVez->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return repartidas > 0; }, 10000));
    EXPECT_FALSE(m.form.otraVez->isVisible());
    EXPECT_FALSE(m.form.ganadorMostrado());
    for (Naipe* n : {m.form.IJM[0], m.form.IJH[0]})
        EXPECT_FALSE(n->atenuada());
}
