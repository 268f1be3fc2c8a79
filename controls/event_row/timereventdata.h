// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class MaskedTimeBox;
class PropertyBag;
class QButtonGroup;
class QLineEdit;
class QRadioButton;

// One speech category: a selection button, the category's description and its green, yellow
// and red thresholds as MM:SS texts. The row neither parses nor checks the thresholds.
class TimerEventDATA : public QWidget
{
    Q_OBJECT

public:
    static constexpr int GreenBox = 1;
    static constexpr int YellowBox = 2;
    static constexpr int RedBox = 3;

    explicit TimerEventDATA(QWidget *parent = nullptr);

    void AllowEditing();
    void DisAllowEditing();
    QString EventName() const;
    void setEventName(const QString &newEventName);
    void SelectThisEvent();
    QString TimeChangeGreen() const;
    void setTimeChangeGreen(const QString &newTimeChangeValue);
    QString TimeChangeRed() const;
    void setTimeChangeRed(const QString &newTimeChangeValue);
    QString TimeChangeYellow() const;
    void setTimeChangeYellow(const QString &newTimeChangeValue);
    void UnclickYourEvent();

    // The container restores and saves the row through these.
    void UserControl_ReadProperties(const PropertyBag &bag);
    void UserControl_WriteProperties(PropertyBag &bag) const;

    bool isSelected() const;
    MaskedTimeBox *EventTime(int index) const;

signals:
    // Raised synchronously: the owner's handler has run when the raise returns.
    void EventWuzClicked();
    // Tells a container that the row's stored data may need saving.
    void propertyChanged(const QString &name);

private:
    void ColorEventTimes(quint32 colour);
    void optionEventSelected_Click();
    void EventTime_Change(qint16 Index);

    QRadioButton *optionEventSelected = nullptr;
    QButtonGroup *m_selectionGroup = nullptr;
    QLineEdit *textEventDescription = nullptr;
    MaskedTimeBox *m_eventTime[3] = {};

    qint16 EditingIsAllowed = 0;
    QString StoredEventName;
};
