#include "dialogos_archivo.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>
#include <utility>

#include "mensajes.h"
#include "ventana_secundaria.h"

namespace {
struct EstadoPrueba {
    bool activo = false;
    QStringList rutas;
    QList<PruebaDialogos::Registro> mostrados;
};
EstadoPrueba& Prueba() {
    static EstadoPrueba estado;
    return estado;
}

QString Patrones(const QString& patron) {
    QStringList salida;
    for (const QString& p : patron.split(';', Qt::SkipEmptyParts)) {
        const QString limpio = p.trimmed();
        if (limpio == QLatin1String("*.*")) {  // "all files", dots or not
            salida << QStringLiteral("*");
            continue;
        }
        salida << limpio;
        if (limpio.toLower() != limpio) salida << limpio.toLower();
        if (limpio.toUpper() != limpio) salida << limpio.toUpper();
    }
    salida.removeDuplicates();
    return salida.join(' ');
}

// The description and pattern pairs of a "|" list, empty pairs left out.
QList<std::pair<QString, QString>> ParesFiltro(const QString& filtro) {
    const QStringList partes = filtro.split('|');
    QList<std::pair<QString, QString>> salida;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        const QString descripcion = partes[i].trimmed();
        const QString patron = partes[i + 1].trimmed();
        if (!descripcion.isEmpty() || !patron.isEmpty()) salida.append({descripcion, patron});
    }
    return salida;
}

// The extension a saved name without one gets: that of the chosen filter's
// first pattern ("*.XML" gives "xml"), else the caller's default.
QString ExtensionGuardar(const RegistroDialogo& d, int indice) {
    const QString patron = ParesFiltro(d.Filter).value(indice - 1).second.section(';', 0, 0).trimmed();
    const QString ext = patron.startsWith(QLatin1String("*.")) ? patron.mid(2) : QString();
    const bool concreta = !ext.isEmpty() && std::none_of(ext.begin(), ext.end(), [](QChar c) {
        return c == '*' || c == '?' || c == '[' || c == '.';
    });
    if (concreta) return ext.toLower();
    QString defecto = d.DefaultExt;
    if (defecto.startsWith('.')) defecto.remove(0, 1);
    return defecto;
}

