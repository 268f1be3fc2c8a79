// SPDX-License-Identifier: MIT
#include "network/qrimage.h"

#include <qrencode.h>

#include <memory>

namespace {

constexpr int QuietModules = 4;

struct QrFree
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};

} // namespace

QImage QrImage::encode(const QString &text, int moduleSize)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, QrFree> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code)
        return {};
    const int modules = code->width + 2 * QuietModules;
    QImage image(modules * moduleSize, modules * moduleSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The low bit of each module's byte says whether it is dark.
            if (!(code->data[y * code->width + x] & 1))
                continue;
            for (int dy = 0; dy < moduleSize; ++dy) {
                QRgb *line =
                    reinterpret_cast<QRgb *>(image.scanLine((y + QuietModules) * moduleSize + dy));
                for (int dx = 0; dx < moduleSize; ++dx)
                    line[(x + QuietModules) * moduleSize + dx] = qRgb(0, 0, 0);
            }
        }
    }
    return image;
}
