// nivo-render-icons SVG OUTPUT_PREFIX SIZE...: draws one of the toolbar's images as a PNG file per
// size (OUTPUT_PREFIX-SIZE.png). The program carries the drawn files, so that it needs no SVG
// support at run time: the Windows build has none.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: nivo-render-icons SVG OUTPUT_PREFIX SIZE...\n");
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "nivo-render-icons: %s is no SVG image\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "nivo-render-icons: %s is no image size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.render(&painter);
        painter.end();
        const QString file = QString::fromLocal8Bit(argv[2]) + '-' + QString::number(size) + ".png";
        if (!image.save(file)) {
            std::fprintf(stderr, "nivo-render-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
