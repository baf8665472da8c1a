// One program for every window test class: `gui_tests [file-name [Qt Test options]]`
// runs one class (e.g. "test_sumas"), no argument runs them all.
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QtTest>

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
    FormatosDelSistemaEnEspanol();  // as the program does
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);

    // A first argument not starting with '-' names the one class to run; the
    // rest go to Qt Test.
    const bool una = argc > 1 && argv[1][0] != '-';
    const QStringList nombres = una ? QStringList{QString::fromUtf8(argv[1])} : Registro().keys();
    if (una) argv[1] = argv[0];
    int fallos = 0;
    for (const QString& n : nombres) {
        Restablecer();
        const FabricaPrueba fabrica = Registro().value(n);
        if (!fabrica) qFatal("unknown test class %s", qPrintable(n));
        fallos += QTest::qExec(fabrica().get(), una ? argc - 1 : argc, una ? argv + 1 : argv);
    }
    return fallos;
}
