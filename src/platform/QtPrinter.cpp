#include "QtPrinter.h"

#include <algorithm>
#include <array>
#include <malloc.h>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRawFont>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryFile>

#include "PdfPrinter.h"
#include "TrueTypeFont.h"

namespace {

// A quarter inch all round, as the printout font's own PDF writer has it; printGrid fits the
// longest pages and 80 columns into what is left.
const QMarginsF PageMargins(0.25, 0.25, 0.25, 0.25);

// What a QPrinter's high resolution gives a PDF.
constexpr int PdfResolution = 1200;

QFont fixedSystemFont(qreal points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(points);
    font.setBold(false);
    return font;
}

// The printout font of a choice: Courier New (Liberation Mono on our systems) at 10, 11
// or 12 points for choices 1-3, the desktop's fixed-pitch font at that size when no such
// font is installed.
//
// Choice 0 is "the printer's own font". A printer's default may well be proportional,
// which would break the report's columns, and the desktop's fixed font varies from machine
// to machine (some have lines a third taller than Courier's, so a 53-line page would run
// off the sheet). The standard font is therefore the same Courier cell at 10 points.
QFont fontForChoice(int choice) {
    const qreal points = choice >= 1 && choice <= 3 ? 9 + choice : 10;
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(points);
    font.setBold(false);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        return fixedSystemFont(points);
    return font;
}

// Qt's PDF writer compresses every page through buffers of ten megabytes and a fresh zlib state,
// all freed again at the end of the page. The allocator would hand that memory back to the
// system each time and take it anew, page-faulting it in, for every page: most of the cost
// of a long printout. Kept, the same memory serves every page; the peak stays the same.
void keepPdfBuffers() {
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    (void)kept;
}

} // namespace

struct QtPrinter::Impl {
    std::unique_ptr<QPagedPaintDevice> printer; // a QPrinter, or a QPdfWriter for PDF files
    int resolution = 0;                         // its dots per inch
    QPainter painter;
    QFont font;
    QRawFont rawFont; // the font as the printer resolves it, for glyph look-ups
    std::array<quint32, 128> asciiGlyphs{}; // glyph of each ASCII character, NotLookedUp first
    QList<quint32> glyphs;                  // the line being drawn, reused from line to line
    QList<QPointF> positions;
    int fontChoice = 0;
    PrintGrid grid; // cell width and line pitch for that font on this page
    qreal ascent = 0;
    int line = 0;        // the next line's place on the sheet, from 0
    bool failed = false; // the printer could not be opened or closed
    bool pageBreakPending = false;

    static constexpr quint32 NotLookedUp = 0xFFFFFFFF;

    void useFont(int choice) {
        // Every page selects its font again; the same font keeps what was worked out for it.
        const QFont f = fontForChoice(choice);
        if (rawFont.isValid() && f == font && choice == fontChoice)
            return;
        font = f;
        fontChoice = choice;
        const QFontMetricsF metrics(font, printer.get());
        const QRectF page = pageRect();
        grid = printGrid(page.width(), page.height(), metrics.horizontalAdvance(QLatin1Char('M')),
                         metrics.lineSpacing(), choice);
        ascent = metrics.ascent();
        rawFont = QRawFont::fromFont(QFont(font, printer.get()));
        asciiGlyphs.fill(NotLookedUp);
        if (painter.isActive())
            painter.setFont(font);
    }

    // The glyph of a character in the printout font; 0 when the font has none.
    quint32 glyphOf(char32_t c) {
        quint32* cached = c < asciiGlyphs.size() ? &asciiGlyphs[c] : nullptr;
        if (cached && *cached != NotLookedUp)
            return *cached;
        QChar units[2];
        int count = 1;
        if (QChar::requiresSurrogates(c)) {
            units[0] = QChar(QChar::highSurrogate(c));
            units[1] = QChar(QChar::lowSurrogate(c));
            count = 2;
        } else {
            units[0] = QChar(static_cast<char16_t>(c));
        }
        quint32 found[2] = {0, 0};
        int glyphCount = 2;
        const quint32 glyph =
            rawFont.glyphIndexesForChars(units, count, found, &glyphCount) && glyphCount == 1
                ? found[0]
                : 0;
        if (cached)
            *cached = glyph;
        return glyph;
    }

    // The characters of a line, one a column.
    static QList<uint> charactersOf(std::string_view line) {
        return QString::fromUtf8(line.data(), qsizetype(line.size())).toUcs4();
    }

