// One program for every window test class: `gui_tests [file-name [Qt Test options]]`
// runs one class (e.g. "test_sumas"), no argument runs them all.
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QtTest>
#include <cstdio>

#include "dialogos_archivo.h"
#include "main_gui.h"
#include "mensajes.h"
#include "selector_aciertos.h"
#include "sistema.h"

namespace {
QMap<QString, FabricaPrueba>& Registro() {
    static QMap<QString, FabricaPrueba> r;
    return r;
}

// What one class may leave behind must not reach the next one.
void Restablecer() {
    PruebaMensajes::Desactivar();
    PruebaMensajes::Limpiar();
    PruebaDialogos::Desactivar();
    PruebaSelector::Desactivar();
    PruebaSistema::Desactivar();
    QLocale::setDefault(QLocale::c());
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
}
}  // namespace

bool RegistrarPrueba(const char* fichero, FabricaPrueba fabrica) {
    Registro().insert(QFileInfo(QString::fromUtf8(fichero)).completeBaseName(), fabrica);
    return true;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);

    QStringList nombres = Registro().keys();
    char** resto = argv;
    int cuantos = 1;
    if (argc > 1 && argv[1][0] != '-') {
        if (!Registro().contains(QString::fromUtf8(argv[1]))) {
            std::fprintf(stderr, "unknown test class %s; known: %s\n", argv[1], qPrintable(nombres.join(' ')));
            return 2;
        }
        nombres = {QString::fromUtf8(argv[1])};
        argv[1] = argv[0];
        resto = argv + 1;
        cuantos = argc - 1;
    }
    int fallos = 0;
    for (const QString& n : nombres) {
        Restablecer();
        std::unique_ptr<QObject> prueba = Registro().value(n)();
        fallos += QTest::qExec(prueba.get(), cuantos, resto);
    }
    return fallos;
}
