// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QList>
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

    // The one drawing of the picture, on the screen and on paper: sized by the painter's font,
    // as wide as the area, heightFor() tall from the area's top.
    static void paint(QPainter &painter, const QRect &area, const QList<SpeechRecord> &speeches);
    static int heightFor(const QFontMetrics &metrics, int speechCount);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<SpeechRecord> m_speeches;
};