    // The whole line as one glyph run, every glyph placed on its column of the character
    // grid. False, drawing nothing, when the font lacks one of the line's characters.
    bool drawGlyphRun(std::string_view line, qreal baseline) {
        if (!rawFont.isValid())
            return false;
        glyphs.clear();
        positions.clear();
        const auto place = [&](char32_t c, qsizetype column) {
            if (c == U' ')
                return true;
            const quint32 glyph = glyphOf(c);
            glyphs.append(glyph);
            positions.append(QPointF(qreal(column) * grid.cell, 0));
            return glyph != 0;
        };
        const bool ascii =
            std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; });
        if (ascii) {
            for (std::size_t column = 0; column < line.size(); ++column)
                if (!place(static_cast<unsigned char>(line[column]), qsizetype(column)))
                    return false;
        } else {
            const QList<uint> characters = charactersOf(line);
            for (qsizetype column = 0; column < characters.size(); ++column)
                if (!place(characters[column], column))
                    return false;
        }
        if (glyphs.isEmpty())
            return true;
        QGlyphRun run;
        run.setRawFont(rawFont);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, baseline), run);
        return true;
    }

    // One text per run of non-blank characters, each at its column: the font machinery
    // then finds a face for characters the printout font lacks.
    void drawTextRuns(std::string_view line, qreal baseline) {
        const QList<uint> characters = charactersOf(line);
        qsizetype column = 0;
        while (column < characters.size()) {
            if (characters[column] == U' ') {
                ++column;
                continue;
            }
            qsizetype end = column;
            while (end < characters.size() && characters[end] != U' ')
                ++end;
            painter.drawText(QPointF(qreal(column) * grid.cell, baseline),
                             QString::fromUcs4(
                                 reinterpret_cast<const char32_t*>(characters.constData() + column),
                                 end - column));
            column = end;
        }
    }

    // The document starts with its first line.
    bool begin() {
        if (painter.isActive())
            return true;
        if (failed)
            return false;
        if (!painter.begin(printer.get())) {
            failed = true;
            return false;
        }
        painter.setFont(font);
        painter.setPen(Qt::black);
        line = 0;
        return true;
    }

    QRectF pageRect() const { return printer->pageLayout().paintRectPixels(resolution); }

    void drawLine(std::string_view text) {
        if (!begin())
            return;
        // A page fuller than the sheet runs on to the next sheet, as a printer does.
        if (std::exchange(pageBreakPending, false) || line >= grid.linesPerSheet) {
            printer->newPage();
            line = 0;
        }
        const qreal baseline = line * grid.line + ascent;
        if (!drawGlyphRun(text, baseline))
            drawTextRuns(text, baseline);
        ++line;
    }
};

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : d_(std::make_unique<Impl>()) {
    d_->resolution = printer->resolution();
    d_->printer = std::move(printer);
    d_->printer->setPageMargins(PageMargins, QPageLayout::Inch);
    d_->useFont(0);
}

QtPrinter::QtPrinter(std::unique_ptr<Impl> d) : d_(std::move(d)) {
    d_->printer->setPageMargins(PageMargins, QPageLayout::Inch);
    d_->useFont(0);
}

QtPrinter::~QtPrinter() {
    if (d_->painter.isActive())
        d_->painter.end();
}

// A PDF file needs no printer: Qt's PDF writer takes it without loading the print system.
std::unique_ptr<QtPrinter> QtPrinter::toPdf(const QString& fileName, Paper paper) {
    keepPdfBuffers();
    auto writer = std::make_unique<QPdfWriter>(fileName);
    writer->setResolution(PdfResolution);
    writer->setPageSize(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
    writer->setTitle(QStringLiteral("Pecunex printout"));
    auto d = std::make_unique<Impl>();
    d->resolution = writer->resolution();
    d->printer = std::move(writer);
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(d)));
}

bool QtPrinter::selectFont(int fontChoice) {
    d_->useFont(fontChoice >= 1 && fontChoice <= 3 ? fontChoice : 0);
    return !d_->failed;
}

bool QtPrinter::printImage(const PrintImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() !=
            static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return false;
    if (d_->painter.isActive()) {
        d_->printer->newPage();
    } else {
        // Turned when a wide picture would be larger across the long side of the sheet.
        d_->printer->setPageOrientation(image.width > image.height ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
        if (!d_->begin())
            return false;
    }
    d_->pageBreakPending = false;
    const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                         image.height, static_cast<qsizetype>(image.width) * 4,
                         QImage::Format_ARGB32);
    const QRectF page = d_->pageRect();
    const QSizeF size = QSizeF(picture.size()).scaled(page.size(), Qt::KeepAspectRatio);
    d_->painter.drawImage(QRectF(QPointF((page.width() - size.width()) / 2, 0), size), picture);
    // Whatever follows starts on a page of its own.
    d_->pageBreakPending = true;
    return true;
}

void QtPrinter::emitLine(std::string_view line) {
    d_->drawLine(line);
}

