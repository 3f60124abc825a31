#include "platform/Program.h"
#include "shell/Facerca.h"
#include "shell/FrmAyuda.h"
#include "shell/Publicidad.h"
#include "shell/Vinculo.h"
#include "support/Jugador.h"
#include "support/ServidorHttp.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Runs a test from another current folder.
struct OtraCarpeta {
    OtraCarpeta() : antes(QDir::currentPath()) { QDir::setCurrent(tmp.path()); }
    ~OtraCarpeta() { QDir::setCurrent(antes); }
    QTemporaryDir tmp;
    QString antes;
};

// The queued menu command runs; bounded, it never hangs.
void esperarHasta(const std::function<bool()>& listo)
{
    for (int i = 0; i < 200 && !listo(); ++i)
        QTest::qWait(10);
}

}  // namespace

TEST(Ayuda, HelpFilesLieBesideTheProgram)
{
    QFile cnt(executableFolder() + "/Truco.cnt");
    ASSERT_TRUE(cnt.open(QIODevice::ReadOnly));
    EXPECT_EQ(cnt.readAll(), QByteArray(":Base Truco.hlp\r\n1 Contenido\r\n2 C\xf3mo jugar al Naipex=1\r\n"
                                        "2 C\xf3mo jugar con otro jugador en una red=2\r\n2 C\xf3mo jugar en parejas=3\r\n"
                                        "2 Acerca de Naipex=4\r\n"));
    QFile hlp(executableFolder() + "/Truco.hlp");
    ASSERT_TRUE(hlp.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(hlp.readAll());
    for (int t = 1; t <= 4; ++t)
        EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"tema%1\">").arg(t))) << t;
}

TEST(Ayuda, OpensFromAnyFolderWithItsContents)
{
    OtraCarpeta otra;
    MesaDePrueba m;
    m.form.como->trigger();
    FrmAyuda* w = m.form.publicidad->ayuda();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(m.fake.dialogs.shown.empty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->titulos(), (QStringList{"Contenido", "Cómo jugar al Naipex", "Cómo jugar con otro jugador en una red",
                                         "Cómo jugar en parejas", "Acerca de Naipex"}));
    const QString texto = w->Texto->toPlainText();
    for (const char* s : {"Usuario Vs PC", "Juego en red...", "1001", "¿Quién es mi compañero?", "Son Buenas"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(s))) << s;

    // Choosing a topic in the contents moves the text to it.
    w->resize(880, 600);
    w->Texto->verticalScrollBar()->setValue(0);
    QTreeWidgetItem* parejas = w->Contenido->topLevelItem(0)->child(2);
    w->Contenido->setCurrentItem(parejas);
    const int enParejas = w->Texto->verticalScrollBar()->value();
    EXPECT_GT(enParejas, 0);
    w->Contenido->setCurrentItem(w->Contenido->topLevelItem(0)->child(0));
    EXPECT_LT(w->Texto->verticalScrollBar()->value(), enParejas);
    captura(w, "ayuda");

    // A second command brings back the same window.
    m.form.como->trigger();
    EXPECT_EQ(m.form.publicidad->ayuda(), w);
}

TEST(Ayuda, AMissingHelpFileSaysSo)
{
    QTemporaryDir vacia;
    FakeServices fs;
    fs.services.programFolder = vacia.path();
    QWidget ventana;
    Publicidad p(fs.services, &ventana, &ventana);
    p.como_Click();
    ASSERT_EQ(fs.dialogs.shown.size(), 1u);
    EXPECT_EQ(fs.dialogs.shown[0].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(fs.dialogs.shown[0].text.startsWith("No se encontró el archivo de ayuda \"Truco.hlp\""));
    EXPECT_TRUE(fs.dialogs.shown[0].text.contains(vacia.path()));
    EXPECT_TRUE(p.ayuda() == nullptr || !p.ayuda()->isVisible());
}

TEST(Facerca, LinksOpenThroughTheLinkServiceAndAceptarHides)
{
    EntornoTemporal sitio("NAIPEX_SITIO", "http://127.0.0.1:8080");
    EntornoTemporal correo("NAIPEX_CORREO", "ayuda@local.example");
    MesaDePrueba m;
    int mostrada = 0;
    QObject::connect(&m.form, &Form1::ventanaModal, [&](QDialog* d) {
        auto* w = qobject_cast<Facerca*>(d);
        ASSERT_NE(w, nullptr);
        QTimer::singleShot(0, w, [&, w] {
            ++mostrada;
            EXPECT_EQ(w->windowTitle(), "Acerca de Naipex");
            EXPECT_EQ(w->Tag, "0");
            EXPECT_EQ(w->Label3->caption(), "127.0.0.1:8080");
            EXPECT_EQ(w->Label4->caption(), "www.orvalia.example");
            EXPECT_EQ(w->Label2->caption(), "ayuda@local.example");
            EXPECT_FALSE(w->Label1->text().isEmpty());
            EXPECT_FALSE(w->Image1->pixmap().isNull());
            EXPECT_FALSE(w->Image2->pixmap().isNull());
            QEvent entra(QEvent::Enter), sale(QEvent::Leave);
            QApplication::sendEvent(w->Label4, &entra);
            EXPECT_TRUE(w->Label4->subrayado());
            EXPECT_FALSE(w->Label3->subrayado());
            QApplication::sendEvent(w->Label4, &sale);
            EXPECT_FALSE(w->Label4->subrayado());
            if (mostrada == 1) {
                captura(w, "acerca");
                QTest::mouseClick(w->Label3, Qt::LeftButton);
                QTest::mouseClick(w->Label4, Qt::LeftButton);
                QTest::mouseClick(w->Label2, Qt::LeftButton);
            }
            w->Command1->click();
        });
    });
    m.form.acerca->trigger();
    esperarHasta([&] { return mostrada == 1; });
    ASSERT_EQ(mostrada, 1);
    Facerca* primera = m.form.publicidad->acercaDe();
    ASSERT_NE(primera, nullptr);
    EXPECT_FALSE(primera->isVisible());
    EXPECT_EQ(m.fake.enlaces.abiertos, (QList<QUrl>{QUrl("http://127.0.0.1:8080"), QUrl("http://www.orvalia.example"),
                                                   QUrl("mailto:ayuda@local.example")}));

    // Hidden, not unloaded: the next command shows the same window.
    m.form.acerca->trigger();
    esperarHasta([&] { return mostrada == 2; });
    EXPECT_EQ(mostrada, 2);
    EXPECT_EQ(m.form.publicidad->acercaDe(), primera);
}
