// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "startup/windowicon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

QIcon quarnelWindowIcon()
{
    const QResource raw(QStringLiteral(":/icons/org.quarnel.Quarnel.argb"));
    // The resource is stored uncompressed, so its data is the pixels themselves:
    // records of width, height and rows, one per size.
    QIcon icon;
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression) {
        const uchar *data = raw.data();
        qint64 left = raw.size();
        while (left >= 8) {
            const int width = int(qFromLittleEndian<quint32>(data));
            const int height = int(qFromLittleEndian<quint32>(data + 4));
            const qint64 bytes = 8 + qint64(width) * height * 4;
            if (width <= 0 || height <= 0 || bytes > left)
                return QIcon(QStringLiteral(":/icons/org.quarnel.Quarnel.png"));
            icon.addPixmap(QPixmap::fromImage(
                QImage(data + 8, width, height, qsizetype(width) * 4, QImage::Format_ARGB32)));
            data += bytes;
            left -= bytes;
        }
        if (left == 0 && !icon.isNull())
            return icon;
    }
    return QIcon(QStringLiteral(":/icons/org.quarnel.Quarnel.png"));
}
