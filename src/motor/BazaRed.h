#pragma once
// What follows a trick of the two-player network game. Each table records
// its own wins as 2 and the peer's as 0 (1 is a parda).
#include <array>

namespace red {

enum class TrasBaza { LideraLocal, LideraPeer, GanaLocal, GanaPeer };

// Result to record for trick values: local card against the peer's.
int resultado(int valorLocal, int valorPeer);
// After trick t (0..2) is recorded; peerEsMano breaks the ties the mano breaks.
TrasBaza trasBaza(const std::array<int, 3>& bazas, int t, bool peerEsMano);

}  // namespace red
