// Build helper: draws the SVG application icon into a square PNG of the given size.
// usage: render_icon IN.svg SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: render_icon IN.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    int size = 0;
    const char* end = argv[2] + std::strlen(argv[2]);
    if (std::from_chars(argv[2], end, size).ptr != end || size < 16 || size > 1024) {
        std::fputs("render_icon: SIZE must be a whole number of pixels, 16 to 1024\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
