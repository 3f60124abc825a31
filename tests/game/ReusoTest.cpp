// Windows the table keeps and shows again instead of making anew, and the
// panel it skips while the computer answers at once: a person must not be
// able to tell either from the old way.
#include "game/AsientoMaquina.h"
#include "game/FFlor.h"
#include "support/Jugador.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

void apartar(Form1& f)
{
    f.resize(700, 560);
    f.move(40, 30);
    f.show();
}

QString comillas(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

// What the window looks like while it is the active one.
QImage aspecto(FFlor& w)
{
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w.grab().toImage();
}

}  // namespace

TEST(Reuso, AVerseWindowShownAgainIsLikeANewOne)
{
    MesaDePrueba m;
    apartar(m.form);
    std::vector<bool> primera, segunda, tercera;
    FFlor usada(m.form, comillas(verso(0)), true, [&](bool cf) { primera.push_back(cf); });
    usada.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&usada));
    // A person moves it, makes it larger and answers with the contraflor,
    // which leaves the focus on that button.
    usada.move(usada.pos() + QPoint(37, 21));
    usada.resize(usada.size() + QSize(80, 40));
    QTest::mouseClick(usada.cf, Qt::LeftButton);
    ASSERT_EQ(primera, std::vector<bool>{true});
    ASSERT_FALSE(usada.isVisible());
    ASSERT_EQ(usada.focusWidget(), usada.cf);

    // The next flor, with a flor of his own again: the focus is back on
    // the first answer, and the new answer is heard.
    usada.preparar(comillas(verso(1)), true, [&](bool cf) { segunda.push_back(cf); });
    usada.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&usada));
    EXPECT_EQ(usada.focusWidget(), usada.olor);
    EXPECT_TRUE(usada.cf->isEnabled());
    QTest::mouseClick(usada.cf, Qt::LeftButton);
    EXPECT_EQ(segunda, std::vector<bool>{true});
    ASSERT_FALSE(usada.isVisible());

    // Another verse, and no flor of his own this time.
    const QString texto = comillas(verso(3));
    usada.preparar(texto, false, [&](bool cf) { tercera.push_back(cf); });
    usada.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&usada));
    EXPECT_EQ(usada.Label1->text(), texto);
    EXPECT_EQ(usada.Label1->accessibleName(), texto);
    EXPECT_FALSE(usada.cf->isEnabled());
    EXPECT_TRUE(usada.olor->isEnabled());
    EXPECT_EQ(usada.focusWidget(), usada.olor);
    const QRect lugar = usada.frameGeometry();
    const QSize tamano = usada.size();
    const Qt::WindowModality modo = usada.windowModality();
    const QImage visto = aspecto(usada);
    captura(&usada, QStringLiteral("fflor"));
    // The answer goes to this flor only, once.
    QTest::mouseClick(usada.olor, Qt::LeftButton);
    EXPECT_EQ(tercera, std::vector<bool>{false});
    EXPECT_EQ(segunda, std::vector<bool>{true});
    EXPECT_EQ(primera, std::vector<bool>{true});
    EXPECT_FALSE(usada.isVisible());

    // A window made for that flor looks the same, in the same place.
    FFlor nueva(m.form, texto, false, [](bool) {});
    nueva.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&nueva));
    EXPECT_EQ(nueva.frameGeometry(), lugar);
    EXPECT_EQ(nueva.size(), tamano);
    EXPECT_EQ(nueva.windowModality(), modo);
    EXPECT_TRUE(aspecto(nueva) == visto);
    nueva.olor->click();
}

TEST(Reuso, EachVerseOfTheTableOpensItsWindowAgain)
{
    MesaDePrueba m;
    apartar(m.form);
    std::vector<FFlor*> abiertas;
    QObject::connect(&m.form, &Form1::ventanaModal, &m.form, [&](QDialog* w) {
        if (auto* f = qobject_cast<FFlor*>(w))
            abiertas.push_back(f);
    });
    m.empezar();
    ASSERT_TRUE(m.form.maquina().jugando());

    m.form.maquina().verso(1);
    ASSERT_EQ(abiertas.size(), 1u);
    FFlor* w = abiertas[0];
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Label1->text(), comillas(verso(1)));
    // The table's person answers it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 10000));

    m.form.maquina().verso(2);
    ASSERT_EQ(abiertas.size(), 2u);
    EXPECT_NE(abiertas[1], w);
    EXPECT_EQ(abiertas[1]->Label1->text(), comillas(verso(2)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !abiertas[1]->isVisible(); }, 10000));

    m.form.maquina().verso(1);
    ASSERT_EQ(abiertas.size(), 3u);
    EXPECT_EQ(abiertas[2], w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Label1->text(), comillas(verso(1)));
    EXPECT_EQ(w->Label1->accessibleName(), comillas(verso(1)));
    EXPECT_EQ(w->focusWidget(), w->olor);

    // Leaving the match takes it away unanswered; the next match's flor
    // opens it again.
    m.form.maquina().abandonar();
    EXPECT_FALSE(w->isVisible());
    m.empezar();
    m.form.maquina().verso(1);
    ASSERT_EQ(abiertas.size(), 4u);
    EXPECT_EQ(abiertas[3], w);
    EXPECT_TRUE(w->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 10000));
}

// The computer answers at once, before the table is drawn again, so the
// panel of its turn is not set meanwhile; but a box its move opens (the
// winner's, the flor's verse) stands over the table as it was: nothing offered.
TEST(Reuso, ABoxOpenedByTheComputersMoveStandsOverItsTurn)
{
    int vistas = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        MesaDePrueba m(seed);
        m.conFlor = true;
        m.computadoraEmpieza = seed % 2;
        JugadorGuionado humano(m, seed * 7u, seed % 3 == 0);
        // Whether the computer has played a card since the player last
        // acted: it did so on its turn, with nothing offered to the player.
        bool movioLaPc = false;
        for (Etiqueta* jm : m.form.JM)
            QObject::connect(jm, &Etiqueta::captionCambiado, &m.form, [&](const QString& t) {
                if (!t.isEmpty())
                    movioLaPc = true;
            });
        humano.alActuar = [&](const QString&) { movioLaPc = false; };
        auto revisar = [&](const QString& que) {
            if (!movioLaPc)
                return;
            ++vistas;
            EXPECT_EQ(mascaraDelPanel(m.form), QStringLiteral("0000000000")) << que.toStdString();
        };
        m.fake.dialogs.alMostrar = [&](const ScriptedDialogs::Shown& s) { revisar(s.text); };
        QObject::connect(&m.form, &Form1::ventanaModal, &m.form, [&](QDialog* w) {
            if (qobject_cast<FFlor*>(w))
                revisar(QStringLiteral("flor"));
        });
        m.empezar();
        ASSERT_TRUE(humano.jugarPartido(20000));
    }
    // Enough of them to mean something.
    EXPECT_GE(vistas, 5);
}
