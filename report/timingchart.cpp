// SPDX-License-Identifier: MIT
#include "report/timingchart.h"

#include "report/speechlabels.h"
#include "timing/clocktext.h"
#include "timing/lampwindow.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

// Heights and gaps as parts of a line of text, so the picture scales with its font.
constexpr double RowLines = 1.7;
constexpr double AxisLines = 1.6;
constexpr double BarLines = 0.55;
constexpr double MaxLabelShare = 0.28;
constexpr int MinimumWidth = 360;
// Axis steps in seconds; the first that leaves room between labels is used.
constexpr std::array<int, 14> AxisSteps{1,   2,   5,   10,  15,   30,   60,
                                        120, 300, 600, 900, 1800, 3600, 7200};

const QColor GridColor(0xd8, 0xd8, 0xd8);
// Light tints, so the words written over them stay readable.
const QColor GraceColor(0xea, 0xea, 0xea);
const QColor BarColor(0x37, 0x47, 0x4f);
const QColor RehearsalBarColor(0xa0, 0xa8, 0xad);
const std::array<QColor, 3> LampColors{QColor(0xbf, 0xe8, 0xbf), QColor(0xf7, 0xee, 0xa8),
                                       QColor(0xf5, 0xbd, 0xbd)};

int rowHeight(const QFontMetrics &m)
{
    return qRound(m.height() * RowLines);
}
int axisHeight(const QFontMetrics &m)
{
    return qRound(m.height() * AxisLines);
}

QString endText(const SpeechRecord &s)
{
    const QString verdict = SpeechLabels::verdict(s);
    const QString time = clockText(s.elapsedSeconds);
    return verdict.isEmpty() ? time : time + QStringLiteral("  ") + verdict;
}

} // namespace

TimingChart::TimingChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pictureTiming"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(tr("Timing of each speech"));
}

void TimingChart::setSpeeches(const QList<SpeechRecord> &speeches)
{
    m_speeches = speeches;
    updateGeometry();
    update();
}

int TimingChart::heightFor(const QFontMetrics &metrics, int speechCount)
{
    return axisHeight(metrics) + std::max(1, speechCount) * rowHeight(metrics) +
           metrics.height() / 2;
}

QSize TimingChart::sizeHint() const
{
    return {MinimumWidth * 2, heightFor(fontMetrics(), int(m_speeches.size()))};
}

QSize TimingChart::minimumSizeHint() const
{
    return {MinimumWidth, heightFor(fontMetrics(), int(m_speeches.size()))};
}

void TimingChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Text));
    paint(painter, rect(), m_speeches);
}

void TimingChart::paint(QPainter &painter, const QRect &area, const QList<SpeechRecord> &speeches)
{
    const QFontMetrics m = painter.fontMetrics();
    const QColor textColor = painter.pen().color();
    const int line = m.height();
    const int pad = line / 2;
    const int rowH = rowHeight(m);
    const int axisH = axisHeight(m);

    if (speeches.isEmpty()) {
        painter.drawText(area.adjusted(pad, axisH, -pad, 0), Qt::AlignLeft | Qt::AlignTop,
                         tr("No speeches recorded in this meeting yet."));
        return;
    }

    // The axis runs to the latest of every speech's end and its window with grace, a whole step.
    int longest = 1;
    int labelWidth = 0;
    int endWidth = 0;
    for (const SpeechRecord &s : speeches) {
        longest = std::max(
            {longest, s.elapsedSeconds, lampWindow(s.thresholdSeconds).last + s.graceSeconds});
        // One more than the rounded width: the eliding measures exactly.
        labelWidth = std::max(labelWidth, m.horizontalAdvance(SpeechLabels::who(s)) + 1);
        endWidth = std::max(endWidth, m.horizontalAdvance(endText(s)));
    }
    labelWidth = std::min(labelWidth, int(area.width() * MaxLabelShare));
    const int left = area.left() + pad + labelWidth + pad;
    const int right = std::max(left + line, area.right() - pad - endWidth - pad);
    const int tickRoom = m.horizontalAdvance(QStringLiteral("000:00")) * 2;
    int step = AxisSteps.back();
    for (const int candidate : AxisSteps) {
        if (longest / candidate * tickRoom <= right - left) {
            step = candidate;
            break;
        }
    }
    const int axisEnd = (longest + step - 1) / step * step;
    const auto x = [&](int seconds) {
        return left + double(right - left) * std::clamp(seconds, 0, axisEnd) / axisEnd;
    };
    const int top = area.top() + axisH;
    const int bottom = top + int(speeches.size()) * rowH;

    // The time axis along the top, its grid through every row.
    for (int t = 0; t <= axisEnd; t += step) {
        painter.setPen(GridColor);
        painter.drawLine(QPointF(x(t), top - pad / 2), QPointF(x(t), bottom));
        painter.setPen(textColor);
        const QString label = clockText(t);
        const int w = m.horizontalAdvance(label);
        painter.drawText(QPointF(x(t) - w / 2.0, top - pad / 2 - m.descent()), label);
    }

    const int barH = std::max(2, qRound(line * BarLines));
    for (int i = 0; i < speeches.size(); ++i) {
        const SpeechRecord &s = speeches.at(i);
        const int rowTop = top + i * rowH;
        const QRectF band(0, rowTop + (rowH - barH) / 2.0 - barH / 2.0, 0, barH * 2.0);

        // Behind the bar: the grace either side, then green to red between the first and last
        // lamps.
        const LampWindow lamps = lampWindow(s.thresholdSeconds);
        if (!lamps.empty()) {
            const auto [first, last] = lamps;
            const int grace = std::max(0, s.graceSeconds);
            painter.fillRect(QRectF(QPointF(x(first - grace), band.top()),
                                    QPointF(x(last + grace), band.bottom())),
                             GraceColor);
            const QRectF window(QPointF(x(first), band.top()), QPointF(x(last), band.bottom()));
            QLinearGradient shade(window.topLeft(), window.topRight());
            shade.setColorAt(0, LampColors[0]);
            shade.setColorAt(0.5, LampColors[1]);
            shade.setColorAt(1, LampColors[2]);
            painter.fillRect(window.adjusted(0, 0, first == last ? 1 : 0, 0), shade);
        }

        const QRectF bar(QPointF(x(0), rowTop + (rowH - barH) / 2.0),
                         QPointF(x(s.elapsedSeconds), rowTop + (rowH + barH) / 2.0));
        painter.fillRect(bar.adjusted(0, 0, s.elapsedSeconds > 0 ? 0 : 1, 0),
                         s.rehearsal || s.mistakenStart ? RehearsalBarColor : BarColor);

        painter.setPen(textColor);
        const QString who = m.elidedText(SpeechLabels::who(s), Qt::ElideRight, labelWidth);
        const double baseline = rowTop + (rowH + m.ascent() - m.descent()) / 2.0;
        painter.drawText(QPointF(area.left() + pad, baseline), who);
        painter.setPen(SpeechLabels::verdictColor(s));
        painter.drawText(QPointF(bar.right() + pad, baseline), endText(s));

        painter.setPen(GridColor);
        painter.drawLine(QPointF(area.left(), rowTop + rowH), QPointF(area.right(), rowTop + rowH));
    }
    painter.setPen(textColor);
}
