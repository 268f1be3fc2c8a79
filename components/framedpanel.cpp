// SPDX-License-Identifier: MIT
#include "components/framedpanel.h"

#include <QPainter>

namespace {
constexpr int BevelWidth = 2;
}

FramedPanel::FramedPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(BevelWidth);
    setAutoFillBackground(true);
}

void FramedPanel::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    update();
}

QColor FramedPanel::faceColor() const
{
    return palette().color(QPalette::Window);
}

void FramedPanel::setFaceColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor FramedPanel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void FramedPanel::setTextColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QSize FramedPanel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_caption) + 4 * BevelWidth + 8,
            metrics.height() + 4 * BevelWidth + 8};
}

void FramedPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    // The caption sits in the middle of the face; the children usually cover it.
    QPainter painter(this);
    painter.setPen(textColor());
    painter.setFont(font());
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
}
