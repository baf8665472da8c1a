#include "controles.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto) {
    auto* e = new QLabel(texto, padre);
    if (!nombre.isEmpty()) e->setObjectName(nombre);
    return e;
}

QLabel* EtiquetaNegrita(QWidget* padre, const QString& nombre, const QString& texto, Qt::Alignment alineacion) {
    QLabel* e = Etiqueta(padre, nombre, texto);
    if (alineacion != Qt::Alignment()) e->setAlignment(alineacion);
    QFont negrita = e->font();
    negrita.setBold(true);
    e->setFont(negrita);
    return e;
}

namespace {
class ClicEnTitulo : public QObject {
public:
    ClicEnTitulo(QLabel* titulo, QAbstractButton* opcion) : QObject(titulo), opcion_(opcion) {}

protected:
    // A filter sees the click even on a disabled caption, which Qt would drop.
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::MouseButtonRelease && opcion_ &&
            static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
            auto* titulo = static_cast<QWidget*>(objeto);
            if (titulo->rect().contains(static_cast<QMouseEvent*>(evento)->position().toPoint())) opcion_->click();
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    QPointer<QAbstractButton> opcion_;
};
}  // namespace

void TituloDeOpcion(QLabel* titulo, QAbstractButton* opcion) {
    titulo->setBuddy(opcion);
    titulo->installEventFilter(new ClicEnTitulo(titulo, opcion));
}

QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto, const QString& ayuda) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    if (!ayuda.isEmpty()) b->setToolTip(ayuda);
    // Enter belongs to the windows' entry boxes, never to a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QPushButton* BotonVolver(QWidget* padre) {
    return Boton(padre, QStringLiteral("cmdVolver"), QStringLiteral("&Volver"));
}

QToolButton* BotonImagen(QWidget* padre, const QString& nombre, const QString& ayuda, const QIcon& icono, int lado) {
    auto* b = new QToolButton(padre);
    b->setObjectName(nombre);
    b->setToolTip(ayuda);
    b->setIcon(icono);
    if (lado > 0) b->setIconSize(QSize(lado, lado));
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QIcon Icono(const QWidget* w, std::initializer_list<const char*> nombres, QStyle::StandardPixmap reserva) {
    for (const char* nombre : nombres) {
        const QIcon icono = QIcon::fromTheme(QString::fromLatin1(nombre));
        if (!icono.isNull()) return icono;
    }
    return w->style()->standardIcon(reserva);
}

QIcon IconoBlocDeNotas(const QWidget* w) {
    // A plain page reads as greyed out beside the other icons: the editor's own icon first.
    return Icono(w, {"accessories-text-editor", "text-x-generic"}, QStyle::SP_FileDialogContentsView);
}

QIcon IconoLimpiar(const QWidget* w) {
    // The plain eraser and the style's reset glyph are too faint to tell from disabled.
    return Icono(w, {"edit-clear-all", "edit-clear"}, QStyle::SP_DialogResetButton);
}

QIcon IconoAbrir(const QWidget* w) {
    // The theme's "document-open" is a pale folder that reads as greyed out.
    return Icono(w, {"folder-open", "document-open"}, QStyle::SP_DirOpenIcon);
}

void Colorear(QWidget* w, QPalette::ColorRole rol, const QColor& color) {
    QPalette paleta = w->palette();
    paleta.setColor(rol, color);
    w->setPalette(paleta);
}
