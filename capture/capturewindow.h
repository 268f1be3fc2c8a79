// SPDX-License-Identifier: MIT
#pragma once

#include "capture/videolayout.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QMenu;

// Options ▸ Light for Screen Capture: a frameless window holding only the light, in one of the
// video layouts, on a chroma-key colour where a video's picture would be transparent, for a
// video program's window capture. It never takes the keyboard: the timer keeps its keys.
class CaptureWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr QRgb DefaultKey = 0xff00b140; // green-screen green

    explicit CaptureWindow(QWidget *parent = nullptr);

    void setLamps(bool green, bool yellow, bool red, bool flashDark);
    void setElapsedSeconds(int seconds);

    VideoLayout layout() const { return m_layout; }
    void setLayout(const VideoLayout &layout);
    QColor keyColour() const { return m_key; }
    void setKeyColour(const QColor &colour);
    // The layout, the key colour and the place, as one text to remember; restore() takes it
    // back, each part checked, the rest left as it is.
    QString remembered() const;
    void restore(const QString &text);
    QMenu *optionsMenu() const { return m_menu; }

signals:
    // The layout, the key colour, the size or the place changed: remembered() is new.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor litColour() const;
    void buildMenu();

    VideoLayout m_layout;
    QColor m_key = QColor::fromRgb(DefaultKey);
    bool m_green = false, m_yellow = false, m_red = false, m_flashDark = false;
    int m_elapsed = 0;
    QMenu *m_menu = nullptr;
    // Where the left button went down, until a drag from there moves or resizes the window.
    std::optional<QPoint> m_pressedAt;
};
