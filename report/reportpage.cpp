// SPDX-License-Identifier: MIT
#include "report/reportpage.h"

#include "report/reporttext.h"
#include "report/speechlabels.h"
#include "report/timingchart.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <numeric>
#include <optional>

namespace {

constexpr double BodyPoints = 9;
constexpr double HeadingPoints = 14;
// Below this many average characters each, the names would wrap into many lines: the page
// turns to landscape.
constexpr int LeastNameChars = 18;

using Cells = QList<QString>;

bool isName(int column)
{
    return column == SpeechLabels::Speaker || column == SpeechLabels::Category;
}

// The page's font: no ligatures, so text copied from the page, or read by a program, has its
// plain letters.
QFont pageFont(double points, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QTextOption wrapping()
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// How tall a text is, wrapped at words (or anywhere in a word longer than the width).
int wrappedHeight(const QFont &font, QPaintDevice *device, int width, const QString &text)
{
    QTextLayout layout(text, font, device);
    layout.setTextOption(wrapping());
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return qCeil(std::max(height, qreal(QFontMetrics(font, device).height())));
}

struct Table
{
    QList<int> columns; // the columns printed, Grace only when the speeches differ in it
    Cells headings;
    QList<Cells> rows;
    QList<int> widths;
    int gap = 0;

    Table(const QList<SpeechRecord> &speeches)
    {
        const bool graceEach = !ReportText::commonGrace(speeches) && !speeches.isEmpty();
        for (int c = 0; c < SpeechLabels::ColumnCount; ++c) {
            if (c != SpeechLabels::Grace || graceEach) {
                columns << c;
                headings << SpeechLabels::heading(c);
            }
        }
        for (const SpeechRecord &s : speeches) {
            Cells cells;
            for (const int c : std::as_const(columns))
                cells << (c == SpeechLabels::VerdictColumn ? ReportText::markedVerdict(s)
                                                           : SpeechLabels::cell(s, c));
            rows << cells;
        }
    }

    // Each column as wide as its widest text; the names share what is left of the page, in
    // proportion to their own widths, wrapping when that is less.
    // False when the names would get fewer than LeastNameChars each.
    bool fit(const QFontMetrics &bold, const QFontMetrics &m, int pageWidth)
    {
        gap = m.averageCharWidth() * 2;
        widths.clear();
        for (qsizetype i = 0; i < columns.size(); ++i) {
            int w = bold.horizontalAdvance(headings.at(i)) + 1;
            for (const Cells &row : std::as_const(rows))
                w = std::max(w, m.horizontalAdvance(row.at(i)) + 1);
            widths << w + gap;
        }
        int fixed = 0, names = 0;
        for (qsizetype i = 0; i < columns.size(); ++i)
            (isName(columns.at(i)) ? names : fixed) += widths.at(i);
        const int room = pageWidth - fixed;
        const int least = 2 * (LeastNameChars * m.averageCharWidth() + gap);
        const int given = std::max(room, least);
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (isName(columns.at(i)))
                widths[i] = int(qint64(widths.at(i)) * given / std::max(1, names));
        }
        return room >= std::min(least, names);
    }
};

// Draws from the top of each page down, turning the page when the next part does not fit.
// With no painter it only counts the pages.
class Pages
{
public:
    Pages(QPagedPaintDevice &device, QPainter *painter, const QString &footer, int pageCount)
        : m_device(device), m_painter(painter), m_footer(footer), m_pageCount(pageCount)
    {
        const QFontMetrics small(pageFont(BodyPoints, false), &device);
        m_footerHeight = small.height() * 2;
        m_area = QRect(0, 0, device.width(), device.height() - m_footerHeight);
    }

    QPainter *painter() const { return m_painter; }
    const QRect &area() const { return m_area; }
    int y = 0;
    int page() const { return m_page; }

    // Makes room for the given height, on a new page if this one is full; true on a new page.
    bool need(int height)
    {
        if (y == 0 || y + height <= m_area.height())
            return false;
        newPage();
        return true;
    }
    void newPage()
    {
        drawFooter();
        if (m_painter)
            m_device.newPage();
        ++m_page;
        y = 0;
    }
    void finish() { drawFooter(); }

private:
    void drawFooter()
    {
        if (!m_painter)
            return;
        const QFont before = m_painter->font();
        m_painter->setFont(pageFont(BodyPoints, false));
        const QRect line(0, m_device.height() - m_footerHeight / 2, m_device.width(),
                         m_footerHeight / 2);
        m_painter->drawText(line, Qt::AlignLeft | Qt::AlignBottom, m_footer);
        m_painter->drawText(line, Qt::AlignRight | Qt::AlignBottom,
                            QCoreApplication::translate("ReportPage", "Page %1 of %2")
                                .arg(m_page)
                                .arg(m_pageCount));
        m_painter->setFont(before);
    }

