// The about window: what a click on its links opens, where the addresses
// come from when a mirror or a test server overrides them, and its logo.
#include "shell/Facerca.h"
#include "shell/Vinculo.h"
#include "support/ServidorHttp.h"
#include "support/TestTable.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

// Each link opens its address, by mouse or by the accessible press; a mirror
// or a test server changes them through the environment.
TEST(Acerca, CadaEnlaceAbreSuDireccionYElEntornoLasCambia)
{
    for (bool entorno : {true, false}) {
        SCOPED_TRACE(entorno);
        EntornoTemporal sitio{"NAIPEX_SITIO", entorno ? "http://127.0.0.1:8123/" : ""};
        EntornoTemporal socio{"NAIPEX_SITIO_SOCIO", entorno ? "http://127.0.0.2:8124" : ""};
        EntornoTemporal correo{"NAIPEX_CORREO", entorno ? "ana@espejo.example" : ""};
        RecordingEnlaces enlaces;
        Facerca w(&enlaces, nullptr);
        for (Vinculo* v : {w.Label3, w.Label4, w.Label2})
            entorno ? QTest::mouseClick(v, Qt::LeftButton) : v->press();
        if (!entorno) {
            EXPECT_EQ(enlaces.abiertos, (QList<QUrl>{QUrl("http://www.quenbro.example"), QUrl("http://www.orvalia.example"),
                                                     QUrl("mailto:soporte@quenbro.example")}));
            continue;
        }
        // The captions show the host (and port), the mail address as it is.
        EXPECT_EQ(w.Label3->caption(), "127.0.0.1:8123");
        EXPECT_EQ(w.Label4->caption(), "127.0.0.2:8124");
        EXPECT_EQ(w.Label2->caption(), "ana@espejo.example");
        EXPECT_EQ(enlaces.abiertos, (QList<QUrl>{QUrl("http://127.0.0.1:8123"), QUrl("http://127.0.0.2:8124"),
                                                 QUrl("mailto:ana@espejo.example")}));
    }
}

// The game's logo lies on the window's backdrop with no box of its own: no
// step in colour where its top and right edges meet the backdrop (its cards
// reach down to the bottom edge on the left).
TEST(Acerca, ElLogoNoTieneRecuadro)
{
    RecordingEnlaces enlaces;
    Facerca w(&enlaces, nullptr);
    const QImage img = w.grab().toImage();
    const QRect logo = w.Image2->geometry();
    ASSERT_GT(logo.width(), 100);
    auto salto = [&](QPoint dentro, QPoint fuera) {
        const QColor a = img.pixelColor(dentro), b = img.pixelColor(fuera);
        return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
    };
    int peor = 0;
    for (int x = logo.left() + logo.width() / 2; x <= logo.right(); ++x)
        peor = std::max(peor, salto({x, logo.top()}, {x, logo.top() - 1}));
    for (int y = logo.top(); y <= logo.top() + logo.height() / 2; ++y)
        peor = std::max(peor, salto({logo.right(), y}, {logo.right() + 1, y}));
    EXPECT_LE(peor, 3);
    captura(&w, QStringLiteral("acerca"));
}
