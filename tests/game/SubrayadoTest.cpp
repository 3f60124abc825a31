// Each call button underlines its key's letter, its caption unchanged.
#include "support/Jugador.h"

#include <gtest/gtest.h>

namespace {

// The pixels that differ between two pictures of one size.
QRect diferencias(const QImage& a, const QImage& b)
{
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

TEST(Subrayado, EachCallButtonUnderlinesTheLetterOfItsKey)
{
    MesaDePrueba m;
    m.form.show();
    auto& f = m.form;
    // The keys the README lists, and the letter each one underlines.
    const std::vector<std::tuple<QPushButton*, QString, int>> botones = {
        {f.bt[0], QStringLiteral("Truco"), 0},          {f.bt[5], QStringLiteral("Quiero retruco"), 7},
        {f.bt[7], QStringLiteral("Quiero Vale 4"), 7},  {f.bt[1], QStringLiteral("Quiero"), 0},
        {f.bt[3], QStringLiteral("NO Quiero"), 0},      {f.bt[2], QStringLiteral("Envido"), 0},
        {f.bt[4], QStringLiteral("Real Envido"), 0},    {f.bt[6], QStringLiteral("Falta Envido"), 0},
        {f.Flor, QStringLiteral("Flor"), 1},            {f.AlMazo, QStringLiteral("Al Mazo"), 3}};
    for (const auto& [b, caption, letra] : botones) {
        SCOPED_TRACE(caption.toStdString());
        auto* canto = qobject_cast<BotonCanto*>(b);
        ASSERT_NE(canto, nullptr);
        // The caption and the names are the same as ever.
        EXPECT_EQ(b->text(), caption);
        EXPECT_EQ(b->accessibleName(), caption);
        EXPECT_EQ(BotonCanto::letraDeTecla(caption, b->shortcut().toString().back()), letra);

        for (bool activo : {false, true}) {
            b->setEnabled(activo);
            const QImage con = b->grab().toImage();
            canto->setTecla(QChar());
            const QImage sin = b->grab().toImage();
            canto->setTecla(b->shortcut().toString().back());
            // A short line under that letter, below the middle of the button.
            const QRect linea = diferencias(con, sin);
            ASSERT_FALSE(linea.isEmpty());
            const QFontMetrics fm(b->font());
            EXPECT_LE(linea.height(), 3);
            EXPECT_GT(linea.top(), b->height() / 2);
            EXPECT_LE(linea.width(), fm.horizontalAdvance(caption.mid(letra, 1)) + 1);
            const int inicio = (b->width() - fm.horizontalAdvance(caption)) / 2 + fm.horizontalAdvance(caption.left(letra));
            EXPECT_NEAR(linea.left(), inicio, 3);
        }
        b->setEnabled(false);
    }
    // "NO Quiero" says "Son Buenas" when the computer wins the envido: the
    // same key, its letter in the new caption.
    EXPECT_EQ(BotonCanto::letraDeTecla(QStringLiteral("Son Buenas"), QLatin1Char('N')), 2);
}
