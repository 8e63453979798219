// SPDX-License-Identifier: MIT
#include "ui/portablemap.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QResource>

// Qt 6.4's image reader loads every image plugin before it reads even a format of its own, and
// decoding a JPEG runs most of libjpeg: the splash's picture put 1.2 ms before the window could
// show, and left half a megabyte of libjpeg in memory. The build decodes the artwork instead.

namespace ui {

namespace {

struct Header
{
    int width = 0;
    int height = 0;
    int depth = 0;
    int maxval = 0;
    qsizetype length = 0; // of the header itself; the rows follow it
};

// "P7", then "KEY value" lines up to "ENDHDR".
Header readHeader(QByteArrayView data)
{
    Header header;
    qsizetype at = 0;
    const auto nextLine = [&] {
        const qsizetype end = data.indexOf('\n', at);
        const QByteArrayView line = end < 0 ? QByteArrayView() : data.sliced(at, end - at);
        at = end < 0 ? data.size() : end + 1;
        return line;
    };
    if (nextLine() != "P7")
        return {};
    for (QByteArrayView line = nextLine(); line != "ENDHDR"; line = nextLine()) {
        if (at == data.size())
            return {};
        const qsizetype blank = line.indexOf(' ');
        if (blank < 0)
            continue;
        const QByteArrayView key = line.first(blank);
        const int value = line.sliced(blank + 1).toInt();
        if (key == "WIDTH")
            header.width = value;
        else if (key == "HEIGHT")
            header.height = value;
        else if (key == "DEPTH")
            header.depth = value;
        else if (key == "MAXVAL")
            header.maxval = value;
    }
    header.length = at;
    return header;
}

} // namespace

QImage readPortableArbitraryMap(const QString &resourcePath)
{
    auto *data = new QByteArray(QResource(resourcePath).uncompressedData());
    const Header header = readHeader(*data);
    const bool known = (header.depth == 3 || header.depth == 4) && header.maxval == 255;
    const qsizetype rowBytes = qsizetype(header.width) * header.depth;
    if (!known || header.width <= 0 || header.height <= 0 ||
        data->size() - header.length < rowBytes * header.height)
        qFatal("%s is not a picture of the build's", qPrintable(resourcePath));
    // The image keeps the bytes it shows, and frees them with itself.
    const QImage rows(
        reinterpret_cast<const uchar *>(data->constData()) + header.length, header.width,
        header.height, rowBytes,
        header.depth == 3 ? QImage::Format_RGB888 : QImage::Format_RGBA8888,
        [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, data);
    // Qt's converters read a four-byte pixel as one word, so those rows must start on a word;
    // where the header left them elsewhere, they are copied into rows of Qt's own.
    const bool aligned = header.depth == 3 || quintptr(rows.constBits()) % alignof(quint32) == 0;
    return aligned ? rows : rows.copy();
}

} // namespace ui
