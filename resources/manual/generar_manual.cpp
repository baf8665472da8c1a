// Build-time tool: turns the Markdown manual into the A4 PDF that the program
// opens from its Help menu.
//   generar_manual entrada.md salida.pdf [carpeta_imagenes]
// Each picture the manual names ("![...](nombre.png)") is read from the
// pictures folder; a missing one fails the build.
// The pages are laid out here, not left to QTextDocument::print, so that where
// each block falls is known before printing: a heading that would end a page
// apart from what it introduces starts the next one instead.
// Needs a Qt platform but no display: the build runs it with QT_QPA_PLATFORM=offscreen.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
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

// The page and its margins in the layout's units (96 to the inch).
constexpr qreal kUnidadesPorPulgada = 96;
constexpr qreal kAnchoPagina = 210 / 25.4 * kUnidadesPorPulgada;  // A4
constexpr qreal kAltoPagina = 297 / 25.4 * kUnidadesPorPulgada;
constexpr qreal kMargen = 2 / 2.54 * kUnidadesPorPulgada;        // 2 cm all round
constexpr qreal kAnchoTexto = kAnchoPagina - 2 * kMargen;

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

// The page (from 0) on which a height of the laid-out document falls.
int PaginaDe(qreal y) { return static_cast<int>(std::floor(y / kAltoPagina)); }

// Where a block's lines start and end on the laid-out pages. blockBoundingRect
// alone does not tell: its corner is where the block was placed, before a
// page break pushed its lines down to the next page.
struct Extension {
    qreal inicio;
    qreal fin;
};
Extension LineasDe(const QTextDocument& documento, const QTextBlock& bloque) {
    const QRectF marco = documento.documentLayout()->blockBoundingRect(bloque);
    const QTextLayout* lineas = bloque.layout();
    if (lineas == nullptr || lineas->lineCount() == 0) return {marco.top(), marco.bottom()};
    const QTextLine ultima = lineas->lineAt(lineas->lineCount() - 1);
    return {marco.top() + lineas->lineAt(0).y(), marco.top() + ultima.y() + ultima.height()};
}

// Where a block ends; a table ends, for this purpose, with its first row.
qreal FinDeBloque(const QTextDocument& documento, const QTextBlock& bloque) {
    if (const QTextTable* tabla = QTextCursor(bloque).currentTable()) {
        qreal fin = 0;
        for (int columna = 0; columna < tabla->columns(); ++columna)
            fin = std::max(fin, LineasDe(documento, tabla->cellAt(0, columna).lastCursorPosition().block()).fin);
        return fin;
    }
    return LineasDe(documento, bloque).fin;
}

// A heading (or a run of headings) whose first following block, picture or
// table row would not end on its page starts a new page; a block that ends
// in ":" brings the next one along. One pass from the top: a break only
// moves what comes after it.
void MantenerTitulosConSuBloque(QTextDocument& documento) {
    for (QTextBlock titulo = documento.begin(); titulo.isValid(); titulo = titulo.next()) {
        if (titulo.blockFormat().headingLevel() == 0) continue;
        QTextBlock ultimoTitulo = titulo;
        while (ultimoTitulo.next().isValid() && ultimoTitulo.next().blockFormat().headingLevel() > 0)
            ultimoTitulo = ultimoTitulo.next();
        QTextBlock contenido = ultimoTitulo.next();
        if (!contenido.isValid()) break;
        while (contenido.text().trimmed().endsWith(QLatin1Char(':')) && contenido.next().isValid())
            contenido = contenido.next();
        // Half a unit up: a block that ends exactly on the page's foot is on it.
        if (PaginaDe(LineasDe(documento, titulo).inicio) != PaginaDe(FinDeBloque(documento, contenido) - 0.5)) {
            QTextBlockFormat formato = titulo.blockFormat();
            formato.setPageBreakPolicy(formato.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(titulo).setBlockFormat(formato);
            // After a format change Qt lays out only part of the document again and
            // leaves the rest unplaced; marked dirty, all of it is laid out anew.
            documento.markContentsDirty(0, documento.characterCount());
        }
        titulo = ultimoTitulo;
    }
}

// Prints the laid-out pages, each with its number at the foot as
// QTextDocument::print numbers them.
bool ImprimirPaginas(QTextDocument& documento, QPdfWriter& pdf) {
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    const qreal escala = pdf.resolution() / kUnidadesPorPulgada;
    const int paginas = documento.pageCount();
    for (int pagina = 0; pagina < paginas; ++pagina) {
        if (pagina > 0 && !pdf.newPage()) return false;
        pintor.save();
        pintor.scale(escala, escala);
        pintor.translate(0, -pagina * kAltoPagina);
        const QRectF vista(0, pagina * kAltoPagina, kAnchoPagina, kAltoPagina);
        pintor.setClipRect(vista);
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = vista;
        contexto.palette.setColor(QPalette::Text, Qt::black);
        documento.documentLayout()->draw(&pintor, contexto);
        pintor.restore();
        // In the device's units, where the font takes its real size.
        pintor.setFont(documento.defaultFont());
        const QString numero = QString::number(pagina + 1);
        pintor.drawText(QPointF((kAnchoPagina - kMargen) * escala - pintor.fontMetrics().horizontalAdvance(numero),
                                (kAltoPagina - kMargen) * escala + pintor.fontMetrics().ascent() +
                                    5 * pdf.resolution() / 72.0),
                        numero);
    }
    return pintor.end();
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
    documento.setPageSize(QSizeF(kAnchoPagina, kAltoPagina));
    QTextFrameFormat marco = documento.rootFrame()->frameFormat();
    marco.setMargin(kMargen);
    documento.rootFrame()->setFrameFormat(marco);
    MantenerTitulosConSuBloque(documento);

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
        if (!ImprimirPaginas(documento, pdf)) {
            std::fprintf(stderr, "generar_manual: no se pudo imprimir %s\n", argv[2]);
            return 1;
        }
    }
    if (!salida.commit()) {
        std::fprintf(stderr, "generar_manual: no se pudo completar %s\n", argv[2]);
        return 1;
    }
    return 0;
}
