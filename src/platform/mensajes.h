#pragma once
// Message boxes titled with the product name. Tests switch on the hook to
// answer them without a person and to read back every message shown.
#include <QList>
#include <QString>

class QWidget;

inline const QString kNombrePrograma = QStringLiteral("VORTESALIN");

enum class EstiloMensaje { Critico = 16, Exclamacion = 48, Informacion = 64, PreguntaSiNo = 292 };
enum class RespuestaMensaje { Aceptar, Si, No };

// Shows a modal message box; a question has Yes and No, with No as default.
RespuestaMensaje Mensaje(const QString& texto, EstiloMensaje estilo, QWidget* padre = nullptr);

namespace PruebaMensajes {
struct Registro {
    QString texto;
    EstiloMensaje estilo;
};
// While active no box is shown: questions take the queued answers (No when
// none is queued), other messages answer Aceptar.
void Activar();
void Desactivar();
void EncolarRespuesta(RespuestaMensaje respuesta);
const QList<Registro>& Mostrados();
void Limpiar();
}  // namespace PruebaMensajes
