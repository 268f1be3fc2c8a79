// SPDX-License-Identifier: MIT
#include "report/timingchart.h"

#include "report/speechlabels.h"
#include "timing/clocktext.h"
#include "timing/lampwindow.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPaintEvent>
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
// Light tints behind the bars; no words are written over them.
const QColor GraceColor(0xea, 0xea, 0xea);
const QColor BarColor(0x37, 0x47, 0x4f);
const QColor RehearsalBarColor(0xa0, 0xa8, 0xad);
// The table's current row, light enough for the bands and words on it.
const QColor HighlightColor(0xe3, 0xec, 0xf7);
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
    // A planned speech not spoken yet has no end.
    if (!s.startedAt.isValid())
        return QString();
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
    if (m_highlighted >= m_speeches.size())
        m_highlighted = -1;
    updateGeometry();
    update();
}

void TimingChart::setHighlighted(int index)
{
    m_highlighted = index;
    update();
}

int TimingChart::heightFor(const QFontMetrics &metrics, int speechCount)
{
    return axisHeight(metrics) + std::max(1, speechCount) * rowHeight(metrics) +
           metrics.height() / 2;
}

int TimingChart::rowTop(const QFontMetrics &metrics, int index)
{
    return axisHeight(metrics) + index * rowHeight(metrics);
}

QSize TimingChart::sizeHint() const
{
    return {MinimumWidth * 2, heightFor(fontMetrics(), int(m_speeches.size()))};
}

QSize TimingChart::minimumSizeHint() const
{
    return {MinimumWidth, heightFor(fontMetrics(), int(m_speeches.size()))};
}

void TimingChart::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Only the rows in view are drawn: a plan of hundreds scrolls.
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Text));
    paint(painter, rect(), m_speeches, m_highlighted);
}

double TimingChart::Layout::at(int seconds) const
{
    return axisLeft +
           (axisRight - axisLeft) * std::clamp(seconds, 0, axisEndSeconds) / axisEndSeconds;
}

TimingChart::Layout TimingChart::layout(const QFontMetrics &m, const QRect &area,
                                        const QList<SpeechRecord> &speeches)
{
    Layout out;
    const int line = m.height();
    const int pad = line / 2;
    const int rowH = rowHeight(m);

    // The axis runs to the latest of every speech's end and its window with grace, a whole step.
    int longest = 1;
    int labelWidth = 0;
    int endWidth = 0;
    for (const SpeechRecord &s : speeches) {
        longest = std::max(longest, s.elapsedSeconds);
        if (!s.mistakenStart)
            longest = std::max(longest, lampWindow(s.thresholdSeconds).last + s.graceSeconds);
        // One more than the rounded width: the eliding measures exactly.
        labelWidth = std::max(labelWidth, m.horizontalAdvance(SpeechLabels::who(s)) + 1);
        endWidth = std::max(endWidth, m.horizontalAdvance(endText(s)) + 1);
    }
    labelWidth = std::min(labelWidth, int(area.width() * MaxLabelShare));
    const int left = area.left() + pad + labelWidth + pad;
    const int right = std::max(left + line, area.right() - pad - endWidth - pad);
    const int tickRoom = m.horizontalAdvance(QStringLiteral("000:00")) * 2;
    out.stepSeconds = AxisSteps.back();
    for (const int candidate : AxisSteps) {
        if (longest / candidate * tickRoom <= right - left) {
            out.stepSeconds = candidate;
            break;
        }
    }
    out.axisEndSeconds = (longest + out.stepSeconds - 1) / out.stepSeconds * out.stepSeconds;
    out.axisLeft = left;
    out.axisRight = right;
    const auto x = [&out](int seconds) { return out.at(seconds); };

    const int barH = std::max(2, qRound(line * BarLines));
    for (int i = 0; i < speeches.size(); ++i) {
        const SpeechRecord &s = speeches.at(i);
        const int top = rowTop(m, i) + area.top();
        Row row;
        const LampWindow lamps = lampWindow(s.thresholdSeconds);
        if (!lamps.empty() && !s.mistakenStart) {
            const int grace = std::max(0, s.graceSeconds);
            row.band =
                QRectF(QPointF(x(lamps.first - grace), top + (rowH - barH) / 2.0 - barH / 2.0),
                       QPointF(x(lamps.last + grace), top + (rowH + barH) / 2.0 + barH / 2.0));
        }
        row.bar = QRectF(QPointF(x(0), top + (rowH - barH) / 2.0),
                         QPointF(x(s.elapsedSeconds), top + (rowH + barH) / 2.0));
        const double textTop = top + (rowH - line) / 2.0;
        row.name = QRectF(area.left() + pad, textTop, labelWidth, line);
        const double endLeft = std::max(row.bar.right(), row.band.isNull() ? 0 : row.band.right());
        row.end = QRectF(endLeft + pad, textTop, m.horizontalAdvance(endText(s)) + 1, line);
        out.rows << row;
    }
    return out;
}

