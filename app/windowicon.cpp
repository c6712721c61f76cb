#include "windowicon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

QIcon quarnelWindowIcon()
{
    const QResource raw(QStringLiteral(":/icons/org.quarnel.Quarnel.argb"));
    // The resource is stored uncompressed, so its data is the pixels themselves.
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression && raw.size() >= 8) {
        const uchar *data = raw.data();
        const int width = int(qFromLittleEndian<quint32>(data));
        const int height = int(qFromLittleEndian<quint32>(data + 4));
        if (width > 0 && height > 0 && raw.size() == 8 + qint64(width) * height * 4) {
            const QImage pixels(data + 8, width, height, width * 4, QImage::Format_ARGB32);
            return QIcon(QPixmap::fromImage(pixels));
        }
    }
    return QIcon(QStringLiteral(":/icons/org.quarnel.Quarnel.png"));
}
