#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Like a person: the box is read a moment after it opens, then answered.
// Whatever the answer does, the box is closed within a bound, so a failing
// test never hangs on it.
void contestar(std::function<void(QMessageBox&)> persona)
{
    auto intentos = std::make_shared<int>(0);
    auto* t = new QTimer;
    t->setInterval(30);
    QObject::connect(t, &QTimer::timeout, [t, intentos, persona] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box && ++*intentos < 150)
            return;
        t->deleteLater();
        if (!box)
            return;
        box->activateWindow();
        if (QTest::qWaitForWindowActive(box, 5000))
            persona(*box);
        // A key press clicks after the button's animation; the box is shut
        // only if nothing answered it by then.
        QTimer::singleShot(3000, box, &QMessageBox::reject);
    });
    t->start();
}

QStringList textos(const QMessageBox& box)
{
    QStringList r;
    for (const QAbstractButton* b : box.buttons())
        r << b->text();
    r.sort();
    return r;
}

}  // namespace

TEST(Cajas, SpeakSpanishAndAnswerByTheirUnderlinedKeys)
{
    BoxDialogs d;
    QWidget padre;
    padre.show();
    const QString titulo = QStringLiteral("Error");
    const QString pregunta = QStringLiteral("¿Desea seguir intentándolo?");

    QStringList vistos;
    QString pulsado;
    bool ocupado = false;
    // Reads the box, then presses the key; which button it took is kept.
    auto persona = [&](int tecla, Qt::KeyboardModifiers mod) {
        return [&, tecla, mod](QMessageBox& box) {
            vistos = textos(box);
            ocupado = d.flujo().ocupado();
            QObject::connect(&box, &QMessageBox::buttonClicked, [&](QAbstractButton* b) { pulsado = b->text(); });
            QTest::keyClick(&box, static_cast<Qt::Key>(tecla), mod);
        };
    };

    contestar(persona(Qt::Key_S, Qt::AltModifier));
    EXPECT_TRUE(d.ask(&padre, titulo, pregunta));
    EXPECT_EQ(vistos, (QStringList{QStringLiteral("&No"), QStringLiteral("&Sí")}));
    EXPECT_TRUE(ocupado);
    EXPECT_FALSE(d.flujo().ocupado());

    pulsado.clear();
    contestar(persona(Qt::Key_N, Qt::AltModifier));
    EXPECT_FALSE(d.ask(&padre, titulo, pregunta));
    EXPECT_EQ(pulsado, QStringLiteral("&No"));

    // Enter takes the default, "No".
    pulsado.clear();
    contestar(persona(Qt::Key_Return, Qt::NoModifier));
    EXPECT_FALSE(d.ask(&padre, titulo, pregunta));
    EXPECT_EQ(pulsado, QStringLiteral("&No"));

    pulsado.clear();
    contestar(persona(Qt::Key_Return, Qt::NoModifier));
    d.message(&padre, Dialogs::Icon::Information, QStringLiteral("Truco"), QStringLiteral("Ganaste"));
    EXPECT_EQ(vistos, QStringList{QStringLiteral("Aceptar")});
    EXPECT_EQ(pulsado, QStringLiteral("Aceptar"));

    // A box that names a player shows the name as it was typed, markup and all.
    const QString aviso = QStringLiteral("El jugador <h1>Ana</h1> se ha desconectado");
    QSize visto;
    int ancho = 0, renglon = 0;
    contestar([&](QMessageBox& box) {
        if (const auto* l = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            visto = l->sizeHint();
            ancho = l->fontMetrics().horizontalAdvance(aviso);
            renglon = l->fontMetrics().height();
        }
        QTest::keyClick(&box, Qt::Key_Return);
    });
    d.message(&padre, Dialogs::Icon::Information, QStringLiteral("Truco"), aviso);
    EXPECT_GE(visto.width(), ancho);
    EXPECT_LT(visto.height(), 3 * renglon);
}
