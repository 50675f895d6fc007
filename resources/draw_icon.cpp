// SPDX-License-Identifier: MIT
// Writes the program's icon for installation: a PNG file of any size for the desktop's icon theme,
// or, for a name ending in .ico, the 32x32 picture as a Windows icon (24 bits per pixel with a
// 1-bit mask that leaves every pixel opaque).
//   tenvex_draw_icon SIZE FILE.png
//   tenvex_draw_icon 32 FILE.ico
#include "icon.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

// The low `size` bytes of `value`, least significant first; size is 1, 2 or 4.
void AppendLittleEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// ICONDIR, one ICONDIRENTRY, then the bitmap: a BITMAPINFOHEADER of twice the height (colour rows
// and mask rows), the colour rows bottom-up in BGR padded to 4 bytes, and the mask rows, all
// zero: nothing transparent.
QByteArray IcoFile(const QImage &image)
{
    const int size = image.width();
    const int colourRowBytes = (size * 3 + 3) / 4 * 4;
    const int maskRowBytes = (size + 31) / 32 * 4;
    const int bitmapBytes = 40 + size * (colourRowBytes + maskRowBytes);
    QByteArray bytes;
    AppendLittleEndian(bytes, 0, 2); // reserved
    AppendLittleEndian(bytes, 1, 2); // icon
    AppendLittleEndian(bytes, 1, 2); // one image
    AppendLittleEndian(bytes, static_cast<quint32>(size % 256), 1);
    AppendLittleEndian(bytes, static_cast<quint32>(size % 256), 1);
    AppendLittleEndian(bytes, 0, 1); // no palette
    AppendLittleEndian(bytes, 0, 1); // reserved
    AppendLittleEndian(bytes, 1, 2); // planes
    AppendLittleEndian(bytes, 24, 2);
    AppendLittleEndian(bytes, static_cast<quint32>(bitmapBytes), 4);
    AppendLittleEndian(bytes, 6 + 16, 4); // offset of the bitmap

    AppendLittleEndian(bytes, 40, 4);
    AppendLittleEndian(bytes, static_cast<quint32>(size), 4);
    AppendLittleEndian(bytes, static_cast<quint32>(2 * size), 4);
    AppendLittleEndian(bytes, 1, 2);
    AppendLittleEndian(bytes, 24, 2);
    AppendLittleEndian(bytes, 0, 4); // no compression
    AppendLittleEndian(bytes, static_cast<quint32>(size * (colourRowBytes + maskRowBytes)), 4);
    bytes.append(16, '\0'); // resolution and palette counts
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            AppendLittleEndian(bytes, static_cast<quint32>(qBlue(pixel)), 1);
            AppendLittleEndian(bytes, static_cast<quint32>(qGreen(pixel)), 1);
            AppendLittleEndian(bytes, static_cast<quint32>(qRed(pixel)), 1);
        }
        bytes.append(colourRowBytes - size * 3, '\0');
    }
    bytes.append(static_cast<qsizetype>(size) * maskRowBytes, '\0');
    return bytes;
}

bool WriteIco(const QImage &image, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(IcoFile(image)) >= 0;
}

} // namespace

int main(int argc, char **argv)
{
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 16 || size > 256) {
        std::fprintf(stderr, "usage: tenvex_draw_icon SIZE FILE.png|FILE.ico (SIZE 16 to 256)\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    const QImage icon = tenvex::DrawIcon(size);
    const bool written = path.endsWith(u".ico") ? WriteIco(icon, path) : icon.save(path, "PNG");
    return written ? 0 : 1;
}
