// SPDX-License-Identifier: MIT
#include "controls/signal_light/shapecircle.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

// The mark's height as a share of the lamp's diameter: readable from the back of the room, clear
// of the outline.
constexpr qreal MarkShare = 0.5;
// Dark on every lamp colour, as the lamps are all bright.
constexpr Qt::GlobalColor MarkColor = Qt::black;

// The lamp's state belongs in its name: that is what a screen reader reads out.
class LampAccessible : public QAccessibleWidget
{
public:
    explicit LampAccessible(ShapeCircle *lamp) : QAccessibleWidget(lamp, QAccessible::Indicator) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *lamp = static_cast<const ShapeCircle *>(widget());
        return (lamp->isLit() ? ShapeCircle::tr("%1, lit") : ShapeCircle::tr("%1, dark"))
            .arg(lamp->accessibleName());
    }
};

QAccessibleInterface *lampAccessible(const QString &, QObject *object)
{
    if (auto *lamp = qobject_cast<ShapeCircle *>(object))
        return new LampAccessible(lamp);
    return nullptr;
}

} // namespace

ShapeCircle::ShapeCircle(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(lampAccessible), true);
    Q_UNUSED(installed);
}

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
}

void ShapeCircle::setBlinkedOff(bool off)
{
    if (m_blinkedOff == off)
        return;
    m_blinkedOff = off;
    invalidate();
}

void ShapeCircle::setMark(const QString &mark)
{
    if (m_mark == mark)
        return;
    m_mark = mark;
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
    const bool filled = m_backStyle == Opaque && !m_blinkedOff;
    QPainter painter(this);
    // A dark lamp is only its rim, drawn as it is: the three lamps sit dark from start-up to the
    // first lamp, and a picture of each would hold a quarter of a megabyte for nothing.
    if (!filled) {
        m_cache = QPixmap();
        paintLamp(painter, false);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || m_cache.devicePixelRatio() != ratio) {
        m_cache = QPixmap(size() * ratio);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(Qt::transparent);
        QPainter cachePainter(&m_cache);
        paintLamp(cachePainter, true);
    }
    painter.drawPixmap(0, 0, m_cache);
}

void ShapeCircle::paintLamp(QPainter &painter, bool filled) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal diameter = qMin(width(), height()) - m_borderWidth;
    const QRectF circle((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter,
                        diameter);
    painter.setPen(QPen(m_borderColor, m_borderWidth));
    painter.setBrush(filled ? QBrush(m_backColor) : QBrush(Qt::NoBrush));
    painter.drawEllipse(circle);
    if (filled && !m_mark.isEmpty()) {
        QFont font = this->font();
        font.setBold(true);
        font.setPixelSize(qMax(1, qRound(diameter * MarkShare)));
        painter.setFont(font);
        painter.setPen(MarkColor);
        painter.drawText(circle, Qt::AlignCenter, m_mark);
    }
}
