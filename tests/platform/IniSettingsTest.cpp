#include "platform/IniSettings.h"
#include "support/Archivos.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniSettings, NamesMatchWithoutRegardToCaseAndWritingOneKeyKeepsTheOthers)
{
    QTemporaryDir dir;
    IniSettings s(dir.path());
    s.save("truco", "Config", "nombre", "Juan");
    EXPECT_EQ(s.get("Truco", "CONFIG", "Nombre"), "Juan");
    EXPECT_EQ(s.get("TRUCO", "config", "NOMBRE", "x"), "Juan");

    s.save("TRUCO", "CONFIG", "NOMBRE", "Ana");
    EXPECT_EQ(s.get("truco", "config", "nombre"), "Ana");
    const QString text = QString::fromUtf8(leer(dir.filePath("truco.ini")));
    EXPECT_TRUE(text.contains("[Config]\n"));
    EXPECT_TRUE(text.contains("nombre=Ana\n"));
    EXPECT_FALSE(text.contains("CONFIG"));
    EXPECT_FALSE(text.contains("NOMBRE"));

    // Writing one key keeps all the others.
    s.save("Truco", "Version", "Pais", "1");
    s.save("Truco", "cara", "Numero", "7");
    s.save("Truco", "cara", "Numero", "8");

    EXPECT_EQ(s.get("Truco", "Version", "Pais"), "1");
    EXPECT_EQ(s.get("Truco", "cara", "Numero"), "8");
    EXPECT_EQ(s.get("Truco", "Config", "nombre"), "Ana");

    // Another writer (the installer) changes the file between two reads.
    IniSettings otro(dir.path());
    otro.save("TRUCO", "version", "pais", "2");
    EXPECT_EQ(s.get("Truco", "Version", "Pais"), "2");
    EXPECT_EQ(s.get("Truco", "cara", "Numero"), "8");
}

TEST(IniSettings, BadLinesAreSkippedWhenReadAndKeptWhenSaving)
{
    QTemporaryDir dir;
    IniSettings s(dir.path());
    // Good lines around bad ones are still read; bad ones are not.
    const QByteArray antes = QByteArray("junk before any section\n[Config]\r\nnombre = Eva \r\n")
                             + QByteArray("\x00\xff\xfe=\x01\n", 6) + "=sin clave\n[]\nsin igual\n"
                             + "[Version]\nPais=2\nclave=con\x01" "control\n";
    ASSERT_TRUE(escribir(dir.filePath("truco.ini"), antes));
    EXPECT_EQ(s.get("truco", "config", "nombre"), "Eva");
    EXPECT_EQ(s.get("truco", "version", "pais"), "2");
    EXPECT_EQ(s.get("truco", "version", "clave", "def"), "def");

    // Saving another key adds its line and leaves every other byte alone.
    s.save("Truco", "cara", "Numero", "4");
    const QByteArray despues = leer(dir.filePath("truco.ini"));
    EXPECT_TRUE(despues.startsWith(antes)) << despues.toStdString();
    EXPECT_TRUE(despues.endsWith("[cara]\nNumero=4\n"));
    EXPECT_EQ(s.get("truco", "config", "nombre"), "Eva");
    EXPECT_EQ(s.get("truco", "cara", "numero"), "4");
}

namespace {

// As another program or an older version left it: Windows-1252 text with
// Windows line ends, comments, and one line in UTF-8.
const QByteArray kAjeno = "; Opciones del truco\r\n"
                          "[Config]\r\n"
                          "# escrito a mano\r\n"
                          "nombre=Mu\xf1oz\r\n"
                          "apodo=\x93Pe\xf1" "a\x94 \x80\r\n"
                          "ciudad=Bogot\xc3\xa1\r\n"
                          "raro=\x81\r\n"
                          "\r\n"
                          "[Version]\r\n"
                          "Pais=2\r\n";

}  // namespace

