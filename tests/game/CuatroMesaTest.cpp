// The table of four: its layout comes and goes without disturbing the table
// of two, and a card played by another seat flies to its place in order.
#include "game/MesaEscalable.h"
#include "support/Jugador.h"

#include <QTest>
#include <map>
#include <QSignalSpy>
#include <QVariantAnimation>
#include <gtest/gtest.h>

namespace {

MesaEscalable* mesaDe(Form1& f) { return qobject_cast<MesaEscalable*>(f.centralWidget()); }

struct Estado {
    QRect logico;
    QRect geometria;
    int letra;
    bool visible;
    bool operator==(const Estado&) const = default;
};

// The card in flight, which is no control of its own.
Naipe* vuelo(Form1& f) { return f.findChild<Naipe*>(QStringLiteral("vuelo")); }

std::map<QString, Estado> fotografia(Form1& f)
{
    std::map<QString, Estado> out;
    MesaEscalable* mesa = mesaDe(f);
    for (QWidget* w : mesa->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->objectName().isEmpty() || w == vuelo(f))
            continue;
        out[w->objectName()] = {mesa->logicoDe(w), w->geometry(), w->font().pixelSize(), w->isVisible()};
    }
    return out;
}


}  // namespace

TEST(DisposicionCuatro, IrYVolverDejaLaMesaDeDosComoEstaba)
{
    MesaDePrueba m(2);
    m.form.Form_Load();
    m.empezar();
    Form1& f = m.form;
    f.resize(QSize(1000, 800));  // scaled, so rounding would show
    ASSERT_TRUE(asentar());
    const auto antes = fotografia(f);
    ASSERT_GT(antes.size(), 50u);
    for (const char* n : {"car(1)", "IJD(0)", "LD"})
        EXPECT_FALSE(antes.at(QString::fromLatin1(n)).visible) << n;

    f.disposicionCuatro(true);
    ASSERT_TRUE(asentar());
    EXPECT_TRUE(f.esDisposicionCuatro());
    const auto cuatro = fotografia(f);
    for (const char* n : {"car(1)", "car(3)", "IJD(0)", "JI(2)", "Nomb(3)"})
        EXPECT_TRUE(cuatro.at(QString::fromLatin1(n)).visible) << n;
    // Each seat's cards sit on its own side of the table.
    const QPoint centro(267, 195);
    EXPECT_GT(mesaDe(f)->logicoDe(f.IJD[0]).left(), centro.x());
    EXPECT_LT(mesaDe(f)->logicoDe(f.IJI[0]).right(), centro.x());
    // Speech of the sides shows only while there is something said.
    f.LD->setCaption(QStringLiteral("Truco"));
    EXPECT_TRUE(f.LD->isVisible());
    f.VolarCarta(1, 0, f.ICH[0]->picture(), QStringLiteral("carta"));
    f.JD[0]->setCaption(QStringLiteral("1E (14 )"));

    f.disposicionCuatro(false);
    ASSERT_TRUE(asentar());
    EXPECT_FALSE(f.esDisposicionCuatro());
    // Back to two: every control where it was, at the same size and letter,
    // and the four-player things hidden and emptied.
    const auto despues = fotografia(f);
    EXPECT_EQ(despues.size(), antes.size());
    for (const auto& [nombre, e] : antes) {
        SCOPED_TRACE(nombre.toStdString());
        ASSERT_TRUE(despues.count(nombre));
        const Estado& d = despues.at(nombre);
        EXPECT_EQ(d.logico, e.logico);
        EXPECT_EQ(d.geometria, e.geometria);
        EXPECT_EQ(d.letra, e.letra);
        EXPECT_EQ(d.visible, e.visible);
    }
    EXPECT_FALSE(f.IJD[0]->hasPicture());
    EXPECT_TRUE(f.JD[0]->caption().isEmpty());
    EXPECT_TRUE(f.LD->caption().isEmpty());
    // And the window still scales as before after the round trip.
    f.resize(QSize(1320, 1024));
    ASSERT_TRUE(asentar());
    EXPECT_EQ(f.IJH[0]->geometry(), mesaDe(f)->enPantalla(QRect(152, 214, 60, 92)));
}

TEST(MesaDeCuatro, LoQueLlegaDuranteUnVueloEsperaSuTurno)
{
    MesaDePrueba m(3);
    Form1& f = m.form;
    f.Form_Load();
    m.empezar();
    f.disposicionCuatro(true);
    const QPixmap carta = f.ICH[0]->picture();
    f.duracionVuelo = 60;
    std::vector<QString> orden;
    f.VolarCarta(1, 0, carta, QStringLiteral("a"), [&] {
        orden.push_back(QStringLiteral("vuelo 1"));
        // The second card has not left yet.
        EXPECT_FALSE(f.IJM[0]->hasPicture());
        // Queued while landing: after everything already waiting.
        f.enCola([&] { orden.push_back(QStringLiteral("tras llegar 1")); });
    });
    f.VolarCarta(2, 0, carta, QStringLiteral("b"), [&] { orden.push_back(QStringLiteral("vuelo 2")); });
    f.enCola([&] {
        orden.push_back(QStringLiteral("paso"));
        EXPECT_TRUE(f.IJM[0]->hasPicture());
    });
    // Nothing has run yet: the first card is still flying.
    EXPECT_TRUE(orden.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.colaOcupada(); }, 3000));
    EXPECT_EQ(orden, (std::vector<QString>{"vuelo 1", "vuelo 2", "paso", "tras llegar 1"}));

    // With nothing under way, a step runs at once.
    bool ya = false;
    f.enCola([&] { ya = true; });
    EXPECT_TRUE(ya);
}

TEST(VueloCortado, UnaMesaQueSeCierraEnPlenoVueloNoLoTerminaSobreElla)
{
    auto m = std::make_unique<MesaDePrueba>(4);
    m->form.Form_Load();
    m->form.disposicionCuatro(true);
    m->form.duracionVuelo = 150;
    bool llego = false;
    m->form.VolarCarta(3, 0, m->form.ICH[0]->picture(), QStringLiteral("x"), [&] { llego = true; });
    // A twin of the flight, started after it and longer: animations advance
    // together, so once the twin has moved the card is in the air, and once
    // it ends the card would have landed.
    QVariantAnimation gemela;
    gemela.setStartValue(0.0);
    gemela.setEndValue(1.0);
    gemela.setDuration(2 * m->form.duracionVuelo);
    QSignalSpy terminada(&gemela, &QVariantAnimation::finished);
    gemela.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gemela.currentTime() > 0; }, 10000));
    ASSERT_FALSE(llego);
    m.reset();
    ASSERT_TRUE(terminada.wait(10000));
    EXPECT_FALSE(llego);
}
