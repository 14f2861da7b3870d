// SPDX-License-Identifier: MIT

#include "layout/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <map>

namespace hexacle::layout {

namespace {

// The picture in the file, or nothing when it cannot be read whole. Qt's GIF
// reader shows as much as it got of a file cut off partway, so a GIF must end
// with its trailer.
QImage readWholePicture(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("GIF8")) {
        qsizetype end = bytes.size();
        while (end > 0 && bytes[end - 1] == '\0')
            --end;
        if (end == 0 || bytes[end - 1] != ';')
            return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The name's suffix spares trying every reader on the content; a file
    // that is not what its name says is still read for what it is. The
    // pictures inside the program are what their names say.
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(!path.startsWith(QLatin1String(":/")));
    return reader.read();
}

// A PNG copy inside the program. Qt asks every image plugin whether it reads
// a picture before its own PNG reader may, unless told the format is certain;
// loading the plugins costs more than all the pictures together.
QPixmap embeddedPicture(const QString &path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// Drawn by tools/draw_icons.py, which places the fingertip at this pixel.
constexpr int kHandHotX = 6;
constexpr int kHandHotY = 1;

} // namespace

QPixmap loadPicture(const QString &path, qreal devicePixelRatio) {
    // The plain file is the picture; without it there is none, whatever
    // larger drawing lies beside it.
    const QImage image = readWholePicture(path);
    if (image.isNull())
        return QPixmap();
    if (devicePixelRatio > 1) {
        const QFileInfo plain(path);
        const QString larger = plain.path() + QLatin1Char('/') + plain.completeBaseName() +
                               QLatin1String("@2x.") + plain.suffix();
        QImage sharper = readWholePicture(larger);
        if (!sharper.isNull()) {
            sharper.setDevicePixelRatio(2);
            return QPixmap::fromImage(sharper);
        }
    }
    return QPixmap::fromImage(image);
}

QPixmap coinPicture(qreal devicePixelRatio) {
    // Decoded once for all the picture boxes that show it.
    static std::map<qreal, QPixmap> decoded;
    auto it = decoded.find(devicePixelRatio);
    if (it == decoded.end())
        it = decoded
                 .emplace(devicePixelRatio,
                          loadPicture(QStringLiteral(":/hexacle/coin.png"), devicePixelRatio))
                 .first;
    return it->second;
}

QIcon windowIcon() {
    static const QIcon icon(embeddedPicture(QStringLiteral(":/hexacle/coin_icon.png")));
    return icon;
}

QCursor colourHandPointer() {
    static const QCursor pointer(embeddedPicture(QStringLiteral(":/hexacle/hand_colour.png")),
                                 kHandHotX, kHandHotY);
    return pointer;
}

QCursor monoHandPointer() {
    static const QCursor pointer(embeddedPicture(QStringLiteral(":/hexacle/hand_mono.png")),
                                 kHandHotX, kHandHotY);
    return pointer;
}

} // namespace hexacle::layout
