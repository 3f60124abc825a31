// The menu bar keeps its size in proportion to the table when the window grows.
#include "game/MesaEscalable.h"
#include "support/Jugador.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

TEST(MenuEscalado, LaBarraCreceConLaMesaYVuelveASuTamano)
{
    MesaDePrueba m(3);
    m.form.Form_Load();
    Form1& f = m.form;
    auto* mesa = qobject_cast<MesaEscalable*>(f.centralWidget());
    ASSERT_NE(mesa, nullptr);
    QMenuBar* barra = f.menuBar();
    const QMenu* juego = barra->findChild<QMenu*>(QStringLiteral("juego"));
    ASSERT_NE(juego, nullptr);
    f.show();
    ASSERT_TRUE(asentar());
    const int alto1 = barra->height();
    const qreal letra1 = barra->font().pointSizeF();
    ASSERT_GT(alto1, 0);

    for (const QSize t : {QSize(3840, 2100), QSize(1320, 1060), QSize(1700, 760)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(t.width()).arg(t.height()).toStdString());
        f.resize(t);
        ASSERT_TRUE(asentar());
        const double s = mesa->escala();
        ASSERT_GT(s, 1.4);
        // Against the table the bar stays about as tall as at the smallest
        // size (its print scales; the style's margins do not).
        EXPECT_NEAR(barra->height() / s, alto1, alto1 * 0.25);
        EXPECT_NEAR(barra->font().pointSizeF() / s, letra1, letra1 * 0.1);
        // Its menus open in the same print.
        EXPECT_EQ(juego->font().pointSizeF(), barra->font().pointSizeF());
    }

    f.resize(MesaEscalable::kLogico.width(), MesaEscalable::kLogico.height() + alto1);
    ASSERT_TRUE(asentar());
    EXPECT_DOUBLE_EQ(mesa->escala(), 1.0);
    EXPECT_EQ(barra->height(), alto1);
    EXPECT_EQ(barra->font().pointSizeF(), letra1);
}
