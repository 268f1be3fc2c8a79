// SPDX-License-Identifier: MIT
#pragma once

#include "components/storedlayout.h"

#include <QMap>
#include <QWidget>

class FramedPanel;
class QLabel;
class ShapeCircle;

// The signal light: green, yellow and red lamps on a dark panel. Its colour code, its
// leave-old-colours option and its lamps are shared by every light in the process.
class HorizontalTimer : public QWidget
{
    Q_OBJECT

public:
    static constexpr qint32 Dark = 0;
    static constexpr qint32 Green = 10;
    static constexpr qint32 Yellow = 20;
    static constexpr qint32 Red = 30;

    explicit HorizontalTimer(QWidget *parent = nullptr);

    qint32 ChangeYourColorTO() const;
    void setChangeYourColorTO(qint32 newTimerColor);
    void CycleTimerColor();
    bool LeaveOldColorsOn() const;
    void setLeaveOldColorsOn(bool newTruth);
    void ResetYourColors();

    // The lamp that shows the given colour code (10, 20 or 30), or null.
    ShapeCircle *shapeTimerCircle(int index) const;

    QSize sizeHint() const override;
    // Lamps, panel and picture at scale times their designed size; the host sizes the light.
    void setScale(double scale);

private:
    void ShowTimerColor();
    void showPanelPicture(double scale);
    void light(int index);
    void darken(int index);
    void showLamps();
    void describe();

    FramedPanel *SSPanel1 = nullptr;
    QLabel *pictureTimerPanel = nullptr;
    QMap<int, ShapeCircle *> m_circles;
    StoredLayout m_layout;
};