// The new page is started by the next line, so a break at the end leaves no empty page.
void QtPrinter::emitPageBreak() {
    if (d_->painter.isActive())
        d_->pageBreakPending = true;
}

void QtPrinter::emitEndDocument() {
    d_->pageBreakPending = false;
    if (d_->painter.isActive() && !d_->painter.end())
        d_->failed = true;
}

bool QtPrinter::failed() const {
    return d_->failed;
}

namespace {

// A printout to a PDF file the user named: text through the printout font's own writer,
// the one pecunex-report uses, a picture through Qt's. The first thing printed decides; Qt's
// writer takes the text too where the printout font is not installed.
class PdfFilePrinter : public Printer {
  public:
    PdfFilePrinter(QString fileName, Paper paper) : fileName_(std::move(fileName)), paper_(paper) {}

    bool selectFont(int fontChoice) override { return target().selectFont(fontChoice); }
    bool printImage(const PrintImage& image) override {
        if (!target_)
            target_ = QtPrinter::toPdf(fileName_, paper_);
        return target_->printImage(image);
    }
    bool failed() const override { return target_ && target_->failed(); }
    std::string destination() const override { return fileName_.toStdString(); }

  protected:
    void emitLine(std::string_view line) override { target().print({line}); }
    void emitPageBreak() override {
        if (target_)
            target_->newPage();
    }
    void emitEndDocument() override {
        if (target_)
            target_->endDocument();
    }

  private:
    Printer& target() {
        if (!target_)
            target_ = PdfPrinter::open(fileName_.toStdString(), paper_);
        if (!target_)
            target_ = QtPrinter::toPdf(fileName_, paper_);
        return *target_;
    }

    QString fileName_;
    Paper paper_;
    std::unique_ptr<Printer> target_;
};

} // namespace

QtPrinterProvider::QtPrinterProvider(QWidget* dialogParent, QString startFolder)
    : parent_(dialogParent), startFolder_(std::move(startFolder)) {}

std::unique_ptr<Printer> QtPrinterProvider::open() {
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull()) // on the paper the printer is set up with
        return std::make_unique<QtPrinter>(
            std::make_unique<QPrinter>(system, QPrinter::HighResolution));

    // No printer installed: the printout goes to a PDF file the user names.
    QFileDialog dialog(parent_, QStringLiteral("Print to PDF File"));
    dialog.setObjectName("PdfFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDirectory(!startFolder_.isEmpty()
                            ? startFolder_
                            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    QString fileName = dialog.selectedFiles().constFirst();
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    return std::make_unique<PdfFilePrinter>(fileName, systemPaper(paperSourcesOfThisSystem()));
}

namespace {

// Every kind of font file. A glob that matched folders too would keep the font folders
// from being read at all.
QString fontFileGlobs() {
    QString globs;
    for (const char* extension : {"ttf", "otf", "ttc", "otc", "pfa", "pfb", "t1", "pcf", "pcf.gz",
                                  "bdf", "woff", "woff2", "dfont"})
        globs += QStringLiteral("<glob>*.%1</glob>").arg(QLatin1String(extension));
    return globs;
}

// The system's font configuration (its rendering settings shape the glyph metrics, so the
// pages keep their geometry) with every face but the printout font's left out: the
// application's font list then holds one face instead of every font on the system.
std::unique_ptr<QTemporaryFile> printoutFontConfig() {
    const QString font = QString::fromStdString(printoutFontPath());
    if (font.isEmpty())
        return nullptr;
    QString system = qEnvironmentVariable("FONTCONFIG_FILE");
    if (system.isEmpty())
        system = QStringLiteral("/etc/fonts/fonts.conf");
    if (!QFileInfo::exists(system))
        return nullptr;
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/pecunex-fonts-XXXXXX.conf"));
    if (!file->open())
        return nullptr;
    const QString config =
        QStringLiteral(
            "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
            "  <include>%1</include>\n"
            "  <selectfont>\n"
            "    <acceptfont><glob>%2</glob></acceptfont>\n"
            "    <rejectfont>%3</rejectfont>\n"
            "  </selectfont>\n"
            "</fontconfig>\n")
            .arg(system.toHtmlEscaped(), font.toHtmlEscaped(), fontFileGlobs());
    if (file->write(config.toUtf8()) < 0 || !file->flush())
        return nullptr;
    return file;
}

} // namespace

PdfApplication::PdfApplication(int& argc, char** argv) {
    if (QCoreApplication::instance())
        return;
    // The PDF is drawn without a screen, whatever display the caller may have.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fontConfig_ = printoutFontConfig();
    if (fontConfig_)
        qputenv("FONTCONFIG_FILE", QFile::encodeName(fontConfig_->fileName()));
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

PdfApplication::~PdfApplication() = default;