    QPagedPaintDevice &m_device;
    QPainter *m_painter = nullptr;
    QString m_footer;
    int m_pageCount = 0;
    int m_footerHeight = 0;
    QRect m_area;
    int m_page = 1;
};

void drawRow(Pages &pages, int height, const Table &table, const Cells &texts, const QFont &font,
             const QColor &verdictColor)
{
    QPainter *painter = pages.painter();
    if (!painter)
        return;
    painter->setFont(font);
    const QColor textColor = painter->pen().color();
    int x = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QRectF cell(x, pages.y, table.widths.at(i) - table.gap, height);
        if (table.columns.at(i) == SpeechLabels::VerdictColumn)
            painter->setPen(verdictColor);
        painter->drawText(cell, texts.at(i), wrapping());
        painter->setPen(textColor);
        x += table.widths.at(i);
    }
}

int rowHeight(const Table &table, const Cells &texts, const QFont &font, QPaintDevice *device)
{
    int height = 0;
    for (qsizetype i = 0; i < texts.size(); ++i)
        height = std::max(height,
                          wrappedHeight(font, device, table.widths.at(i) - table.gap, texts.at(i)));
    return height + QFontMetrics(font, device).height() / 2;
}

// One pass over the pages; returns how many it took.
int lay(Pages &pages, QPagedPaintDevice &device, const Meeting &meeting,
        const QList<SpeechRecord> &speeches, Table &table)
{
    QPainter *painter = pages.painter();
    const QRect &area = pages.area();
    const QFont headingFont = pageFont(HeadingPoints, true);
    const QFont font = pageFont(BodyPoints, false);
    const QFont bold = pageFont(BodyPoints, true);
    const QFontMetrics m(font, &device);

    // The title, then the meeting's time and timer and the summary.
    const QStringList heading = ReportText::heading(meeting, speeches);
    for (qsizetype i = 0; i < heading.size(); ++i) {
        const QFont &f = i == 0 ? headingFont : font;
        const int h = wrappedHeight(f, &device, area.width(), heading.at(i));
        if (painter) {
            painter->setFont(f);
            painter->drawText(QRectF(0, pages.y, area.width(), h), heading.at(i), wrapping());
        }
        pages.y += h + (i == 0 ? m.height() / 2 : 0);
    }
    pages.y += m.height();

    // The picture, in as many parts as pages it needs.
    if (painter)
        painter->setFont(font);
    const int oneRow = TimingChart::heightFor(m, 2) - TimingChart::heightFor(m, 1);
    const int chrome = TimingChart::heightFor(m, 1) - oneRow;
    qsizetype from = 0;
    bool continued = false;
    do {
        // A picture split in parts goes on at the top of the next page.
        if (continued)
            pages.newPage();
        const qsizetype left = speeches.size() - from;
        qsizetype fits = (area.height() - pages.y - chrome) / oneRow;
        // A picture starts where at least a few of its bars fit.
        if (fits < std::min<qsizetype>(3, left) && pages.y > 0) {
            pages.newPage();
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
        if (painter)
            TimingChart::paint(*painter, QRect(area.left(), pages.y, area.width(), h), part);
        pages.y += h + m.height();
        from += count;
    } while (from < speeches.size());

    // The table, its heading again on each page.
    const int headingH = rowHeight(table, table.headings, bold, &device);
    const auto drawHeadings = [&] {
        drawRow(pages, headingH, table, table.headings, bold, Qt::black);
        if (painter) {
            painter->setFont(font);
            painter->drawLine(area.left(), pages.y + headingH, area.right(), pages.y + headingH);
        }
        pages.y += headingH + m.height() / 4;
    };
    const int firstH =
        table.rows.isEmpty() ? 0 : rowHeight(table, table.rows.first(), font, &device);
    pages.need(headingH + firstH);
    drawHeadings();
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const int h = rowHeight(table, table.rows.at(i), font, &device);
        if (pages.need(h))
            drawHeadings();
        drawRow(pages, h, table, table.rows.at(i), font,
                SpeechLabels::verdictColor(speeches.at(i)));
        pages.y += h;
    }
    pages.finish();
    return pages.page();
}

} // namespace

void ReportPage::render(QPagedPaintDevice &device, const Meeting &meeting,
                        const QList<SpeechRecord> &speeches)
{
    Table table(speeches);
    const auto fits = [&] {
        return table.fit(QFontMetrics(pageFont(BodyPoints, true), &device),
                         QFontMetrics(pageFont(BodyPoints, false), &device), device.width());
    };
    if (!fits() && device.pageLayout().orientation() == QPageLayout::Portrait) {
        device.setPageOrientation(QPageLayout::Landscape);
        fits();
    }
    QStringList footer = ReportText::heading(meeting, speeches);
    footer.removeLast();
    const QString footerText = footer.join(QStringLiteral(" · "));
    Pages counting(device, nullptr, footerText, 0);
    const int pageCount = lay(counting, device, meeting, speeches, table);

    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    Pages pages(device, &painter, footerText, pageCount);
    lay(pages, device, meeting, speeches, table);
}