void TimingChart::paint(QPainter &painter, const QRect &area, const QList<SpeechRecord> &speeches,
                        int highlighted)
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

    const Layout shape = layout(m, area, speeches);
    const int top = area.top() + axisH;
    const int bottom = top + int(speeches.size()) * rowH;
    if (highlighted >= 0 && highlighted < speeches.size())
        painter.fillRect(QRectF(area.left(), top + highlighted * rowH, area.width(), rowH),
                         HighlightColor);

    // The time axis along the top, its grid through every row.
    for (int t = 0; t <= shape.axisEndSeconds; t += shape.stepSeconds) {
        const double tx = shape.at(t);
        painter.setPen(GridColor);
        painter.drawLine(QPointF(tx, top - pad / 2), QPointF(tx, bottom));
        painter.setPen(textColor);
        const QString label = clockText(t);
        const int w = m.horizontalAdvance(label);
        painter.drawText(QPointF(tx - w / 2.0, top - pad / 2 - m.descent()), label);
    }

    const QRectF clip = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
    for (int i = 0; i < speeches.size(); ++i) {
        const SpeechRecord &s = speeches.at(i);
        const Row &row = shape.rows.at(i);
        const int rowTop = top + i * rowH;
        if (!clip.isNull() && (rowTop + rowH < clip.top() || rowTop > clip.bottom()))
            continue;

        // Behind the bar: the grace either side, then green to red between the first and last
        // lamps.
        if (!row.band.isNull()) {
            const LampWindow lamps = lampWindow(s.thresholdSeconds);
            painter.fillRect(row.band, GraceColor);
            const QRectF window(QPointF(shape.at(lamps.first), row.band.top()),
                                QPointF(shape.at(lamps.last), row.band.bottom()));
            QLinearGradient shade(window.topLeft(), window.topRight());
            shade.setColorAt(0, LampColors[0]);
            shade.setColorAt(0.5, LampColors[1]);
            shade.setColorAt(1, LampColors[2]);
            painter.fillRect(window.adjusted(0, 0, lamps.first == lamps.last ? 1 : 0, 0), shade);
        }

        painter.fillRect(row.bar.adjusted(0, 0, s.elapsedSeconds > 0 ? 0 : 1, 0),
                         s.rehearsal || s.mistakenStart ? RehearsalBarColor : BarColor);

        painter.setPen(textColor);
        const QString who =
            m.elidedText(SpeechLabels::who(s), Qt::ElideRight, int(row.name.width()));
        const double baseline = rowTop + (rowH + m.ascent() - m.descent()) / 2.0;
        painter.drawText(QPointF(row.name.left(), baseline), who);
        painter.setPen(SpeechLabels::verdictColor(s));
        painter.drawText(QPointF(row.end.left(), baseline), endText(s));

        painter.setPen(GridColor);
        painter.drawLine(QPointF(area.left(), rowTop + rowH), QPointF(area.right(), rowTop + rowH));
    }
    painter.setPen(textColor);
}