TEST(IniSettings, ALineThatIsNotUtf8IsReadAsWindows1252AndKeptAsItIs)
{
    QTemporaryDir dir;
    IniSettings s(dir.path());
    ASSERT_TRUE(escribir(dir.filePath("truco.ini"), kAjeno));
    EXPECT_EQ(s.get("Truco", "Config", "nombre"), QStringLiteral("Muñoz"));
    EXPECT_EQ(s.get("Truco", "Config", "apodo"), QStringLiteral("“Peña” €"));
    EXPECT_EQ(s.get("Truco", "Config", "ciudad"), QStringLiteral("Bogotá"));
    // A byte the code page does not assign is no text at all.
    EXPECT_EQ(s.get("Truco", "Config", "raro", "def"), "def");
    EXPECT_EQ(s.get("Truco", "Version", "Pais"), "2");

    // Saving keeps foreign lines and comments byte for byte. A key of a section that is there: only its own line changes.
    s.save("Truco", "Version", "Pais", "1");
    QByteArray esperado = kAjeno;
    esperado.replace("Pais=2\r\n", "Pais=1\r\n");
    EXPECT_EQ(leer(dir.filePath("truco.ini")), esperado);

    // A new key in a section that is there, then a new section.
    s.save("Truco", "Config", "Fondo", "");
    s.save("Truco", "cara", "Numero", "7");
    const QByteArray despues = leer(dir.filePath("truco.ini"));
    for (const char* linea : {"; Opciones del truco\r\n", "# escrito a mano\r\n", "nombre=Mu\xf1oz\r\n",
                              "apodo=\x93Pe\xf1" "a\x94 \x80\r\n", "raro=\x81\r\n"})
        EXPECT_TRUE(despues.contains(linea)) << linea;
    EXPECT_EQ(s.get("Truco", "Config", "nombre"), QStringLiteral("Muñoz"));
    EXPECT_EQ(s.get("Truco", "Config", "Fondo", "def"), "");
    EXPECT_EQ(s.get("Truco", "cara", "Numero"), "7");
    EXPECT_EQ(s.get("Truco", "Version", "Pais"), "1");
}

TEST(IniSettings, WritingAForeignKeyReplacesItsLinesWithOneInUtf8)
{
    QTemporaryDir dir;
    IniSettings s(dir.path());
    // A later copy of the key, unreadable, would come back if it were kept.
    ASSERT_TRUE(escribir(dir.filePath("truco.ini"), kAjeno + "[CONFIG]\r\nNOMBRE=Ana\x01\r\n"));

    s.save("truco", "config", "NOMBRE", QStringLiteral("Muñoz Peña"));
    const QByteArray despues = leer(dir.filePath("truco.ini"));
    EXPECT_EQ(s.get("Truco", "Config", "nombre"), QStringLiteral("Muñoz Peña"));
    EXPECT_EQ(despues.count("nombre="), 1);
    EXPECT_FALSE(despues.contains("NOMBRE"));
    EXPECT_FALSE(despues.contains("Mu\xf1oz"));
    // Written in place, in the file's spelling and line ends.
    EXPECT_TRUE(despues.contains("# escrito a mano\r\nnombre=Mu\xc3\xb1oz Pe\xc3\xb1" "a\r\napodo="));
    EXPECT_TRUE(despues.startsWith("; Opciones del truco\r\n[Config]\r\n"));
    EXPECT_EQ(s.get("Truco", "Config", "apodo"), QStringLiteral("“Peña” €"));
    EXPECT_EQ(s.get("Truco", "Version", "Pais"), "2");
}

TEST(IniSettings, AFolderThatCannotBeWrittenDropsTheSave)
{
    QTemporaryDir dir;
    // A regular file standing where a folder should be stops writes even as root.
    ASSERT_TRUE(escribir(dir.filePath("archivo"), "x"));
    IniSettings bajoArchivo(dir.filePath("archivo/config"));
    EXPECT_NO_THROW(bajoArchivo.save("Truco", "Config", "nombre", "Ana"));
    EXPECT_EQ(bajoArchivo.get("Truco", "Config", "nombre", "def"), "def");
    EXPECT_NO_THROW(bajoArchivo.deleteApp("Truco"));

    // A missing folder is created.
    IniSettings nueva(dir.filePath("a/b/c"));
    nueva.save("Truco", "Config", "nombre", "Ana");
    EXPECT_EQ(nueva.get("Truco", "Config", "nombre"), "Ana");
}

