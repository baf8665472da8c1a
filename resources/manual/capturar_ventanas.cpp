// Build-time tool: builds the program's real windows offscreen and saves a
// picture of each for the manual, so the manual shows the windows as built.
//   capturar_ventanas carpeta_salida
// Exits with an error when any picture cannot be made.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "frmImprimir.h"
#include "frmFiltroGRUPOS.h"
#include "frmVentanaProceso.h"
#include "frmprincipal.h"
#include "mensajes.h"
#include "reduccion_entradas.h"
#include "sesion.h"

namespace {

// Pictures are grabbed at twice the screen scale so they stay sharp on paper;
// the PNG's density tells the manual's generator their size on screen.
constexpr int kEscala = 2;
constexpr double kPuntosPorMetroPantalla = 96 / 0.0254;

int Fallo(const char* que) {
    std::fprintf(stderr, "capturar_ventanas: %s\n", que);
    return 1;
}

// A user's left click on a control.
void Pulsar(QWidget* w) {
    const QPointF centro = QRectF(w->rect()).center();
    for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent evento(tipo, centro, w->mapToGlobal(centro), Qt::LeftButton,
                           tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &evento);
    }
}

bool Guardar(QWidget& ventana, const QDir& carpeta, const char* nombre) {
    ventana.adjustSize();
    QImage imagen = ventana.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (imagen.width() < 100 * kEscala || imagen.height() < 50 * kEscala) return false;
    imagen.setDotsPerMeterX(qRound(kPuntosPorMetroPantalla * kEscala));
    imagen.setDotsPerMeterY(qRound(kPuntosPorMetroPantalla * kEscala));
    return imagen.save(carpeta.filePath(QString::fromLatin1(nombre)), "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kEscala));
    QApplication aplicacion(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: capturar_ventanas carpeta_salida\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!carpeta.mkpath(QStringLiteral("."))) return Fallo("no se puede crear la carpeta de salida");
    // The same look on every build machine, whatever its desktop settings.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The offscreen platform knows no icon folders; give it the desktop's,
    // with the theme the program picks outside a desktop session.
    QIcon::setThemeSearchPaths(QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                                         QStandardPaths::LocateDirectory));
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    // A window that never finishes must not hang the build.
    QTimer::singleShot(60000, [] {
        std::fprintf(stderr, "capturar_ventanas: las ventanas no terminaron en un minuto\n");
        std::_Exit(1);
    });
    // A message box would wait for a click that never comes; any message is a failure.
    PruebaMensajes::Activar();

    EstadoSesion sesion;
    frmPrincipal principal(sesion);
    principal.show();
    // A small BASE: a few digits per column, reduced by "4 (n-1)" with "Calcular".
    const std::initializer_list<int> digitos[kPosiciones] = {{1, 3}, {0, 2, 5}, {4, 7}, {1, 6, 8}, {2, 9}};
    for (int p = 0; p < kPosiciones; ++p)
        for (int d : digitos[p]) Pulsar(principal.lblNumero(10 * p + d));
    principal.cboTipoReduccion()->setCurrentIndex(1);
    principal.chkActivarCiclos()->setChecked(false);  // one cycle: with cycles it runs until stopped
    principal.findChild<QAction*>(QStringLiteral("menuCalcularCombinacion"))->trigger();
    if (!PruebaMensajes::Mostrados().isEmpty())
        return Fallo(qPrintable(QStringLiteral("mensaje inesperado: ") + PruebaMensajes::Mostrados().first().texto));
    if (principal.CuentaResultado() < 1) return Fallo("«Calcular» no dio ningún número");
    if (!Guardar(principal, carpeta, "ventana_principal.png")) return Fallo("no se pudo capturar la ventana principal");

    {
        // The reduction window as it looks in the middle of a run; it is not
        // shown, so its run does not start.
        TablasReduccion entradas;
        entradas.Construir(sesion.tablas, 1);
        frmVentanaProceso proceso(principal, entradas);
        const struct {
            const char* nombre;
            QString texto;
        } valores[] = {{"lblTipo", principal.cboTipoReduccion()->currentText()},
                       {"lblCiclos", QStringLiteral("3")},
                       {"lblApuestasVP", principal.txtApuestasReducidas()->text()}};
        for (const auto& v : valores) {
            auto* etiqueta = proceso.findChild<QLabel*>(QString::fromLatin1(v.nombre));
            if (etiqueta == nullptr) return Fallo("falta un dato de la ventana de reducción");
            etiqueta->setText(v.texto);
        }
        auto* barra = proceso.findChild<QProgressBar*>(QStringLiteral("lblProgressBar"));
        if (barra == nullptr) return Fallo("falta la barra de la ventana de reducción");
        barra->setValue(60);
        if (!Guardar(proceso, carpeta, "ventana_reduccion.png"))
            return Fallo("no se pudo capturar la ventana de reducción");
    }
    {
        ContextoEditor contexto{sesion, [&principal](int i) { principal.chkFiltros(i)->setChecked(true); },
                                [&principal](int i) { principal.chkFiltros(i)->setChecked(false); }};
        frmFiltroGRUPOS editor(contexto);
        editor.show();
        if (!Guardar(editor, carpeta, "editor_grupos.png")) return Fallo("no se pudo capturar el editor de grupos");
    }
    {
        frmImprimir panel(sesion);
        panel.RutaBase = principal.txtFicheroBASE()->text();
        panel.TotalDecimos = static_cast<int32_t>(principal.CuentaResultado());
        panel.show();
        if (!Guardar(panel, carpeta, "panel_impresion.png")) return Fallo("no se pudo capturar el panel de impresión");
    }
    if (!PruebaMensajes::Mostrados().isEmpty())
        return Fallo(qPrintable(QStringLiteral("mensaje inesperado: ") + PruebaMensajes::Mostrados().first().texto));
    return 0;
}
