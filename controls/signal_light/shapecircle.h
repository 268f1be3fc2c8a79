// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

// One lamp of the light: a circle centred in its box. Lit, it is filled with its lamp colour and
// carries its mark if it has one; dark, it is transparent and shows only its outline over
// whatever lies behind it. A screen reader hears its accessible name with "lit" or "dark".
class QPainter;

class ShapeCircle : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int backStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(qreal borderWidth READ borderWidth WRITE setBorderWidth)

public:
    static constexpr int Transparent = 0;
    static constexpr int Opaque = 1;

    explicit ShapeCircle(QWidget *parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    // The outline's width in logical pixels; it grows with the light when the light is scaled.
    qreal borderWidth() const { return m_borderWidth; }
    void setBorderWidth(qreal width);
    bool isLit() const { return m_backStyle == Opaque; }
    // A lit lamp drawn dark for the moment, as in a flash; it stays lit.
    bool isBlinkedOff() const { return m_blinkedOff; }
    void setBlinkedOff(bool off);
    // A letter drawn inside the lamp while it shows lit; none when empty.
    QString mark() const { return m_mark; }
    void setMark(const QString &mark);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintLamp(QPainter &painter, bool filled) const;
    void invalidate();

    QColor m_backColor = Qt::white;
    QColor m_borderColor = Qt::black;
    int m_backStyle = Opaque;
    qreal m_borderWidth = 1.0;
    bool m_blinkedOff = false;
    QString m_mark;
    QPixmap m_cache;
};
