// The about window's links: what a click opens, and where the addresses
// come from when a mirror or a test server overrides them.
#include "shell/Facerca.h"
#include "shell/Vinculo.h"
#include "support/ServidorHttp.h"
#include "support/TestTable.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(Acerca, CadaEnlaceAbreSuDireccionYElEntornoLasCambia)
{
    EntornoTemporal sitio{"NAIPEX_SITIO", "http://127.0.0.1:8123/"};
    EntornoTemporal socio{"NAIPEX_SITIO_SOCIO", "http://127.0.0.2:8124"};
    EntornoTemporal correo{"NAIPEX_CORREO", "ana@espejo.example"};
    RecordingEnlaces enlaces;
    Facerca w(&enlaces, nullptr);
    // The captions show the host (and port), the mail address as it is.
    EXPECT_EQ(w.Label3->caption(), "127.0.0.1:8123");
    EXPECT_EQ(w.Label4->caption(), "127.0.0.2:8124");
    EXPECT_EQ(w.Label2->caption(), "ana@espejo.example");

    for (Vinculo* v : {w.Label3, w.Label4, w.Label2})
        QTest::mouseClick(v, Qt::LeftButton);
    EXPECT_EQ(enlaces.abiertos, (QList<QUrl>{QUrl("http://127.0.0.1:8123"), QUrl("http://127.0.0.2:8124"),
                                             QUrl("mailto:ana@espejo.example")}));
}

TEST(Acerca, SinEntornoLasDireccionesDelFabricante)
{
    EntornoTemporal sitio{"NAIPEX_SITIO", ""};
    EntornoTemporal socio{"NAIPEX_SITIO_SOCIO", ""};
    EntornoTemporal correo{"NAIPEX_CORREO", ""};
    RecordingEnlaces enlaces;
    Facerca w(&enlaces, nullptr);
    for (Vinculo* v : {w.Label3, w.Label4, w.Label2})
        v->press();
    EXPECT_EQ(enlaces.abiertos, (QList<QUrl>{QUrl("http://www.quenbro.example"), QUrl("http://www.orvalia.example"),
                                             QUrl("mailto:soporte@quenbro.example")}));
}
