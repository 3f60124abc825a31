#pragma once
// The banner and sponsor lists: file format, the rotation and the sponsor
// pick, as plain functions.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace listas {

inline constexpr int kBanners = 51;    // entries 0..50
inline constexpr int kSponsors = 101;  // entries 0..100
// A list file larger than this is not read: the lists come from the network.
inline constexpr std::uintmax_t kTamanoMaximo = 64 * 1024;

// True for an address that may be shown or opened: "http://" or "https://"
// (any case) followed by a host, and no spaces or control characters.
bool direccionPermitida(std::string_view entrada);

// Reads the text of a list file into `entradas` entries: everything up to and
// including the first "***" is a header (without a marker the first two
// characters are dropped); the rest is split at ";". Entries past the last
// index are dropped; entries that are not allowed addresses are skipped, the
// later ones moving up. Always a fresh list, never joined to an older one.
std::vector<std::string> leerLista(std::string_view texto, int entradas);

// Reads a list file into `lista`. A missing, unreadable or oversized file
// leaves the list as it was and gives false.
bool leerArchivoLista(const std::filesystem::path& archivo, int entradas, std::vector<std::string>& lista);

// The banner shown after `indice`: the next one, or the first after the
// last non-empty entry.
int siguienteIndice(const std::vector<std::string>& lista, int indice);

// Non-empty entries among 0..99 of the sponsor list.
int contarSponsors(const std::vector<std::string>& lista);

// Uniform pick among n entries, r in [0, 1); -1 when there is none.
int indiceSponsor(int n, double r);

// Index in the list of the sponsor picked by r among the non-empty entries
// 0..99 (an empty entry between two addresses is never picked); -1 for none.
int elegirSponsor(const std::vector<std::string>& lista, double r);

}  // namespace listas
