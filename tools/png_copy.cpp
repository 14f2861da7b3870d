// SPDX-License-Identifier: MIT
// Build tool: writes a PNG copy of a picture (the GIF and ICO assets), pixel
// for pixel the same, so the program reads its pictures without loading an
// image plugin. Fails when the copy would differ.
//
//     hexacle_png_copy INPUT OUTPUT.png

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv); // image plugins are found through it
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: hexacle_png_copy INPUT OUTPUT.png\n");
        return 2;
    }
    QImageReader reader(args[1]);
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(reader.errorString()));
        return 1;
    }
    QImageWriter writer(args[2], "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[2]), qPrintable(writer.errorString()));
        return 1;
    }
    const QImage copy(args[2], "png");
    if (copy.size() != image.size() || copy.convertToFormat(QImage::Format_ARGB32) !=
                                           image.convertToFormat(QImage::Format_ARGB32)) {
        std::fprintf(stderr, "%s: the PNG copy differs from %s\n", qPrintable(args[2]),
                     qPrintable(args[1]));
        return 1;
    }
    return 0;
}
