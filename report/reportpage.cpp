// SPDX-License-Identifier: MIT
#include "report/reportpage.h"

#include "report/speechlabels.h"
#include "report/timingchart.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <array>

namespace {

constexpr double BodyPoints = 9;
constexpr double HeadingPoints = 14;

using Cells = std::array<QString, SpeechLabels::ColumnCount>;

int columnGap(const QFontMetrics &m)
{
    return m.averageCharWidth() * 2;
}

// Each column as wide as its widest text; the names give way when the page is too narrow, and
// take the room left over when it is wider.
std::array<int, SpeechLabels::ColumnCount> columnWidths(const QFontMetrics &bold,
                                                        const QFontMetrics &m, int pageWidth,
                                                        const Cells &headings,
                                                        const QList<Cells> &rows)
{
    const int pad = columnGap(m);
    std::array<int, SpeechLabels::ColumnCount> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = bold.horizontalAdvance(headings[c]) + 1;
        for (const Cells &row : rows)
            widths[c] = std::max(widths[c], m.horizontalAdvance(row[c]) + 1);
        widths[c] += pad;
    }
    constexpr std::array<std::size_t, 2> Names{SpeechLabels::Speaker, SpeechLabels::Category};
    int total = 0;
    for (const int w : widths)
        total += w;
    const int names = widths[Names[0]] + widths[Names[1]];
    const int fixed = total - names;
    const int room = std::max(pad * 8, pageWidth - fixed);
    for (const std::size_t c : Names)
        widths[c] = names > 0 ? int(qint64(widths[c]) * room / names) : room / 2;
    return widths;
}

void drawRow(QPainter &painter, int y, int height,
             const std::array<int, SpeechLabels::ColumnCount> &widths, const Cells &texts,
             const QColor &verdictColor)
{
    const QFontMetrics m = painter.fontMetrics();
    const QColor textColor = painter.pen().color();
    int x = 0;
    for (std::size_t c = 0; c < texts.size(); ++c) {
        const QRect cell(x, y, widths[c] - columnGap(m), height);
        if (c == SpeechLabels::VerdictColumn)
            painter.setPen(verdictColor);
        // Only the names can be too long; the other columns are as wide as their texts.
        const bool name = c == SpeechLabels::Speaker || c == SpeechLabels::Category;
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                         name ? m.elidedText(texts[c], Qt::ElideRight, cell.width()) : texts[c]);
        x += widths[c];
    }
    painter.setPen(textColor);
}

} // namespace

void ReportPage::render(QPagedPaintDevice &device, const QString &heading,
                        const QList<SpeechRecord> &speeches)
{
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    QFont font = QGuiApplication::font();
    // No ligatures: text copied from the page, or read by a program, has its plain letters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(HeadingPoints);
    font.setBold(true);
    painter.setFont(font);
    const QRect area(0, 0, device.width(), device.height());
    int y = 0;
    // Makes room for the given height, on a new page if this one is full.
    const auto need = [&](int height) {
        if (y > 0 && y + height > area.height()) {
            device.newPage();
            y = 0;
        }
    };

    const int headingH = painter.fontMetrics().height() * 2;
    painter.drawText(QRect(area.left(), 0, area.width(), headingH), Qt::AlignLeft | Qt::AlignTop,
                     heading);
    y += headingH;

    font.setPointSizeF(BodyPoints);
    font.setBold(false);
    painter.setFont(font);
    const QFontMetrics m = painter.fontMetrics();

    // The picture, in as many parts as pages it needs.
    const int oneRow = TimingChart::heightFor(m, 2) - TimingChart::heightFor(m, 1);
    const int chrome = TimingChart::heightFor(m, 1) - oneRow;
    qsizetype from = 0;
    bool continued = false;
    do {
        // A picture split in parts goes on at the top of the next page.
        if (continued)
            need(area.height());
        const qsizetype left = speeches.size() - from;
        qsizetype fits = (area.height() - y - chrome) / oneRow;
        // A picture starts where at least a few of its bars fit.
        if (fits < std::min<qsizetype>(3, left)) {
            need(area.height());
            fits = (area.height() - chrome) / oneRow;
        }
        fits = std::max<qsizetype>(1, fits);
        qsizetype count = std::min(left, fits);
        // Never a few bars alone on the next page: then the two parts share them.
        if (count < left && left - count < fits / 4)
            count = (left + 1) / 2;
        continued = count < left;
        const QList<SpeechRecord> part = speeches.mid(from, count);
        const int h = TimingChart::heightFor(m, int(part.size()));
        TimingChart::paint(painter, QRect(area.left(), y, area.width(), h), part);
        y += h + m.height();
        from += count;
    } while (from < speeches.size());

    // The table, its heading again on each page.
    const int rowH = m.height() * 3 / 2;
    Cells headings;
    for (int c = 0; c < SpeechLabels::ColumnCount; ++c)
        headings[std::size_t(c)] = SpeechLabels::heading(c);
    QList<Cells> rows;
    for (const SpeechRecord &s : speeches) {
        Cells cells;
        for (int c = 0; c < SpeechLabels::ColumnCount; ++c)
            cells[std::size_t(c)] = SpeechLabels::cell(s, c);
        rows << cells;
    }
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetrics boldMetrics = painter.fontMetrics();
    painter.setFont(font);
    const auto widths = columnWidths(boldMetrics, m, area.width(), headings, rows);
    const auto drawHeadings = [&] {
        painter.setFont(bold);
        drawRow(painter, y, rowH, widths, headings, Qt::black);
        painter.setFont(font);
        painter.drawLine(area.left(), y + rowH, area.right(), y + rowH);
        y += rowH;
    };
    need(rowH * 2);
    drawHeadings();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int before = y;
        need(rowH);
        if (y < before)
            drawHeadings();
        drawRow(painter, y, rowH, widths, rows.at(i), SpeechLabels::verdictColor(speeches.at(i)));
        y += rowH;
    }
}
