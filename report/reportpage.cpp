// SPDX-License-Identifier: MIT
#include "reportpage.h"

#include "speechlabels.h"
#include "timingchart.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <array>

namespace {

constexpr double BodyPoints = 9;
constexpr double HeadingPoints = 14;

// Each column's share of the page's width.
constexpr std::array<double, SpeechLabels::ColumnCount> ColumnShares{
    0.07, 0.21, 0.21, 0.065, 0.065, 0.065, 0.075, 0.07, 0.12};

using Cells = std::array<QString, SpeechLabels::ColumnCount>;

void drawRow(QPainter &painter, const QRect &area, int y, int height, const Cells &texts,
             const QColor &verdictColor)
{
    const QFontMetrics m = painter.fontMetrics();
    const int pad = m.averageCharWidth() / 2;
    double x = area.left();
    const QColor textColor = painter.pen().color();
    for (std::size_t c = 0; c < texts.size(); ++c) {
        const int w = int(area.width() * ColumnShares[c]);
        const QRect cell(int(x) + pad, y, w - 2 * pad, height);
        if (c == SpeechLabels::VerdictColumn)
            painter.setPen(verdictColor);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                         m.elidedText(texts[c], Qt::ElideRight, cell.width()));
        x += w;
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
    do {
        qsizetype fits = (area.height() - y - chrome) / oneRow;
        // A picture starts where at least a few of its bars fit.
        if (fits < std::min<qsizetype>(3, speeches.size() - from)) {
            need(area.height());
            fits = (area.height() - chrome) / oneRow;
        }
        const QList<SpeechRecord> part = speeches.mid(from, std::max<qsizetype>(1, fits));
        const int h = TimingChart::heightFor(m, int(part.size()));
        TimingChart::paint(painter, QRect(area.left(), y, area.width(), h), part);
        y += h + m.height();
        from += part.size();
    } while (from < speeches.size());

    // The table, its heading again on each page.
    const int rowH = m.height() * 3 / 2;
    Cells headings;
    for (int c = 0; c < SpeechLabels::ColumnCount; ++c)
        headings[std::size_t(c)] = SpeechLabels::heading(c);
    const auto drawHeadings = [&] {
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        drawRow(painter, area, y, rowH, headings, Qt::black);
        painter.setFont(font);
        painter.drawLine(area.left(), y + rowH, area.right(), y + rowH);
        y += rowH;
    };
    need(rowH * 2);
    drawHeadings();
    for (const SpeechRecord &s : speeches) {
        const int before = y;
        need(rowH);
        if (y < before)
            drawHeadings();
        Cells cells;
        for (int c = 0; c < SpeechLabels::ColumnCount; ++c)
            cells[std::size_t(c)] = SpeechLabels::cell(s, c);
        drawRow(painter, area, y, rowH, cells, SpeechLabels::verdictColor(s));
        y += rowH;
    }
}
