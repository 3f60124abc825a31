// Start-up of the table: settings, first run, background, faces, menu.
#include "game/AsientoMaquina.h"
#include "motor/Partida.h"
#include "net/CargadorWs.h"
#include "net/JRed.h"
#include "platform/Sitios.h"
#include "shell/FrmAyuda.h"
#include "shell/f2.h"
#include "support/Jugador.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
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
}

TEST(Arranque, UnEscritorioQueNoSePuedeEscribirNoDetieneElArranque)
{
    MesaDePrueba m(1);
    QFile bloqueo(m.fake.home.path() + QStringLiteral("/archivo"));
    ASSERT_TRUE(bloqueo.open(QIODevice::WriteOnly));
    bloqueo.close();
    m.fake.services.desktopFolder = bloqueo.fileName() + QStringLiteral("/Desktop");
    m.form.Form_Load();
    EXPECT_EQ(leer(m, "Pvez", "Bandera"), QStringLiteral("1"));
}

TEST(Arranque, ValoresDeUnaPrimeraVezYSinFondoGuardado)
{
    MesaDePrueba m(1);
    m.form.Form_Load();
    EXPECT_EQ(m.form.windowTitle(), QStringLiteral("Naipex 2.0"));
    EXPECT_FALSE(m.form.nosonido->isChecked());
    EXPECT_EQ(m.form.carTag, QStringLiteral("0"));
    EXPECT_EQ(m.form.P1.size(), QSize(160, 160));  // the built-in background
    EXPECT_EQ(m.form.PuntosH->caption(), QStringLiteral("0"));
    EXPECT_EQ(m.form.PH->visibles(), 0);
    EXPECT_FALSE(m.form.asiento().manoEnJuego());
    EXPECT_FALSE(m.form.LC->isVisible());
}

// Each item of the menu, chosen from the menu, does what it says. The
// windows it opens are closed again as a person would.
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
        bool abierta(const char* clase) const { return ventanas.contains(QString::fromLatin1(clase)); }
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
        t.m.form.nosonido->trigger();
        EXPECT_TRUE(t.m.form.nosonido->isChecked());
        EXPECT_EQ(leer(t.m, "Sonido", "habilitado"), QStringLiteral("-1"));
        t.m.form.nosonido->trigger();
        EXPECT_EQ(leer(t.m, "Sonido", "habilitado"), QStringLiteral("0"));
    }
    {
        Mesa t;
        t.m.form.cambiarfondo->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return t.ventanas.size() == 1; }, 5000));
        EXPECT_EQ(t.ventanas, QStringList{"FrmFOndo"});
    }
    {
        Mesa t;
        t.m.form.como->trigger();
        FrmAyuda* ayuda = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<FrmAyuda*>(w); a && a->isVisible())
                ayuda = a;
        EXPECT_NE(ayuda, nullptr) << t.m.fake.dialogs.texts().join(" / ").toStdString();
        EXPECT_TRUE(t.m.fake.dialogs.shown.empty());
        if (ayuda)
            ayuda->close();
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

TEST(Arranque, RecuerdaSonidoCaraYFondo)
{
    MesaDePrueba m(1);
    QTemporaryDir dir;
    const QString fondo = dir.path() + QStringLiteral("/fondo.png");
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(fondo));
    auto& s = m.fake.settings;
    s.save(QStringLiteral("Truco"), QStringLiteral("Sonido"), QStringLiteral("habilitado"), QStringLiteral("-1"));
    s.save(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), QStringLiteral("7"));
    s.save(QStringLiteral("Truco"), QStringLiteral("Imagen"), QStringLiteral("Fondo"), fondo);
    m.form.Form_Load();
    EXPECT_TRUE(m.form.nosonido->isChecked());
    EXPECT_EQ(m.form.carTag, QStringLiteral("7"));
    EXPECT_EQ(m.form.P1.size(), QSize(40, 30));
    // The tiles cover the table: a corner far from the frame is red.
    const QImage mesa = m.form.centralWidget()->grab().toImage();
    EXPECT_EQ(mesa.pixelColor(mesa.width() - 3, mesa.height() - 3), QColor(Qt::red));
}

TEST(Arranque, SinSonidoGuardadoComoPalabraSeLee)
{
    MesaDePrueba m(1);
    m.fake.settings.save(QStringLiteral("Truco"), QStringLiteral("Sonido"), QStringLiteral("habilitado"), QStringLiteral("True"));
    m.form.Form_Load();
    EXPECT_TRUE(m.form.nosonido->isChecked());
}

TEST(Arranque, UnFondoQueYaNoExisteDejaElIncorporado)
{
    MesaDePrueba m(1);
    m.fake.settings.save(QStringLiteral("Truco"), QStringLiteral("Imagen"), QStringLiteral("Fondo"), QStringLiteral("/no/existe.jpg"));
    m.form.Form_Load();
    EXPECT_EQ(m.form.P1.size(), QSize(160, 160));
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

