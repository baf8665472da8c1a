#pragma once
// The maker's pages, opened from the Help menu and the About window's link.
#include <QString>

inline const QString kDireccionWeb = QStringLiteral("https://www.vortesalin.es");
inline const QString kTextoWeb = QStringLiteral("www.vortesalin.es");
inline const QString kDireccionTwitter = QStringLiteral("https://twitter.com/vortesalin");
inline const QString kTextoTwitter = QStringLiteral("@vortesalin");
