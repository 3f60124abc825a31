#pragma once
// A table where the human is mano and holds the turn of the first trick,
// playing without flor.
#include "support/Jugador.h"

#include <gtest/gtest.h>

struct ManoDelHumano : ::testing::Test {
    MesaDePrueba m{3};
    Form1& f = m.form;
    void SetUp() override
    {
        m.conFlor = false;
        m.empezar();
        ASSERT_FALSE(f.TurnoMaquina);
        ASSERT_FALSE(f.ManoTerminada);
    }
    QString panel() const { return mascaraDelPanel(f); }
};

inline int puntos(Etiqueta* l) { return l->caption().toInt(); }
