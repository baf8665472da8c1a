#include <QApplication>
#include <QMainWindow>

#include "mensajes.h"
#include "sesion.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kNombrePrograma);
    EstadoSesion sesion;
    sesion.filtros.InicializarFiltros();
    QMainWindow ventana;
    ventana.setWindowTitle(kNombrePrograma);
    ventana.resize(800, 600);
    ventana.show();
    return app.exec();
}
