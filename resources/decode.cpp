// SPDX-License-Identifier: MIT
// The build's decoder of the artwork: reads a JPEG or PNG with Qt's image reader and writes its
// pixels as Netpbm PAM, the rows ui/portablemap.cpp shows in place: RGB, or RGB_ALPHA for a
// picture with transparency, one byte a sample.
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>

namespace {

QByteArray portableArbitraryMap(const QImage &image)
{
    const bool alpha = image.format() == QImage::Format_RGBA8888;
    const qsizetype rowBytes = qsizetype(image.width()) * (alpha ? 4 : 3);
    QByteArray map = QStringLiteral("P7\nWIDTH %1\nHEIGHT %2\nDEPTH %3\nMAXVAL 255\nTUPLTYPE %4\n"
                                    "ENDHDR\n")
                         .arg(image.width())
                         .arg(image.height())
                         .arg(alpha ? 4 : 3)
                         .arg(alpha ? "RGB_ALPHA" : "RGB")
                         .toLatin1();
    // Rows in a QImage are padded to four bytes; a PAM's follow each other.
    for (int y = 0; y < image.height(); ++y)
        map.append(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes);
    return map;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tickwell_decode PICTURE PAM\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    // Without premultiplying, so that a transparent pixel keeps the colour it was drawn in.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    QSaveFile map(QString::fromLocal8Bit(argv[2]));
    if (!map.open(QIODevice::WriteOnly) || map.write(portableArbitraryMap(image)) < 0 ||
        !map.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(map.errorString()));
        return 1;
    }
    return 0;
}