// Values are read as the store writes them, leniently only where a person
// editing the file would expect it.
TEST(IniSettings, TypedReadsOfBooleansAndNumbers)
{
    for (const auto& [texto, valor] : {std::pair{"-1", true}, {"1", true}, {"True", true}, {"true", true},
                                       {" TRUE ", true}, {"0", false}, {"False", false}, {"false", false}, {" 0 ", false}})
        EXPECT_EQ(leerBooleano(QString::fromLatin1(texto), !valor), valor) << texto;
    EXPECT_TRUE(leerBooleano(QStringLiteral("sí"), true));
    EXPECT_FALSE(leerBooleano(QString(), false));
    for (const auto& [texto, valor] : {std::pair{"01", 1}, {" 12 ", 12}, {"-3", -3}, {"", 7}, {"uno", 7}, {"1.5", 7},
                                       {"0x10", 7}, {"3a", 7}})
        EXPECT_EQ(leerEntero(QString::fromLatin1(texto), 7), valor) << texto;

    QTemporaryDir dir;
    IniSettings s(dir.path());
    s.save("Truco", "Sonido", "habilitado", "True");
    s.save("Truco", "Version", "Pais", "01");
    EXPECT_TRUE(s.getBool("Truco", "Sonido", "habilitado", false));
    EXPECT_EQ(s.getInt("Truco", "Version", "Pais", 2), 1);
    EXPECT_EQ(s.getInt("Truco", "cara", "Numero", 4), 4);  // missing
}

// A picture chosen from a folder whose name carries a control character, or
// a name pasted with one, must still be there at the next start.
TEST(IniSettings, AValueWithControlCharactersReadsBackAsOneLine)
{
    QTemporaryDir dir;
    IniSettings s(dir.path());
    s.save("Truco", "Imagen", "Fondo", QString::fromUtf8("/home/ana/fondos\x1b" "viejos/pa\x01no.jpg"));
    s.save("Truco", "Config", "nombre", QString::fromUtf8("Ana\tMar\x7fia\r\nLopez"));
    EXPECT_EQ(s.get("Truco", "Imagen", "Fondo", "perdido"), "/home/ana/fondos viejos/pa no.jpg");
    EXPECT_EQ(s.get("Truco", "Config", "nombre", "perdido"), QString::fromUtf8("Ana\tMar\x7fia  Lopez"));
    // Saved again, the key keeps one line.
    s.save("Truco", "Imagen", "Fondo", QString::fromUtf8("\x02otro.jpg\x03"));
    EXPECT_EQ(s.get("Truco", "Imagen", "Fondo", "perdido"), "otro.jpg");
    EXPECT_EQ(leer(dir.filePath("truco.ini")).count("Fondo="), 1);
}

// U+FFFD is a character like any other when it is written in UTF-8; only a
// byte the code page leaves undefined makes a line unreadable.
TEST(IniSettings, AReplacementCharacterWrittenInUtf8IsRead)
{
    QTemporaryDir dir;
    IniSettings s(dir.path());
    const QString nombre = QStringLiteral("Mu") + QChar(QChar::ReplacementCharacter) + QStringLiteral("oz");
    s.save("Truco", "Config", "nombre", nombre);
    EXPECT_EQ(s.get("Truco", "Config", "nombre", "perdido"), nombre);

    ASSERT_TRUE(escribir(dir.filePath("truco.ini"), "[Config]\nnombre=Mu\x81oz\nnivel=2\n"));
    EXPECT_EQ(s.get("Truco", "Config", "nombre", "perdido"), "perdido");
    EXPECT_EQ(s.get("Truco", "Config", "nivel"), "2");
}
