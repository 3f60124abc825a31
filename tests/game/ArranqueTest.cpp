// Start-up of the table: settings, first run, background, faces, menu.
#include "game/AsientoMaquina.h"
#include "motor/Partida.h"
#include "net/CargadorWs.h"
#include "net/JRed.h"
#include "platform/Sitios.h"
#include "shell/f2.h"
#include "support/Jugador.h"

#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString leer(MesaDePrueba& m, const char* seccion, const char* clave)
{
    return m.fake.settings.get(QStringLiteral("Truco"), QString::fromLatin1(seccion), QString::fromLatin1(clave), QStringLiteral("?"));
}

}  // namespace

TEST(Arranque, PrimeraVezCreaElAccesoYLaSegundaNo)
{
    MesaDePrueba m(1);
    const QString acceso = m.fake.services.desktopFolder + QStringLiteral("/Naipex 2.0.desktop");
    m.form.Form_Load();
    EXPECT_TRUE(QFileInfo(acceso).isExecutable());
    EXPECT_EQ(leer(m, "Pvez", "Bandera"), QStringLiteral("1"));
    QFile::remove(acceso);
    Form1 segunda(m.fake.services);
    segunda.Form_Load();
    EXPECT_FALSE(QFileInfo::exists(acceso));

    // A desktop that cannot be written does not stop the start.
    MesaDePrueba otra(1);
    QFile bloqueo(otra.fake.home.path() + QStringLiteral("/archivo"));
    ASSERT_TRUE(bloqueo.open(QIODevice::WriteOnly));
    bloqueo.close();
    otra.fake.services.desktopFolder = bloqueo.fileName() + QStringLiteral("/Desktop");
    otra.form.Form_Load();
    EXPECT_EQ(leer(otra, "Pvez", "Bandera"), QStringLiteral("1"));
    EXPECT_EQ(otra.form.windowTitle(), QStringLiteral("Naipex 2.0"));
    EXPECT_EQ(otra.form.PuntosH->caption(), QStringLiteral("0"));
    EXPECT_FALSE(otra.form.asiento().manoEnJuego());
    EXPECT_FALSE(otra.form.LC->isVisible());
}

// Each item of the menu, chosen from the menu, does what it says. The
// windows it opens are closed again as a person would. "Cómo jugar" and
// "Sin Sonido" are chosen by their own tests.
TEST(Arranque, CadaOpcionDelMenuHaceLoSuyo)
{
    struct Mesa {
        MesaDePrueba m{1};
        QStringList ventanas;  // the modal windows opened, by class
        Mesa()
        {
            m.form.Form_Load();
            QObject::connect(&m.form, &Form1::ventanaModal, &m.form, [this](QDialog* w) {
                ventanas << QString::fromLatin1(w->metaObject()->className());
                if (!qobject_cast<f2*>(w))  // the options are answered by MesaDePrueba
                    QTimer::singleShot(0, w, [w] { w->reject(); });
            });
        }
    };
    {
        Mesa t;
        ASSERT_TRUE(t.m.form.nuevo->isEnabled());
        t.m.form.nuevo->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return t.m.form.maquina().manoEnJuego(); }, 5000));
        EXPECT_EQ(t.ventanas, QStringList{"f2"});
    }
    {
        Mesa t;
        t.m.form.red->trigger();
        const bool hay = t.m.form.jred().disponible();
        ASSERT_TRUE(QTest::qWaitFor([&] { return t.m.form.jred().isVisible() || !t.m.fake.dialogs.shown.empty(); },
                                    5000));
        EXPECT_EQ(t.m.form.jred().isVisible(), hay);
        EXPECT_EQ(t.m.fake.dialogs.texts(), hay ? QStringList{} : QStringList{CargadorWs::mensajeFalta()});
    }
    {
        Mesa t;
        t.m.form.cambiarfondo->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return t.ventanas.size() == 1; }, 5000));
        EXPECT_EQ(t.ventanas, QStringList{"FrmFOndo"});
    }
    {
        Mesa t;
        t.m.form.Descargargratis->trigger();
        EXPECT_EQ(t.m.fake.enlaces.abiertos, QList<QUrl>{QUrl(sitios::fabricante())});
    }
    {
        Mesa t;
        t.m.form.acerca->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return t.ventanas.size() == 1; }, 5000));
        EXPECT_EQ(t.ventanas, QStringList{"Facerca"});
    }
    {
        Mesa t;
        t.m.form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.m.form));
        t.m.form.salir->trigger();
        EXPECT_FALSE(t.m.form.isVisible());
    }
}

