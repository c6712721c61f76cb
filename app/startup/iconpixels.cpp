// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// Build tool: turns the window icon's PNG into raw pixels for the program's
// resources, so that the program shows its icon without decoding a PNG (and
// loading Qt's image plugins) before its window appears. The window gets the
// sizes that taskbars and window switchers ask for, not the 256-pixel
// original: the display server is sent every size the icon has, converted
// pixel by pixel, while the window opens.
// Usage: quarnel_iconpixels IN.png OUT.argb SIZE...
// OUT: for each SIZE, the width and the height as little-endian 32-bit numbers,
// then the rows top to bottom, each pixel a 32-bit 0xAARRGGBB number in the
// machine's order.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: quarnel_iconpixels IN.png OUT.argb SIZE...\n");
        return 2;
    }
    const QImage icon = QImage(QString::fromLocal8Bit(argv[1]), "PNG").convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) {
        std::fprintf(stderr, "quarnel_iconpixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side <= 0 || side > icon.width()) {
            std::fprintf(stderr, "quarnel_iconpixels: bad size %s\n", argv[i]);
            return 2;
        }
        const QImage sized = icon.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_ARGB32);
        const quint32 size[2] = {qToLittleEndian(quint32(sized.width())),
                                 qToLittleEndian(quint32(sized.height()))};
        out.write(reinterpret_cast<const char *>(size), sizeof size);
        for (int y = 0; y < sized.height(); ++y)
            out.write(reinterpret_cast<const char *>(sized.constScanLine(y)), qsizetype(sized.width()) * 4);
    }
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
