#include <QApplication>
#include <QIcon>

#include "frmprincipal.h"
#include "mensajes.h"
#include "sesion.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kNombrePrograma);
    // Outside a desktop session Qt knows no icon theme; use a common one if present.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    EstadoSesion sesion;
    frmPrincipal ventana(sesion);
    ventana.show();
    return app.exec();
}
