#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "dialogos_archivo.h"
#include "estilo.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "sesion.h"
#include "sistema.h"

int main(int argc, char* argv[]) {
    // Before the application object, which sets the C library's locale.
    FormatosDelSistemaEnEspanol();
    QApplication app(argc, argv);
    QApplication::setApplicationName(kNombrePrograma);
    QApplication::setStyle(new EstiloPrograma);
    // Every text of the program is Spanish, whatever the user's locale: so are
    // Qt's own dialogs and the number formats.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    CargarTraduccionQt();
    CuidarDialogosDeQt();
    // Outside a desktop session Qt knows no icon theme; use a common one if present.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    EstadoSesion sesion;
    frmPrincipal ventana(sesion);
    ventana.show();
    return app.exec();
}