// What an earlier game saved comes back at start; what cannot be used
// leaves the default (no saved background, or one that no longer exists,
// is the built-in one).
TEST(Arranque, RecuerdaSonidoCaraYFondo)
{
    QTemporaryDir dir;
    const QString fondo = dir.path() + QStringLiteral("/fondo.png");
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(fondo));
    struct Caso {
        const char *sonido, *cara;
        QString fondo;
        bool sinSonido;
        const char* carTag;
        QSize tamFondo;
    };
    const Caso casos[] = {{nullptr, nullptr, QString(), false, "0", QSize(160, 160)},
                          {"-1", "7", fondo, true, "7", QSize(40, 30)},
                          {"True", nullptr, QStringLiteral("/no/existe.jpg"), true, "0", QSize(160, 160)}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fondo.toStdString());
        MesaDePrueba m(1);
        auto& s = m.fake.settings;
        if (c.sonido)
            s.save(QStringLiteral("Truco"), QStringLiteral("Sonido"), QStringLiteral("habilitado"), QString::fromLatin1(c.sonido));
        if (c.cara)
            s.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), QString::fromLatin1(c.cara));
        if (!c.fondo.isEmpty())
            s.save(QStringLiteral("Truco"), QStringLiteral("Imagen"), QStringLiteral("Fondo"), c.fondo);
        m.form.Form_Load();
        EXPECT_EQ(m.form.nosonido->isChecked(), c.sinSonido);
        EXPECT_EQ(m.form.carTag, QString::fromLatin1(c.carTag));
        EXPECT_EQ(m.form.P1.size(), c.tamFondo);
    }
    // The tiles cover the table: a corner far from the frame is red.
    MesaDePrueba m(1);
    m.fake.settings.save(QStringLiteral("Truco"), QStringLiteral("Imagen"), QStringLiteral("Fondo"), fondo);
    m.form.Form_Load();
    const QImage mesa = m.form.centralWidget()->grab().toImage();
    EXPECT_EQ(mesa.pixelColor(mesa.width() - 3, mesa.height() - 3), QColor(Qt::red));
}

TEST(Arranque, OpcionesCerradasNoEmpiezanPartido)
{
    MesaDePrueba m(1);
    m.form.Form_Load();
    m.cerrarOpciones = true;
    m.empezar();
    EXPECT_FALSE(m.form.asiento().manoEnJuego());
    EXPECT_EQ(m.form.maquina().partida(), nullptr);
    EXPECT_EQ(leer(m, "Config", "nombre"), QStringLiteral("?"));
    // "Comenzar a jugar" sets the table's options and saves them.
    m.cerrarOpciones = false;
    m.espanola = true;
    m.conFlor = false;
    m.computadoraEmpieza = true;
    m.nombre = QStringLiteral("Beto");
    m.empezar();
    EXPECT_TRUE(m.form.asiento().manoEnJuego());
    ASSERT_NE(m.form.maquina().partida(), nullptr);
    EXPECT_EQ(m.form.maquina().partida()->estado().opciones, (motor::Opciones{2, false, 1}));
    // The machine starts: it has played or sung when the player's turn comes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m.form.esperaAlJugador(false) || m.form.esperaAlJugador(true); }, 5000));
    EXPECT_TRUE(!m.form.JM[0]->caption().isEmpty() || !m.form.LC->caption().isEmpty());
    EXPECT_EQ(m.form.NombreC->caption(), QStringLiteral("Beto"));
    EXPECT_EQ(leer(m, "Config", "nombre"), QStringLiteral("Beto"));
    EXPECT_EQ(leer(m, "Version", "Pais"), QStringLiteral("2"));
}

