// Players' names on the table: a long one is shortened to fit with "…", the
// whole one kept in its tooltip and for the screen reader; an empty one shows
// the game's default.
#include "support/Jugador.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kLargo = QStringLiteral("Wenceslao Maximiliano W");  // 23 of the 24 a name may have

// The shown text fits its label, line by line.
void entra(Etiqueta* l)
{
    const QFontMetrics fm(l->font());
    for (const QString& linea : l->text().split(QLatin1Char('\n')))
        EXPECT_LE(fm.horizontalAdvance(linea), l->contentsRect().width()) << linea.toStdString();
}

}  // namespace

TEST(Nombres, ALongNameIsShortenedInTheScoreHeader)
{
    MesaDePrueba m;
    m.form.show();
    m.nombre = kLargo;
    m.empezar();
    Etiqueta* l = m.form.NombreC;
    EXPECT_EQ(l->caption(), kLargo);
    EXPECT_TRUE(l->text().endsWith(QStringLiteral("…"))) << l->text().toStdString();
    EXPECT_TRUE(kLargo.startsWith(l->text().chopped(1)));
    entra(l);
    EXPECT_EQ(l->toolTip(), kLargo);
    EXPECT_EQ(l->accessibleName(), kLargo);
    EXPECT_EQ(l->accessibleDescription(), QStringLiteral("NombreC"));

    // The table scales as a whole: on a larger one the name still fits.
    m.form.resize(1600, 1240);
    ASSERT_TRUE(asentar());
    EXPECT_GT(l->width(), 104 * 2);
    EXPECT_TRUE(l->text().endsWith(QStringLiteral("…")));
    entra(l);
    EXPECT_EQ(l->accessibleName(), kLargo);

    // A short name is shown whole; an empty one as the default.
    l->setCaption(QStringLiteral("Ana"));
    EXPECT_EQ(l->text(), QStringLiteral("Ana"));
    l->setCaption(QString());
    EXPECT_EQ(l->text(), QStringLiteral("[Anónimo]"));
    EXPECT_EQ(l->accessibleName(), QStringLiteral("[Anónimo]"));
}

TEST(Nombres, TheFourPlayersNamesKeepTheDealersMark)
{
    MesaDePrueba m;
    m.form.show();
    m.form.disposicionCuatro(true);
    m.form.jugadoresCuatro({kLargo, QStringLiteral("Bea"), kLargo + QStringLiteral("x"), QString()}, {0, 1, 2, 3}, 0);
    Etiqueta* yo = m.form.Nomb[0];
    EXPECT_EQ(yo->caption(), kLargo + QStringLiteral(" [PIE]"));
    EXPECT_TRUE(yo->text().endsWith(QStringLiteral("… [PIE]"))) << yo->text().toStdString();
    EXPECT_EQ(yo->accessibleName(), kLargo + QStringLiteral(" [PIE]"));
    EXPECT_EQ(yo->toolTip(), kLargo + QStringLiteral(" [PIE]"));
    EXPECT_EQ(m.form.Nomb[1]->text(), QStringLiteral("Bea"));
    EXPECT_EQ(m.form.Nomb[3]->text(), QStringLiteral("[Anónimo]"));
    for (Etiqueta* l : {m.form.Nomb[0], m.form.Nomb[1], m.form.Nomb[2], m.form.Nomb[3], m.form.NombreC, m.form.Label2}) {
        SCOPED_TRACE(l->objectName().toStdString());
        entra(l);
    }
    // Each pair's names on its side of the score, one a line.
    EXPECT_EQ(m.form.Label2->accessibleName(), kLargo + QLatin1Char('\n') + kLargo + QLatin1Char('x'));
    EXPECT_EQ(m.form.Label2->text().count(QStringLiteral("…")), 2);
    captura(&m.form, QStringLiteral("nombres-cuatro"));
}
