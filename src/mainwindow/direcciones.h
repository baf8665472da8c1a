#pragma once
// The maker's pages, opened from the Help menu and the About window's link.
#include <QString>

#include "mensajes.h"
#include "sistema.h"

inline const QString kDireccionWeb = QStringLiteral("https://www.vortesalin.es");
inline const QString kTextoWeb = QStringLiteral("www.vortesalin.es");
inline const QString kDireccionTwitter = QStringLiteral("https://twitter.com/vortesalin");
inline const QString kTextoTwitter = QStringLiteral("@vortesalin");

// Opens one of the pages in the browser, saying so when it cannot.
inline void AbrirPaginaWeb(const QString& direccion, QWidget* padre) {
    if (!AbrirConSistema(direccion))
        Mensaje(QStringLiteral("ERROR: NO SE HA PODIDO ABRIR LA PAGINA WEB (") + direccion + QLatin1Char(')'),
                EstiloMensaje::Critico, padre);
}