// Keeps a shown dialog centred, over its owner or else on the screen, when
// it grows to its new minimum width, as it does at its first layout and when
// a folder read widens the list.
class CentradoAlCrecer : public QObject {
public:
    explicit CentradoAlCrecer(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
        ventana->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        const auto* cambio = evento->type() == QEvent::Resize ? static_cast<QResizeEvent*>(evento) : nullptr;
        // A resize by the user is left alone.
        if (cambio && ventana_->isVisible() && cambio->size().width() > cambio->oldSize().width() &&
            cambio->size().width() == ventana_->minimumWidth()) {
            const QRect marco = ventana_->frameGeometry();
            const QRect pantalla = ventana_->screen()->availableGeometry();
            const QWidget* dueno = ventana_->parentWidget();
            const int centro = (dueno ? dueno->window()->frameGeometry() : pantalla).center().x();
            const int x = std::min(centro - marco.width() / 2, pantalla.right() + 1 - marco.width());
            ventana_->move(std::max(x, pantalla.left()), marco.y());
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    QWidget* ventana_;
};

// Set on a file dialog once it has been sized.
const char* const kAjustado = "vortesalinAjustado";

// Qt opens some dialogs by itself: the print dialog's output file chooser, and
// the question a file dialog asks before writing over a file. They get the
// care the program's own dialogs get.
class DialogosDeQt : public QObject {
public:
    using QObject::QObject;

protected:
    // Show reaches the filter before the dialog's own handler, which is
    // where a message box works out its size.
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Show) {
            if (auto* fichero = qobject_cast<QFileDialog*>(objeto)) {
                if (!fichero->property(kAjustado).toBool()) AjustarDialogoFichero(*fichero);
            } else if (auto* caja = qobject_cast<QMessageBox*>(objeto)) {
                AnchoDeTitulo(*caja);
            }
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    // A message box takes the title into account only roughly, and a window
    // manager with an icon and three buttons then cuts it.
    static void AnchoDeTitulo(QMessageBox& caja) {
        if (caja.layout() == nullptr || caja.property(kAjustado).toBool()) return;
        caja.setProperty(kAjustado, true);
        EspaciadorDeTitulo(*caja.layout(), caja.windowTitle());
    }
};
}  // namespace

// Qt sizes the file list's columns for English texts, so the Spanish headings,
// types and dates were cut, and a long title too. The dialog opens as wide as
// its title, and each folder read widens the columns to what they show and
// the list to its columns, all within the screen.
void AjustarDialogoFichero(QFileDialog& dialogo) {
    dialogo.setProperty(kAjustado, true);
    const QRect pantalla = (dialogo.screen() ? dialogo.screen() : QGuiApplication::primaryScreen())->availableGeometry();
    dialogo.resize(std::min(std::max(AnchoTitulo(dialogo.windowTitle()), dialogo.width()), pantalla.width()),
                   std::min(dialogo.height(), pantalla.height()));
    auto* lista = dialogo.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* lugares = dialogo.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* modelo = dialogo.findChild<QFileSystemModel*>();
    if (!lista || !lugares || !modelo) return;  // the desktop's own dialog
    lugares->setMinimumWidth(lugares->sizeHintForColumn(0) + 2 * lugares->frameWidth() +
                             lugares->verticalScrollBar()->sizeHint().width());
    // Beside the list there are the places and the margins; the rest of the
    // screen is what the list may take. Names take what the other columns
    // leave, never less than Qt's own width for them.
    const int maximo = std::max(0, pantalla.width() - lugares->minimumWidth() - 80);
    const int anchoNombre = lista->header()->sectionSize(0);
    new CentradoAlCrecer(&dialogo);
    const auto columnas = [lista, maximo, anchoNombre] {
        QHeaderView* cabecera = lista->header();
        int ancho = 2 * lista->frameWidth() + lista->verticalScrollBar()->sizeHint().width();
        for (int c = 1; c < cabecera->count(); ++c) {
            if (cabecera->isSectionHidden(c)) continue;
            lista->resizeColumnToContents(c);
            ancho += cabecera->sectionSize(c);
        }
        const int nombres = static_cast<QAbstractItemView*>(lista)->sizeHintForColumn(0);  // public there
        cabecera->resizeSection(0, std::max(anchoNombre, std::min(nombres, maximo - ancho)));
        lista->setMinimumWidth(std::min(ancho + cabecera->sectionSize(0), maximo));
    };
    columnas();
    QObject::connect(modelo, &QFileSystemModel::directoryLoaded, &dialogo, columnas);
    // A folder the name box's completion has read already is entered without
    // a new read: size for it once the list shows it.
    QObject::connect(modelo, &QFileSystemModel::rootPathChanged, &dialogo, columnas, Qt::QueuedConnection);
}

void CuidarDialogosDeQt() {
    if (auto* app = QCoreApplication::instance()) app->installEventFilter(new DialogosDeQt(app));
}

namespace {

QString MostrarUnaVez(RegistroDialogo& d, bool guardar, const QStringList& filtros, int indice) {
    EstadoPrueba& prueba = Prueba();
    if (prueba.activo) {
        prueba.mostrados.append({guardar, d.DialogTitle, filtros, guardar ? d.FileName : QString()});
        return prueba.rutas.isEmpty() ? QString() : prueba.rutas.takeFirst();
    }
    QFileDialog dialogo(d.hwndOwner, d.DialogTitle, d.InitialDir);
    AjustarDialogoFichero(dialogo);
    dialogo.setNameFilters(filtros);
    if (!filtros.isEmpty()) dialogo.selectNameFilter(filtros.value(indice - 1));
    if (guardar) {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        // The dialog adds the suffix itself, before it asks about overwriting.
        dialogo.setDefaultSuffix(ExtensionGuardar(d, indice));
        QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, [&](const QString& filtro) {
            dialogo.setDefaultSuffix(ExtensionGuardar(d, static_cast<int>(filtros.indexOf(filtro)) + 1));
        });
        if (!d.FileName.isEmpty()) dialogo.selectFile(d.FileName);
    } else {
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return QString();
    const int elegido = static_cast<int>(filtros.indexOf(dialogo.selectedNameFilter()));
    if (elegido >= 0) d.FilterIndex = elegido + 1;
    return dialogo.selectedFiles().constFirst();
}

QString Mostrar(RegistroDialogo& d, bool guardar) {
    const QStringList filtros = FiltrosQt(d.Filter);
    QString ruta;
    for (;;) {
        const int indice = d.FilterIndex >= 1 && d.FilterIndex <= filtros.size() ? d.FilterIndex : 1;
        // Qt pads nothing: a name may really end in a blank, so no trimming.
        ruta = QuitarNulos(MostrarUnaVez(d, guardar, filtros, indice));
        if (!guardar || ruta.isEmpty() || QFileInfo(ruta).fileName().contains('.')) break;
        // A bare name: the one with the extension is what gets written, so
        // it is the one that must not overwrite a file unasked.
        const int elegido = d.FilterIndex >= 1 && d.FilterIndex <= filtros.size() ? d.FilterIndex : 1;
        const QString ext = ExtensionGuardar(d, elegido);
        if (ext.isEmpty()) break;
        ruta += '.' + ext;
        if (!QFileInfo::exists(ruta)) break;
        const QString nombre = QFileInfo(ruta).fileName();
        if (Mensaje(QStringLiteral("EL FICHERO ") + nombre + QStringLiteral(" YA EXISTE, ¿ DESEA REEMPLAZARLO ?"),
                    EstiloMensaje::PreguntaSiNo, d.hwndOwner) == RespuestaMensaje::Si)
            break;
        d.FileName = nombre;  // ask again, proposing the name typed
    }
    d.gResultadoDialogo = ruta.isEmpty() ? 0 : 1;
    if (ruta.isEmpty()) {
        d.FileName.clear();
        return QString();
    }
    d.FileName = ruta;
    d.FileTitle = QFileInfo(ruta).fileName();
    return d.FileName;
}
}  // namespace

QStringList FiltrosQt(const QString& filtro) {
    QStringList salida;
    for (auto [descripcion, patron] : ParesFiltro(filtro)) {
        // The description often repeats the pattern in brackets: replace it.
        const QString cola = QStringLiteral("(%1)").arg(patron);
        if (descripcion.endsWith(cola)) descripcion.chop(cola.size());
        salida << QStringLiteral("%1 (%2)").arg(descripcion.trimmed(), Patrones(patron));
    }
    return salida;
}

QString QuitarNulos(const QString& s) {
    const qsizetype nulo = s.indexOf(QChar(u'\0'));
    return nulo < 0 ? s : s.left(nulo);
}

QString MostrarAbrir(RegistroDialogo& dialogo) { return Mostrar(dialogo, false); }
QString MostrarGuardar(RegistroDialogo& dialogo) { return Mostrar(dialogo, true); }

namespace PruebaDialogos {
void Activar() {
    Prueba() = EstadoPrueba{};
    Prueba().activo = true;
}
void Desactivar() { Prueba() = EstadoPrueba{}; }
void EncolarRuta(const QString& ruta) { Prueba().rutas.append(ruta); }
const QList<Registro>& Mostrados() { return Prueba().mostrados; }
}  // namespace PruebaDialogos
