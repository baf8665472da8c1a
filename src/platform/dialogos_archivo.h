#pragma once
// Open and save dialogs driven by one shared record, as the windows expect:
// the record keeps what the last dialog left in the fields a caller does not set.
#include <QList>
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

struct RegistroDialogo {
    QWidget* hwndOwner = nullptr;
    QString Filter;        // "description|pattern|description|pattern|"
    QString FileTitle;     // out: the chosen file's name without its folder
    int32_t FilterIndex = 0;  // in/out, from 1
    QString FileName;      // in (save): the proposed name; out: the chosen path
    QString DefaultExt;
    int16_t MultiSelect = 0;
    QString InitialDir;
    QString DialogTitle;
    int32_t Flags = 0;
    int32_t gResultadoDialogo = 0;  // 0 = cancelled or failed
};

// The chosen path, or "" when the user cancels.
QString MostrarAbrir(RegistroDialogo& dialogo);
QString MostrarGuardar(RegistroDialogo& dialogo);
// The text before the first NUL character.
QString QuitarNulos(const QString& s);
// "A|*.XML|B|*.*|" as Qt name filters, with both letter cases of each pattern.
QStringList FiltrosQt(const QString& filtro);
// Sizes a file dialog for its Spanish texts, within the screen: as wide as
// its title, and each folder read widens its columns to what they show.
void AjustarDialogoFichero(QFileDialog& dialogo);
// Gives the dialogs Qt opens by itself (the print dialog's file chooser,
// the question before writing over a file) the care of the program's own:
// sized file dialogs, message boxes never narrower than their title.
void CuidarDialogosDeQt();

namespace PruebaDialogos {
struct Registro {
    bool guardar = false;
    QString titulo;
    QStringList filtros;
    QString nombrePropuesto;
};
// While active no dialog is shown: each call takes the next queued path
// ("" = cancel; cancel too when nothing is queued).
void Activar();
void Desactivar();
void EncolarRuta(const QString& ruta);
const QList<Registro>& Mostrados();
}  // namespace PruebaDialogos
