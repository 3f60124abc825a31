#include "platform/Program.h"
#include "shell/FrmAyuda.h"
#include "shell/Publicidad.h"
#include "support/Jugador.h"

#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
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

}  // namespace

TEST(Ayuda, OpensFromAnyFolderWithItsContentsReadable)
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

    // The contents read at the size of the text's body, with air between lines.
    QTextCursor c(w->Texto->document());
    c.movePosition(QTextCursor::NextBlock);
    c.movePosition(QTextCursor::NextCharacter);
    const QFont cuerpo = c.charFormat().font();
    ASSERT_GT(cuerpo.pixelSize(), 0);
    EXPECT_EQ(w->Contenido->font().pixelSize(), cuerpo.pixelSize());
    EXPECT_GE(w->Contenido->visualItemRect(parejas).height(), QFontMetrics(w->Contenido->font()).height() + 4);

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
