#pragma once
// The table's sound codes and the files that say them.

namespace motor {

// Root of the file name of a sound code (0..15); the "T" of envido points
// takes the number after it. Null for a code that is none.
const char* raizDeSonido(int codigo);

}  // namespace motor
