// Build-time tool: turns the Markdown manual into the A4 PDF that the program
// opens from its Help menu.
//   generar_manual entrada.md salida.pdf [carpeta_imagenes]
// Each picture the manual names ("![...](nombre.png)") is read from the
// pictures folder; a missing one fails the build.
// Needs a Qt platform but no display: the build runs it with QT_QPA_PLATFORM=offscreen.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace {
const QColor kAzulTitulo(20, 50, 120);
const QColor kGrisTexto(90, 90, 90);

// A centred title page, then the manual from the next page on.
void InsertarPortada(QTextDocument& documento) {
    QTextCursor cursor(&documento);
    cursor.movePosition(QTextCursor::Start);
    cursor.insertBlock();  // the manual moves down one block
    cursor.movePosition(QTextCursor::Start);
    // A page top swallows a block's top margin, so blank lines lower the title.
    QTextCharFormat hueco;
    hueco.setFontPointSize(14);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(hueco);
    for (int i = 0; i < 14; ++i) cursor.insertBlock(QTextBlockFormat(), hueco);

    struct Linea {
        QString texto;
        qreal puntos;
        bool negrita;
        QColor color;
        qreal margenSuperior;
    };
    const Linea lineas[] = {
        {QStringLiteral("VORTESALIN"), 40, true, kAzulTitulo, 0},
        {QStringLiteral("Manual del programa"), 20, false, kAzulTitulo, 18},
        {QStringLiteral("La BASE, las condiciones y la reducción de números de cinco cifras"), 12, false, kGrisTexto,
         40},
    };
    const int total = static_cast<int>(std::size(lineas));
    for (int i = 0; i < total; ++i) {
        QTextBlockFormat bloque;
        bloque.setAlignment(Qt::AlignHCenter);
        bloque.setTopMargin(lineas[i].margenSuperior);
        if (i == total - 1) bloque.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
        QTextCharFormat letra;
        letra.setFontPointSize(lineas[i].puntos);
        letra.setFontWeight(lineas[i].negrita ? QFont::Bold : QFont::Normal);
        letra.setForeground(lineas[i].color);
        cursor.setBlockFormat(bloque);
        cursor.setBlockCharFormat(letra);
        cursor.insertText(lineas[i].texto, letra);
        if (i < total - 1) cursor.insertBlock();
    }
}

// The width of the text on an A4 page inside the 2 cm margins that printing
// adds, in the 96-dpi units the layout gives pictures.
constexpr qreal kAnchoTexto = 640;

// Loads every picture the manual names from `carpeta`, centred on its own
// line at its size on screen, shrunk to the text width. False, with the name
// in `falta`, when a picture cannot be read.
bool CargarImagenes(QTextDocument& documento, const QDir& carpeta, QString* falta) {
    // Gathered first: changing a format while walking the fragments moves them.
    QList<QTextFragment> imagenes;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next())
        for (auto trozo = bloque.begin(); !trozo.atEnd(); ++trozo)
            if (trozo.fragment().charFormat().isImageFormat()) imagenes.append(trozo.fragment());
    for (const QTextFragment& fragmento : imagenes) {
        QTextImageFormat formato = fragmento.charFormat().toImageFormat();
        const QImage imagen(carpeta.filePath(formato.name()));
        if (imagen.isNull()) {
            *falta = formato.name();
            return false;
        }
        documento.addResource(QTextDocument::ImageResource, QUrl(formato.name()), imagen);
        // The picture's density says how large it is on screen.
        const qreal escala = imagen.dotsPerMeterX() > 0 ? 96 / (imagen.dotsPerMeterX() * 0.0254) : 1;
        const qreal ancho = std::min(imagen.width() * escala, kAnchoTexto);
        formato.setWidth(ancho);
        formato.setHeight(ancho * imagen.height() / imagen.width());
        QTextCursor seleccion(&documento);
        seleccion.setPosition(fragmento.position());
        seleccion.setPosition(fragmento.position() + fragmento.length(), QTextCursor::KeepAnchor);
        seleccion.setCharFormat(formato);
        QTextBlockFormat linea = seleccion.blockFormat();
        linea.setAlignment(Qt::AlignHCenter);
        linea.setTopMargin(6);
        linea.setBottomMargin(10);
        seleccion.setBlockFormat(linea);
    }
    return true;
}

