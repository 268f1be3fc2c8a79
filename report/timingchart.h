// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QList>
#include <QRectF>
#include <QWidget>

class QFontMetrics;
class QPainter;

// The meeting at a glance: one bar per speech on one time axis, ending at its elapsed time, in
// front of the window from its first to its last lamp and the grace on either side.
class TimingChart : public QWidget
{
    Q_OBJECT

public:
    explicit TimingChart(QWidget *parent = nullptr);

    void setSpeeches(const QList<SpeechRecord> &speeches);
    // The speech whose bar is highlighted, the table's current row; -1 for none.
    void setHighlighted(int index);
    int highlighted() const { return m_highlighted; }

    // Where each part of a speech's row goes.
    struct Row
    {
        QRectF band; // the window with its grace; empty when the speech has none
        QRectF bar;
        QRectF name; // left of the axis
        QRectF end;  // the time and verdict, right of both the bar and the band
    };
    struct Layout
    {
        int axisEndSeconds = 0;
        int stepSeconds = 0;
        double axisLeft = 0; // where 0:00 is
        double axisRight = 0;
        QList<Row> rows;
        // Where a time falls on the axis, clamped to it.
        double at(int seconds) const;
    };
    // Mistaken starts are drawn but never set the axis: their window would dwarf the rest.
    static Layout layout(const QFontMetrics &metrics, const QRect &area,
                         const QList<SpeechRecord> &speeches);

    // The one drawing of the picture, on the screen and on paper: sized by the painter's font,
    // as wide as the area, heightFor() tall from the area's top.
    static void paint(QPainter &painter, const QRect &area, const QList<SpeechRecord> &speeches,
                      int highlighted = -1);
    static int heightFor(const QFontMetrics &metrics, int speechCount);
    // The top of a speech's row, from the picture's top.
    static int rowTop(const QFontMetrics &metrics, int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<SpeechRecord> m_speeches;
    int m_highlighted = -1;
};
