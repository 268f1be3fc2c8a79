// SPDX-License-Identifier: MIT
#include "controls/signal_light/shapecircle.h"

#include <QPainter>

ShapeCircle::ShapeCircle(QWidget *parent) : QWidget(parent) {}

void ShapeCircle::setBackColor(const QColor &color)
{
    m_backColor = color;
    invalidate();
}

void ShapeCircle::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    invalidate();
}

void ShapeCircle::setBorderWidth(qreal width)
{
    if (qFuzzyCompare(m_borderWidth, width))
        return;
    m_borderWidth = width;
    invalidate();
}

void ShapeCircle::setBackStyle(int style)
{
    // Written on every paint of the light, so only a real change costs a repaint.
    if (m_backStyle == style)
        return;
    m_backStyle = style;
    invalidate();
    emit lookChanged();
}

void ShapeCircle::setBlinkedOff(bool off)
{
    if (m_blinkedOff == off)
        return;
    m_blinkedOff = off;
    invalidate();
}

QSize ShapeCircle::sizeHint() const
{
    return {64, 64};
}

void ShapeCircle::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_cache = QPixmap();
}

void ShapeCircle::invalidate()
{
    m_cache = QPixmap();
    update();
}

void ShapeCircle::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || m_cache.devicePixelRatio() != ratio) {
        m_cache = QPixmap(size() * ratio);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(Qt::transparent);
        QPainter cachePainter(&m_cache);
        cachePainter.setRenderHint(QPainter::Antialiasing);
        const qreal diameter = qMin(width(), height()) - m_borderWidth;
        const QRectF circle((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter,
                            diameter);
        cachePainter.setPen(QPen(m_borderColor, m_borderWidth));
        const bool filled = m_backStyle == Opaque && !m_blinkedOff;
        cachePainter.setBrush(filled ? QBrush(m_backColor) : QBrush(Qt::NoBrush));
        cachePainter.drawEllipse(circle);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}
