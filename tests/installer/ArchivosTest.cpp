// Where the pieces are extracted, and the files that replace installed ones
// all together or not at all.
#include "Arbol.h"
#include "installer/Entorno.h"
#include "installer/rules/PrivateFolder.h"
#include "installer/rules/Replacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace payload;

namespace {

std::string s(const QString& q) { return QFile::encodeName(q).toStdString(); }
QString q(const std::string& s) { return QFile::decodeName(s.c_str()); }

}  // namespace

TEST(Temporal, TheRuntimeFolderFirstThenTmpdirThenTmp)
{
    EXPECT_EQ(temporaryBase("/run/user/1000", "/var/tmp"), "/run/user/1000");
    EXPECT_EQ(temporaryBase(nullptr, "/var/tmp/"), "/var/tmp");
    EXPECT_EQ(temporaryBase("", "/var/tmp"), "/var/tmp");
    EXPECT_EQ(temporaryBase(nullptr, nullptr), "/tmp");
    // Relative values are not folders anyone chose for this.
    EXPECT_EQ(temporaryBase("run", "tmp"), "/tmp");
    EXPECT_EQ(temporaryBase("run", "/var/tmp"), "/var/tmp");
    EXPECT_EQ(temporaryBase("/", nullptr), "/");
}

TEST(Temporal, APrivateFolderIsNewOnlyMineAndGoesWithEverythingInIt)
{
    QTemporaryDir raiz;
    const QString base = raiz.filePath(QStringLiteral("compartida"));
    QDir().mkpath(base);
    ::chmod(s(base).c_str(), 01777);
    const QString afuera = raiz.filePath(QStringLiteral("afuera"));
    escribir(afuera, "no se toca");

    std::string ruta;
    {
        PrivateFolder a(s(base));
        PrivateFolder b(s(base));
        ASSERT_TRUE(a.ok()) << a.error();
        ASSERT_TRUE(b.ok()) << b.error();
        EXPECT_NE(a.path(), b.path());
        EXPECT_EQ(QFileInfo(q(a.path())).absolutePath(), base);
        struct stat st {};
        ASSERT_EQ(::lstat(a.path().c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_EQ(st.st_uid, ::geteuid());
        ruta = a.path();
        escribir(q(a.file("Truco")), "x");
        escribir(q(a.file("sub/Truco.hlp")), "y");
        ASSERT_TRUE(QFile::link(afuera, q(a.file("enlace"))));
    }
    EXPECT_FALSE(QFileInfo::exists(q(ruta)));
    EXPECT_TRUE(QDir(base).isEmpty());
    EXPECT_EQ(leer(afuera), QByteArray("no se toca"));

    // A base that is no folder gives no folder and says why.
    PrivateFolder mala(s(afuera));
    EXPECT_FALSE(mala.ok());
    EXPECT_FALSE(mala.error().empty());
    EXPECT_EQ(leer(afuera), QByteArray("no se toca"));
}

namespace {

// Installed files "a", "b" (and no "c") and their new versions.
struct Reemplazos {
    QTemporaryDir t;
    QString inst = t.filePath(QStringLiteral("inst"));
    QString nuevos = t.filePath(QStringLiteral("nuevos"));
    Reemplazos()
    {
        escribir(inst + QStringLiteral("/a"), "viejo a");
        escribir(inst + QStringLiteral("/b"), "viejo b, más largo");
        for (const char* n : {"a", "b", "c"})
            escribir(nuevos + QLatin1Char('/') + QLatin1String(n), QByteArray("nuevo ") + n);
        QFile::setPermissions(nuevos + QStringLiteral("/c"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                  | QFileDevice::ExeOwner | QFileDevice::ReadOther);
    }
    bool preparar(ReplacementSet& r, const char* n, std::string* error = nullptr)
    {
        return r.stage(s(nuevos + QLatin1Char('/') + QLatin1String(n)), s(inst + QLatin1Char('/') + QLatin1String(n)),
                       CopyOptions{}, error);
    }
    Arbol instalado() const { return leerArbol(inst); }
};

}  // namespace

// Staged beside, then all put in place together; kept, or without keep()
// everything goes back.
TEST(Reemplazo, AllNewFilesTakeTheirPlacesTogetherAndGoBackUnlessKept)
{
    for (const bool guardar : {true, false}) {
        SCOPED_TRACE(guardar ? "guardado" : "deshecho");
        Reemplazos r;
        const Arbol antes = r.instalado();
        const Arbol nuevos{{QStringLiteral("a"), "nuevo a"}, {QStringLiteral("b"), "nuevo b"}, {QStringLiteral("c"), "nuevo c"}};
        {
            ReplacementSet set;
            for (const char* n : {"a", "b", "c"})
                ASSERT_TRUE(r.preparar(set, n));
            EXPECT_EQ(leer(r.inst + QStringLiteral("/a")), QByteArray("viejo a"));
            EXPECT_FALSE(QFile::exists(r.inst + QStringLiteral("/c")));
            ASSERT_TRUE(set.commit());
            for (const auto& [n, bytes] : nuevos)
                EXPECT_EQ(leer(r.inst + QLatin1Char('/') + n), bytes);
            EXPECT_TRUE(QFileInfo(r.inst + QStringLiteral("/c")).isExecutable());
            if (guardar)
                set.keep();
        }
        EXPECT_EQ(r.instalado(), guardar ? nuevos : antes);
    }
}

TEST(Reemplazo, ADestinationThatIsAFolderIsRefusedBeforeAnythingIsReplaced)
{
    Reemplazos r;
    escribir(r.inst + QStringLiteral("/c/dentro"), "de otro");
    const Arbol antes = r.instalado();
    {
        ReplacementSet set;
        ASSERT_TRUE(r.preparar(set, "a"));
        std::string error;
        EXPECT_FALSE(r.preparar(set, "c", &error));
        EXPECT_FALSE(error.empty());
        // A source that is not there is refused too.
        EXPECT_FALSE(set.stage(s(r.nuevos + QStringLiteral("/falta")), s(r.inst + QStringLiteral("/b")), {}, &error));
    }
    // Whatever was staged is gone with the set.
    EXPECT_EQ(r.instalado(), antes);
}

TEST(Reemplazo, AFailedRenamePutsBackWhatWasAlreadyReplaced)
{
    Reemplazos r;
    Arbol antes = r.instalado();
    ReplacementSet set;
    for (const char* n : {"a", "b", "c"})
        ASSERT_TRUE(r.preparar(set, n));
    // Someone puts a folder where the last one goes after it was staged.
    escribir(r.inst + QStringLiteral("/c/dentro"), "de otro");
    antes[QStringLiteral("c")] = "<carpeta>";
    antes[QStringLiteral("c/dentro")] = "de otro";
    std::string fallido;
    EXPECT_FALSE(set.commit(&fallido));
    EXPECT_EQ(q(fallido), r.inst + QStringLiteral("/c"));
    EXPECT_EQ(r.instalado(), antes);
}

TEST(Reemplazo, AFileIsNotCopiedOntoItself)
{
    Reemplazos r;
    ReplacementSet set;
    const QString a = r.inst + QStringLiteral("/a");
    ASSERT_TRUE(set.stage(s(a), s(r.inst + QStringLiteral("/./a")), {}));
    EXPECT_EQ(set.size(), 0u);
    ASSERT_TRUE(set.commit());
    set.keep();
    EXPECT_EQ(leer(a), QByteArray("viejo a"));
}

namespace {

// Sets (or, with null, removes) an environment variable for one scope.
class Variable {
public:
    Variable(const char* nombre, const char* valor) : nombre_(nombre), habia_(qEnvironmentVariableIsSet(nombre))
    {
        antes_ = qgetenv(nombre);
        valor ? qputenv(nombre, valor) : qunsetenv(nombre);
    }
    ~Variable() { habia_ ? qputenv(nombre_, antes_) : qunsetenv(nombre_); }

private:
    const char* nombre_;
    bool habia_;
    QByteArray antes_;
};

}  // namespace

// The temporary folder and the lock come from the environment. Run by root
// for every user, the program, its libraries and its menu go to the system's
// folders; for one user, under his home.
TEST(Temporal, TheFoldersComeFromTheEnvironmentAndWhoInstalls)
{
    {
        Variable run("XDG_RUNTIME_DIR", "/run/user/4321");
        Variable tmp("TMPDIR", "/var/tmp/otro");
        const Entorno e = Entorno::delSistema(false);
        EXPECT_EQ(e.temporal, QStringLiteral("/run/user/4321"));
        EXPECT_EQ(e.bloqueo, QStringLiteral("/run/user/4321/instalox.lock"));
    }
    {
        // Without a runtime folder the pieces go under TMPDIR, but the lock
        // stays in the user's own folder.
        Variable run("XDG_RUNTIME_DIR", nullptr);
        Variable tmp("TMPDIR", "/var/tmp/otro");
        Variable config("XDG_CONFIG_HOME", "/home/pepe/.config");
        const Entorno e = Entorno::delSistema(false);
        EXPECT_EQ(e.temporal, QStringLiteral("/var/tmp/otro"));
        EXPECT_EQ(e.bloqueo, QStringLiteral("/home/pepe/.config/instalox.lock"));
    }
    Variable home("HOME", "/home/pepe");
    Variable datos("XDG_DATA_HOME", nullptr);
    Variable config("XDG_CONFIG_HOME", nullptr);
    const Entorno todos = Entorno::delSistema(true);
    EXPECT_EQ(todos.carpetaPorDefecto(), QStringLiteral("/opt/Orvalia/Naipex/"));
    EXPECT_EQ(todos.sistema, QStringLiteral("/usr/local/lib"));
    EXPECT_EQ(todos.aplicaciones, QStringLiteral("/usr/local/share/applications"));
    EXPECT_EQ(todos.menus, QStringLiteral("/etc/xdg/menus/applications-merged"));
    const Entorno uno = Entorno::delSistema(false);
    EXPECT_EQ(uno.carpetaPorDefecto(), QStringLiteral("/home/pepe/.local/opt/Orvalia/Naipex/"));
    EXPECT_EQ(uno.sistema, QStringLiteral("/home/pepe/.local/lib"));
    EXPECT_EQ(uno.aplicaciones, QStringLiteral("/home/pepe/.local/share/applications"));
    EXPECT_EQ(uno.menus, QStringLiteral("/home/pepe/.config/menus/applications-merged"));
}
