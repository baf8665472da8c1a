#include "mensajes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {
struct EstadoPrueba {
    bool activo = false;
    QList<RespuestaMensaje> respuestas;
    QList<PruebaMensajes::Registro> mostrados;
};
EstadoPrueba& Prueba() {
    static EstadoPrueba estado;
    return estado;
}
}  // namespace

RespuestaMensaje Mensaje(const QString& texto, EstiloMensaje estilo, QWidget* padre) {
    EstadoPrueba& prueba = Prueba();
    if (prueba.activo) {
        prueba.mostrados.append({texto, estilo});
        if (estilo != EstiloMensaje::PreguntaSiNo) return RespuestaMensaje::Aceptar;
        return prueba.respuestas.isEmpty() ? RespuestaMensaje::No : prueba.respuestas.takeFirst();
    }
    QMessageBox caja(padre);
    caja.setWindowTitle(kNombrePrograma);
    // Texts may quote paths and values from files: never read them as markup.
    caja.setTextFormat(Qt::PlainText);
    caja.setText(texto);
    switch (estilo) {
        case EstiloMensaje::Critico: caja.setIcon(QMessageBox::Critical); break;
        case EstiloMensaje::Exclamacion: caja.setIcon(QMessageBox::Warning); break;
        case EstiloMensaje::Informacion: caja.setIcon(QMessageBox::Information); break;
        case EstiloMensaje::PreguntaSiNo: caja.setIcon(QMessageBox::Question); break;
    }
    if (estilo == EstiloMensaje::PreguntaSiNo) {
        caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        caja.setDefaultButton(QMessageBox::No);
        caja.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
        caja.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        return caja.exec() == QMessageBox::Yes ? RespuestaMensaje::Si : RespuestaMensaje::No;
    }
    caja.setStandardButtons(QMessageBox::Ok);
    caja.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    caja.exec();
    return RespuestaMensaje::Aceptar;
}

namespace PruebaMensajes {
void Activar() {
    Prueba().activo = true;
    Limpiar();
}
void Desactivar() {
    Prueba().activo = false;
    Limpiar();
}
void EncolarRespuesta(RespuestaMensaje respuesta) { Prueba().respuestas.append(respuesta); }
const QList<Registro>& Mostrados() { return Prueba().mostrados; }
void Limpiar() {
    Prueba().respuestas.clear();
    Prueba().mostrados.clear();
}
}  // namespace PruebaMensajes
