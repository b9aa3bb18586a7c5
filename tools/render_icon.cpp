// render_icon: draws an SVG file as a square PNG of a given size, so the
// desktop icon's bitmap sizes are made from the one drawing at build time.
// Usage: render_icon IN.svg OUT.png SIZE
// Painting into an image needs no application object and no display, which
// a build machine may not have.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: render_icon IN.svg OUT.png SIZE\n", stderr);
        return 1;
    }
    char* end = nullptr;
    const long size = std::strtol(argv[3], &end, 10);
    if (*end != '\0' || size < 1 || size > 4096) {
        std::fprintf(stderr, "render_icon: the size must be 1 to 4096, not '%s'\n", argv[3]);
        return 1;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read the drawing %s\n", argv[1]);
        return 1;
    }
    const int side = static_cast<int>(size);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
