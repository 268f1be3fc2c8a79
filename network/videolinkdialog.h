// SPDX-License-Identifier: MIT
#pragma once

#include "capture/videolayout.h"

#include <QDialog>
#include <QUrl>

class QCheckBox;
class QComboBox;
class QSpinBox;

// Copy Link for Video...: the layout a video source draws, and the pairing address carrying it,
// put on the clipboard for a video program's browser source.
class VideoLinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VideoLinkDialog(QWidget *parent = nullptr);

    VideoLayout layout() const;
    // The pairing address, the code after '#' as the QR code carries it, with the layout.
    static QUrl link(const QUrl &pairingUrl, const VideoLayout &layout);

    QComboBox *kindBox() const { return m_kind; }
    QComboBox *cornerBox() const { return m_corner; }

private:
    void updateFields();

    QComboBox *m_kind = nullptr;
    QComboBox *m_corner = nullptr;
    QSpinBox *m_size = nullptr;
    QSpinBox *m_border = nullptr;
    QCheckBox *m_elapsed = nullptr;
    QCheckBox *m_flash = nullptr;
};
