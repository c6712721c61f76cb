// Build tool: turns the window icon's PNG into raw pixels for the program's
// resources, so that the program shows its icon without decoding a PNG (and
// loading Qt's image plugins) before its window appears.
// Usage: quarnel_iconpixels IN.png OUT.argb
// OUT: the width and the height as little-endian 32-bit numbers, then the rows
// top to bottom, each pixel a 32-bit 0xAARRGGBB number in the machine's order.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: quarnel_iconpixels IN.png OUT.argb\n");
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
    const quint32 size[2] = {qToLittleEndian(quint32(icon.width())), qToLittleEndian(quint32(icon.height()))};
    out.write(reinterpret_cast<const char *>(size), sizeof size);
    for (int y = 0; y < icon.height(); ++y)
        out.write(reinterpret_cast<const char *>(icon.constScanLine(y)), qsizetype(icon.width()) * 4);
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
