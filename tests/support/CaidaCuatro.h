#pragma once
// What the four-player tests check once someone has gone.
#include "support/PartidaCuatro.h"

#include <QTest>
#include <gtest/gtest.h>

// What the clients see when the host's game ends under them.
inline const QString kServidor =
    QStringLiteral("La máquina servidor se ha desconectado\nEl partido ha sido cancelado");

// After a drop every table is out of the game and nothing waits.
inline void todasLibres(PartidaCuatro& p)
{
    EXPECT_TRUE(QTest::qWaitFor([&] {
        for (int s = 0; s < 4; ++s)
            if (p.mesa(s).seJuega())
                return false;
        return true;
    }, 5000));
    for (int s = 0; s < 4; ++s)
        EXPECT_FALSE(p.enAsiento(s).m.fake.clock.stuck()) << s;
}
