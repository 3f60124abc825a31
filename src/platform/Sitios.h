#pragma once
#include <QString>

// The maker's addresses, in one place. Each can be overridden from the
// environment (a player's own mirror, or a test's local server).
namespace sitios {

// The maker's web site as scheme, host and optional port: NAIPEX_SITIO.
QString fabricante();
// Host (and port) of the maker's site, without scheme.
QString hostFabricante();
// The partner's web site: NAIPEX_SITIO_SOCIO.
QString socio();
QString hostSocio();
// The support e-mail address: NAIPEX_CORREO.
QString correo();

}  // namespace sitios
