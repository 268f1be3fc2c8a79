// SPDX-License-Identifier: MIT
#pragma once

#include "components/storedlayout.h"

#include <QMap>
#include <QWidget>

class FramedPanel;
class QLabel;
class ShapeCircle;

// The signal light: green, yellow and red lamps on a dark panel. Its colour code, its
// leave-old-colours option, its lamps and their marks are shared by every light in the process.
// Its accessible name says which lamps are lit ("Signal light: yellow") and changes once for each
// change of the lamps, never with the tick.
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
    // A letter inside each lit lamp, on every light.
    bool lampsMarked() const;
    void setLampsMarked(bool marked);

    // The lamp that shows the given colour code (10, 20 or 30), or null.
    ShapeCircle *shapeTimerCircle(int index) const;

    QSize sizeHint() const override;
    // The panel as designed, in twips within the light: what the eye takes for the light.
    QRect panelPlacement() const;
    // Lamps, panel and picture at scale times their designed size; the host sizes the light.
    void setScale(double scale);

private:
    void ShowTimerColor();
    void showPanelPicture(double scale);
    void showLamps();
    void describe();

    FramedPanel *SSPanel1 = nullptr;
    QLabel *pictureTimerPanel = nullptr;
    QMap<int, ShapeCircle *> m_circles;
    QString m_shownName; // the accessible name last announced
    StoredLayout m_layout;
};