// Coloured headings with room above them, and tables with thin ruled cells.
void DarEstilo(QTextDocument& documento) {
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        const int nivel = bloque.blockFormat().headingLevel();
        if (nivel == 0) continue;
        QTextCursor cursor(bloque);
        QTextBlockFormat formato = bloque.blockFormat();
        formato.setTopMargin(nivel == 1 ? 22 : 12);
        formato.setBottomMargin(6);
        cursor.setBlockFormat(formato);
        // The imported size step would override an explicit size, so it goes.
        for (auto trozo = bloque.begin(); !trozo.atEnd(); ++trozo) {
            const QTextFragment fragmento = trozo.fragment();
            QTextCharFormat letra = fragmento.charFormat();
            letra.clearProperty(QTextFormat::FontSizeAdjustment);
            letra.setFontPointSize(nivel == 1 ? 17 : nivel == 2 ? 13.5 : 11.5);
            letra.setForeground(kAzulTitulo);
            QTextCursor seleccion(&documento);
            seleccion.setPosition(fragmento.position());
            seleccion.setPosition(fragmento.position() + fragmento.length(), QTextCursor::KeepAnchor);
            seleccion.setCharFormat(letra);
        }
    }
    for (QTextFrame* marco : documento.rootFrame()->childFrames()) {
        auto* tabla = qobject_cast<QTextTable*>(marco);
        if (!tabla) continue;
        QTextTableFormat formato = tabla->format();
        formato.setBorder(1);
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderBrush(QColor(150, 150, 150));
        formato.setBorderCollapse(true);
        formato.setCellPadding(4);
        formato.setCellSpacing(0);
        formato.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        formato.setTopMargin(4);
        formato.setBottomMargin(8);
        tabla->setFormat(formato);
        for (int columna = 0; columna < tabla->columns(); ++columna) {
            QTextTableCell celda = tabla->cellAt(0, columna);
            QTextCharFormat cabecera = celda.format();
            cabecera.setBackground(QColor(225, 232, 245));
            celda.setFormat(cabecera);
        }
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication aplicacion(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "uso: generar_manual entrada.md salida.pdf [carpeta_imagenes]\n");
        return 2;
    }
    QFile entrada(QString::fromLocal8Bit(argv[1]));
    if (!entrada.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "generar_manual: no se puede leer %s\n", argv[1]);
        return 1;
    }
    const QString texto = QString::fromUtf8(entrada.readAll());
    if (texto.trimmed().isEmpty()) {
        std::fprintf(stderr, "generar_manual: %s está vacío\n", argv[1]);
        return 1;
    }

    QTextDocument documento;
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setStyleHint(QFont::SansSerif);
    letra.setPointSizeF(10.5);
    documento.setDefaultFont(letra);
    documento.setMarkdown(texto);
    QString falta;
    if (!CargarImagenes(documento, QDir(argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString()), &falta)) {
        std::fprintf(stderr, "generar_manual: no se puede leer la imagen %s\n", qPrintable(falta));
        return 1;
    }
    DarEstilo(documento);
    InsertarPortada(documento);

    // Written to a temporary file and renamed at the end, so a failed run
    // never leaves a truncated manual behind.
    QSaveFile salida(QString::fromLocal8Bit(argv[2]));
    if (!salida.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "generar_manual: no se puede escribir %s\n", argv[2]);
        return 1;
    }
    {
        QPdfWriter pdf(&salida);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Manual de VORTESALIN"));
        pdf.setCreator(QStringLiteral("VORTESALIN"));
        documento.print(&pdf);
    }
    if (!salida.commit()) {
        std::fprintf(stderr, "generar_manual: no se pudo completar %s\n", argv[2]);
        return 1;
    }
    return 0;
}
