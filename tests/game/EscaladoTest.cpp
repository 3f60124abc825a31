// The table grows with its window: every control keeps its relative place,
// no text is clipped, and the size is remembered.
#include "game/MesaEscalable.h"
#include "shell/f2.h"
#include "support/Jugador.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace {

MesaEscalable* mesaDe(Form1& f) { return qobject_cast<MesaEscalable*>(f.centralWidget()); }

// Mean difference per colour channel (0..255) of two images of one size.
double diferencia(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull())
        return 255;
    double suma = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            suma += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return suma / (3.0 * x.width() * x.height());
}

// The longest things the table says, in the places that say them.
void textosLargos(Form1& f)
{
    f.LC->setCaption(QStringLiteral("¡Hasta aquí llegó el olor!"));
    f.LH->setCaption(QStringLiteral("Yo tengo... 33"));
    f.Label1->setCaption(QStringLiteral("PC cantó Flor"));
    f.NombreC->setCaption(QStringLiteral("Marianela"));
    f.JH[0]->setCaption(QStringLiteral("12O (7 )"));
}

// Every placed control keeps its relative place at each size, and no visible
// text is cut; the visible controls never cover one another.
// The texts named in conTexto must be among those checked, so that a table
// that shows nothing cannot pass.
void revisarTamanos(Form1& f, const QString& prefijo, const std::vector<QWidget*>& conTexto)
{
    MesaEscalable* mesa = mesaDe(f);
    ASSERT_NE(mesa, nullptr);
    const QList<QSize> tamanos = {f.size(), QSize(1320, 1060), QSize(1700, 760), QSize(900, 1400), QSize(3840, 2100)};
    for (const QSize& t : tamanos) {
        f.resize(t);
        ASSERT_TRUE(asentar());
        captura(&f, QStringLiteral("%1-%2x%3").arg(prefijo).arg(t.width()).arg(t.height()));
        SCOPED_TRACE(QStringLiteral("%1 %2x%3").arg(prefijo).arg(t.width()).arg(t.height()).toStdString());
        const double s = mesa->escala();
        // Uniform scale, aspect kept: the table fits and is centred.
        EXPECT_NEAR(s, std::max(1.0, std::min(mesa->width() / 660.0, mesa->height() / 512.0)), 1e-9);
        EXPECT_NEAR(mesa->origen().x() * 2 + 660 * s, mesa->width(), 1.0);
        EXPECT_NEAR(mesa->origen().y() * 2 + 512 * s, mesa->height(), 1.0);

        int revisados = 0;
        std::vector<std::pair<QWidget*, QRect>> vistos;
        std::set<QWidget*> textosRevisados;
        for (QWidget* w : mesa->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect l = mesa->logicoDe(w);
            if (l.isNull())
                continue;
            ++revisados;
            const QRect g = w->geometry();
            SCOPED_TRACE(w->objectName().toStdString());
            // Its relative place: back in logical coordinates, where it was put.
            EXPECT_NEAR((g.x() - mesa->origen().x()) / s, l.x(), 1.0);
            EXPECT_NEAR((g.y() - mesa->origen().y()) / s, l.y(), 1.0);
            EXPECT_NEAR(g.width() / s, l.width(), 1.0);
            EXPECT_NEAR(g.height() / s, l.height(), 1.0);
            EXPECT_TRUE(mesa->rect().contains(g));
            EXPECT_TRUE(QRect(0, 0, 660, 512).contains(l));
            if (!w->isVisible())
                continue;
            vistos.emplace_back(w, l);
            const QFontMetrics fm(w->font());
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                textosRevisados.insert(w);
                EXPECT_LE(fm.horizontalAdvance(b->text()) + 4, b->width()) << b->text().toStdString();
                EXPECT_LE(fm.height(), b->height());
            } else if (auto* e = qobject_cast<QLabel*>(w); e && !e->text().isEmpty()) {
                textosRevisados.insert(w);
                const QRect cr = e->contentsRect();
                if (e->wordWrap() || e->text().contains(QLatin1Char('\n'))) {
                    // Wrapped text: every line within the width, all lines within the height.
                    const QRect br = fm.boundingRect(QRect(0, 0, cr.width(), 100000),
                                                     int(e->alignment()) | (e->wordWrap() ? Qt::TextWordWrap : 0), e->text());
                    EXPECT_LE(br.width(), cr.width()) << e->text().toStdString();
                    EXPECT_LE(br.height(), cr.height() + 2) << e->text().toStdString();
                } else {
                    EXPECT_LE(fm.horizontalAdvance(e->text()), cr.width()) << e->text().toStdString();
                    EXPECT_LE(fm.height(), cr.height() + 2) << e->text().toStdString();
                }
            }
        }
        EXPECT_GT(revisados, 40);
        for (QWidget* w : conTexto)
            EXPECT_TRUE(textosRevisados.count(w)) << "not checked: " << w->objectName().toStdString();
        for (std::size_t i = 0; i < vistos.size(); ++i)
            for (std::size_t j = i + 1; j < vistos.size(); ++j)
                EXPECT_FALSE(vistos[i].second.intersects(vistos[j].second))
                    << vistos[i].first->objectName().toStdString() << " covers " << vistos[j].first->objectName().toStdString();
    }
}

}  // namespace

// The table of two with its longest texts, and the table of four with every
// seat showing a played card in each trick, long names and speech on every side.
class EscaladoDeMesas : public ::testing::TestWithParam<bool> {};

