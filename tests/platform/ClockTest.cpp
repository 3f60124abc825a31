// The draws every chance of the game goes through.
#include "support/TestClock.h"

#include <climits>
#include <gtest/gtest.h>

TEST(Reloj, UnSorteoQuedaEnSuIntervaloAunqueLlegueAlMayorEntero)
{
    TestClock c(7);
    c.queueUniform({0.0, 0.5, 0.999999999});
    EXPECT_EQ(c.uniformInt(0, INT_MAX), 0);
    EXPECT_EQ(c.uniformInt(0, INT_MAX), INT_MAX / 2 + 1);
    EXPECT_EQ(c.uniformInt(0, INT_MAX), INT_MAX - 2);
    // The whole range of int.
    c.queueUniform({0.0, 0.999999999});
    EXPECT_EQ(c.uniformInt(INT_MIN, INT_MAX), INT_MIN);
    EXPECT_EQ(c.uniformInt(INT_MIN, INT_MAX), INT_MAX - 4);
}
