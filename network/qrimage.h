// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace QrImage {

// The text as a QR code, black on white with the quiet zone a reader needs round it, each
// module moduleSize pixels square; a null image when the text does not fit in one.
QImage encode(const QString &text, int moduleSize);

} // namespace QrImage