TEST_P(EscaladoDeMesas, CadaControlGuardaSuLugarYNingunTextoSeCorta)
{
    MesaDePrueba m(6);
    m.form.Form_Load();
    m.empezar();
    Form1& f = m.form;
    if (!GetParam()) {
        textosLargos(f);
        revisarTamanos(f, QStringLiteral("mesa"), {f.LC, f.LH, f.Label1, f.NombreC, f.JH[0]});
        return;
    }
    f.disposicionCuatro(true);
    const QString nombres[4] = {QStringLiteral("Ana"), QStringLiteral("Florencia [PIE]"), QStringLiteral("Marianela"), QStringLiteral("Bartolomé")};
    for (int k = 0; k < 4; ++k)
        f.Nomb[k]->setCaption(nombres[k]);
    for (int k : {1, 3})
        f.car[k]->setPicture(f.opciones().Cara[k + 4], nombres[k]);
    f.Label2->setCaption(QStringLiteral("Ana\nMarianela"));
    f.NombreC->setCaption(QStringLiteral("Florencia\nBartolomé"));
    f.LH->setCaption(QStringLiteral("Yo tengo... 33"));
    f.LC->setCaption(QStringLiteral("Quiero retruco"));
    f.LD->setCaption(QStringLiteral("¡Hasta aquí llegó el olor!"));
    f.LI->setCaption(QStringLiteral("Quiero Vale 4"));
    f.SemV->show();
    const QPixmap carta = f.ICH[0]->picture();
    const std::array<Etiqueta*, 3>* textos[4] = {&f.JH, &f.JD, &f.JM, &f.JI};
    for (int a = 0; a < 4; ++a)
        for (int t = 0; t < 3; ++t) {
            f.VolarCarta(a, t, carta, QStringLiteral("12 de oros"));
            (*textos[a])[t]->setCaption(QStringLiteral("12O (14 )"));
        }
    EXPECT_FALSE(f.colaOcupada());
    for (Naipe* i : f.ICH)
        i->hide();  // all three are on the cloth
    revisarTamanos(f, QStringLiteral("mesa4"),
                   {f.Nomb[1], f.Nomb[3], f.Label2, f.NombreC, f.LH, f.LC, f.LD, f.LI, f.JD[2], f.JI[2]});
}

INSTANTIATE_TEST_SUITE_P(Mesas, EscaladoDeMesas, ::testing::Bool(),
                         [](const auto& i) { return std::string(i.param ? "DeCuatro" : "DeDos"); });

TEST(Escalado, LasCartasSeDibujanDesdeSuArchivoCompleto)
{
    MesaDePrueba m(6);
    m.form.Form_Load();
    m.empezar();
    Form1& f = m.form;
    // The picture kept is the file's own, larger than the card is shown.
    EXPECT_GE(f.ICH[0]->picture().width(), 244);
    f.resize(QSize(2640, 2100));
    ASSERT_TRUE(asentar());
    const double s = mesaDe(f)->escala();
    EXPECT_GE(s, 3.5);
    EXPECT_NEAR(f.ICH[0]->width(), 60 * s, 1.0);
    // Drawn smoothly from the whole file: close to the file scaled to that
    // size, much closer than a blown-up copy at the natural size (blocks of
    // equal pixels) or the file sampled without smoothing.
    const QImage carta = f.ICH[0]->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage archivo = f.ICH[0]->picture().toImage();
    const QSize tam = carta.size();
    const QImage suave = archivo.scaled(tam, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage enBloques = archivo.scaled(QSize(60, 92), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .scaled(tam, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage aSaltos = archivo.scaled(tam, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const double cerca = diferencia(carta, suave);
    EXPECT_LT(cerca, diferencia(enBloques, suave) / 3);
    EXPECT_LT(cerca, diferencia(aSaltos, suave) / 3);
}

TEST(Escalado, ElTamanoYLaVentanaMaximizadaSeRecuerdan)
{
    FakeServices fs;
    {
        Form1 f(fs.services);
        f.Form_Load();
        f.resize(QSize(780, 700));
        ASSERT_TRUE(asentar());
        f.close();
    }
    EXPECT_EQ(fs.settings.get("Truco", "Ventana", "Ancho"), "780");
    EXPECT_EQ(fs.settings.get("Truco", "Ventana", "Alto"), "700");
    EXPECT_EQ(fs.settings.get("Truco", "Ventana", "Maximizada"), "0");
    {
        Form1 f(fs.services);
        f.Form_Load();
        ASSERT_TRUE(asentar());
        EXPECT_EQ(f.size(), QSize(780, 700));
        EXPECT_GT(mesaDe(f)->escala(), 1.0);
        f.showMaximized();
        ASSERT_TRUE(asentar());
        f.close();
    }
    EXPECT_EQ(fs.settings.get("Truco", "Ventana", "Maximizada"), "-1");
    {
        Form1 f(fs.services);
        f.Form_Load();
        ASSERT_TRUE(asentar());
        EXPECT_TRUE(f.isMaximized());
    }
    // A size that cannot be read, or smaller than the table, is not used.
    fs.settings.save("Truco", "Ventana", "Maximizada", "0");
    fs.settings.save("Truco", "Ventana", "Ancho", "10");
    fs.settings.save("Truco", "Ventana", "Alto", "grande");
    Form1 f(fs.services);
    f.Form_Load();
    ASSERT_TRUE(asentar());
    EXPECT_GE(f.centralWidget()->width(), 660);
    EXPECT_GE(f.centralWidget()->height(), 512);
}
