#include "dialogos_archivo.h"

#include <QFileDialog>
#include <QFileInfo>

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

QString Mostrar(RegistroDialogo& d, bool guardar) {
    const QStringList filtros = FiltrosQt(d.Filter);
    const int indice = d.FilterIndex >= 1 && d.FilterIndex <= filtros.size() ? d.FilterIndex : 1;
    QString ruta;
    EstadoPrueba& prueba = Prueba();
    if (prueba.activo) {
        prueba.mostrados.append({guardar, d.DialogTitle, filtros, guardar ? d.FileName : QString()});
        ruta = prueba.rutas.isEmpty() ? QString() : prueba.rutas.takeFirst();
    } else {
        QFileDialog dialogo(d.hwndOwner, d.DialogTitle, d.InitialDir);
        dialogo.setNameFilters(filtros);
        if (!filtros.isEmpty()) dialogo.selectNameFilter(filtros.value(indice - 1));
        if (guardar) {
            dialogo.setAcceptMode(QFileDialog::AcceptSave);
            dialogo.setFileMode(QFileDialog::AnyFile);
            QString ext = d.DefaultExt;
            if (ext.startsWith('.')) ext.remove(0, 1);
            if (!ext.isEmpty()) dialogo.setDefaultSuffix(ext);
            if (!d.FileName.isEmpty()) dialogo.selectFile(d.FileName);
        } else {
            dialogo.setAcceptMode(QFileDialog::AcceptOpen);
            dialogo.setFileMode(QFileDialog::ExistingFile);
        }
        if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()) {
            ruta = dialogo.selectedFiles().constFirst();
            const int elegido = filtros.indexOf(dialogo.selectedNameFilter());
            if (elegido >= 0) d.FilterIndex = elegido + 1;
        }
    }
    // Qt pads nothing: a name may really end in a blank, so no trimming.
    ruta = QuitarNulos(ruta);
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
    const QStringList partes = filtro.split('|');
    QStringList salida;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        QString descripcion = partes[i].trimmed();
        const QString patron = partes[i + 1].trimmed();
        if (descripcion.isEmpty() && patron.isEmpty()) continue;
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
