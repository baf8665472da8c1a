#include "teclado.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "mensajes.h"
#include "texto.h"

namespace {

// The character code a key hands to a key-press handler; -1 for keys that hand none.
int CodigoAscii(const QKeyEvent* tecla) {
    switch (tecla->key()) {
        case Qt::Key_Backspace: return kTeclaRetroceso;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kTeclaIntro;
        case Qt::Key_Escape: return kTeclaEscape;
        default: break;
    }
    const QString texto = tecla->text();
    if (texto.isEmpty() || !texto.at(0).isPrint()) return -1;
    return texto.at(0).unicode();
}

class FiltroTecla : public QObject {
public:
    FiltroTecla(QLineEdit* caja, int tipo) : QObject(caja), caja_(caja), tipo_(tipo) {
        anterior_ = caja->text();
        // Keys are filtered below; what still gets in is a paste or a drop.
        QObject::connect(caja, &QLineEdit::textEdited, this, [this](const QString& texto) { Comprobar(texto); });
        QObject::connect(caja, &QLineEdit::textChanged, this, [this](const QString& texto) {
            if (TextoValidoParaModo(texto.toStdString(), tipo_)) anterior_ = texto;
        });
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return QObject::eventFilter(objeto, evento);
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->matches(QKeySequence::Paste) || tecla->matches(QKeySequence::Copy) ||
            tecla->matches(QKeySequence::Cut) || tecla->matches(QKeySequence::SelectAll) ||
            tecla->matches(QKeySequence::Undo))
            return false;
        const int codigo = CodigoAscii(tecla);
        if (codigo < 0) return false;  // arrows, Home, Delete...: editing keys pass
        bool pitar = false;
        if (FiltrarTecla(caja_->text().toStdString(), codigo, tipo_, &pitar) != 0) return false;
        if (pitar) QApplication::beep();
        return true;
    }

private:
    void Comprobar(const QString& texto) {
        if (TextoValidoParaModo(texto.toStdString(), tipo_)) return;
        const QString anterior = anterior_;
        caja_->setText(anterior);
        QApplication::beep();
        Mensaje(QStringLiteral("ERROR: Solo se admiten números"), EstiloMensaje::Critico, caja_->window());
    }

    QPointer<QLineEdit> caja_;
    int tipo_;
    QString anterior_;
};

}  // namespace

bool EsTeclaDeCaracter(const QKeyEvent* tecla) { return CodigoAscii(tecla) >= 0; }

void InstalarFiltroTecla(QLineEdit* caja, int tipo) {
    if (!caja) return;
    caja->installEventFilter(new FiltroTecla(caja, tipo));
}
