#include "QtPrinter.h"

#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QString>

namespace {

// A quarter inch all round leaves room for 80 columns at 12 points and for the longest
// pages the reports print at 10 points.
const QMarginsF PageMargins(0.25, 0.25, 0.25, 0.25);

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
    if (!QFontInfo(font).fixedPitch()) return fixedSystemFont(points);
    return font;
}

} // namespace

struct QtPrinter::Impl {
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    QFont font;
    qreal advance = 0;      // width of one character cell
    qreal lineSpacing = 0;  // distance from one line to the next
    qreal ascent = 0;
    qreal y = 0;            // top of the next line, from the top of the printable area
    bool failed = false;    // the printer could not be opened or closed
    bool pageBreakPending = false;

    void useFont(const QFont& f) {
        font = f;
        const QFontMetricsF metrics(font, printer.get());
        advance = metrics.horizontalAdvance(QLatin1Char('M'));
        lineSpacing = metrics.lineSpacing();
        ascent = metrics.ascent();
        if (painter.isActive()) painter.setFont(font);
    }

    // The document starts with its first line.
    bool begin() {
        if (painter.isActive()) return true;
        if (failed) return false;
        if (!painter.begin(printer.get())) {
            failed = true;
            return false;
        }
        painter.setFont(font);
        painter.setPen(Qt::black);
        y = 0;
        return true;
    }

    qreal pageHeight() const { return printer->pageRect(QPrinter::DevicePixel).height(); }

    void startNewPage() {
        printer->newPage();
        y = 0;
    }

    void drawLine(std::string_view line) {
        if (!begin()) return;
        if (pageBreakPending) {
            pageBreakPending = false;
            startNewPage();
        } else if (y > 0 && y + lineSpacing > pageHeight()) {
            // A page fuller than the sheet runs on to the next sheet, as a printer does.
            startNewPage();
        }
        const QList<uint> characters = QString::fromUtf8(line.data(), qsizetype(line.size())).toUcs4();
        const qreal baseline = y + ascent;
        for (qsizetype column = 0; column < characters.size(); ++column) {
            const char32_t c = characters[column];
            if (c == U' ') continue;
            painter.drawText(QPointF(column * advance, baseline), QString::fromUcs4(&c, 1));
        }
        y += lineSpacing;
    }
};

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : d_(std::make_unique<Impl>()) {
    d_->printer = std::move(printer);
    d_->printer->setPageMargins(PageMargins, QPageLayout::Inch);
    d_->useFont(fontForChoice(0));
}

QtPrinter::~QtPrinter() {
    if (d_->painter.isActive()) d_->painter.end();
}

std::unique_ptr<QtPrinter> QtPrinter::toPdf(const QString& fileName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    // The reports were laid out for Letter paper: 80 columns at 12 points.
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setDocName(QStringLiteral("Pecunex printout"));
    return std::make_unique<QtPrinter>(std::move(printer));
}

bool QtPrinter::selectFont(int fontChoice) {
    d_->useFont(fontForChoice(fontChoice));
    return !d_->failed;
}

bool QtPrinter::printImage(const PrintImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return false;
    if (d_->painter.isActive()) {
        d_->printer->newPage();
    } else {
        // Turned when a wide picture would be larger across the long side of the sheet.
        d_->printer->setPageOrientation(image.width > image.height ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
        if (!d_->begin()) return false;
    }
    d_->pageBreakPending = false;
    const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                         static_cast<qsizetype>(image.width) * 4, QImage::Format_ARGB32);
    const QRectF page = d_->printer->pageRect(QPrinter::DevicePixel);
    const QSizeF size = QSizeF(picture.size()).scaled(page.size(), Qt::KeepAspectRatio);
    d_->painter.drawImage(QRectF(QPointF((page.width() - size.width()) / 2, 0), size), picture);
    // Whatever follows starts on a page of its own.
    d_->pageBreakPending = true;
    return true;
}

void QtPrinter::emitLine(std::string_view line) { d_->drawLine(line); }

// The new page is started by the next line, so a break at the end leaves no empty page.
void QtPrinter::emitPageBreak() {
    if (d_->painter.isActive()) d_->pageBreakPending = true;
}

void QtPrinter::emitEndDocument() {
    d_->pageBreakPending = false;
    if (d_->painter.isActive() && !d_->painter.end()) d_->failed = true;
}

bool QtPrinter::failed() const { return d_->failed; }

std::unique_ptr<Printer> QtPrinterProvider::open() {
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull())
        return std::make_unique<QtPrinter>(std::make_unique<QPrinter>(system, QPrinter::HighResolution));

    // No printer installed: the printout goes to a PDF file the user names.
    QFileDialog dialog(parent_, QStringLiteral("Print to PDF File"));
    dialog.setObjectName("PdfFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
    QString fileName = dialog.selectedFiles().constFirst();
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    return QtPrinter::toPdf(fileName);
}
