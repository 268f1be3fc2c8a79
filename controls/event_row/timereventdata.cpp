// SPDX-License-Identifier: MIT
#include "controls/event_row/timereventdata.h"

#include "components/colorword.h"
#include "components/maskedtimebox.h"
#include "components/propertybag.h"
#include "components/storedbool.h"
#include "components/storedlayout.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QString LayoutPath = QStringLiteral(":/layouts/timereventdata.json");
const QString EventNameKey = QStringLiteral("EventName");
const QString UnknownEventName = QStringLiteral("???");
const QString TimeChangeKey = QStringLiteral("TimeChange%1");
constexpr quint32 SelectedColour = 0x0000FFFF;
constexpr quint32 UnselectedColour = ColorWord::WindowBackground;
} // namespace

TimerEventDATA::TimerEventDATA(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TimerEventDATA"));
    optionEventSelected = new QRadioButton(this);
    optionEventSelected->setObjectName(QStringLiteral("optionEventSelected"));
    optionEventSelected->setAccessibleDescription(
        tr("Chooses this speech category: the next speech is timed by its thresholds"));
    // Alone in its group, the button stays set when clicked again and reports each click.
    m_selectionGroup = new QButtonGroup(this);
    m_selectionGroup->setExclusive(true);
    m_selectionGroup->addButton(optionEventSelected);
    connect(optionEventSelected, &QRadioButton::clicked, this,
            &TimerEventDATA::optionEventSelected_Click);

    textEventDescription = new QLineEdit(this);
    textEventDescription->setObjectName(QStringLiteral("textEventDescription"));
    // The box reaches below the row's bottom edge; centred text would lose its descenders there,
    // so the text sits at the top, as a single-line text box draws it.
    textEventDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QStringList thresholds{tr("green threshold"), tr("yellow threshold"),
                                 tr("red threshold")};
    const QStringList meanings{tr("Minutes and seconds at which the green lamp lights"),
                               tr("Minutes and seconds at which the yellow lamp lights"),
                               tr("Minutes and seconds at which the red lamp lights")};
    for (qint16 index = GreenBox; index <= RedBox; ++index) {
        auto *box = new MaskedTimeBox(this);
        box->setObjectName(QStringLiteral("EventTime(%1)").arg(index));
        box->setAccessibleName(thresholds.at(index - 1));
        box->setAccessibleDescription(meanings.at(index - 1));
        connect(box, &MaskedTimeBox::changed, this, [this, index] { EventTime_Change(index); });
        m_eventTime[index - 1] = box;
    }

    const StoredLayout layout = StoredLayout::loadAndApply(LayoutPath, this);
    resize(layout.clientSize());
}

void TimerEventDATA::AllowEditing()
{
    EditingIsAllowed = StoredBool::True;
}

void TimerEventDATA::DisAllowEditing()
{
    EditingIsAllowed = StoredBool::False;
}

QString TimerEventDATA::EventName() const
{
    return StoredEventName;
}

void TimerEventDATA::setEventName(const QString &newEventName)
{
    StoredEventName = newEventName;
    textEventDescription->setText(newEventName);
    setAccessibleName(newEventName.simplified());
    optionEventSelected->setAccessibleName(newEventName.simplified());
    emit propertyChanged(EventNameKey);
}

void TimerEventDATA::SelectThisEvent()
{
    // Setting the button in code reports a click, just as the operator's click does.
    optionEventSelected->setChecked(true);
    optionEventSelected_Click();
}

QString TimerEventDATA::TimeChangeGreen() const
{
    return EventTime(GreenBox)->text();
}

void TimerEventDATA::setTimeChangeGreen(const QString &newTimeChangeValue)
{
    EventTime(GreenBox)->setText(newTimeChangeValue);
}

QString TimerEventDATA::TimeChangeRed() const
{
    return EventTime(RedBox)->text();
}

void TimerEventDATA::setTimeChangeRed(const QString &newTimeChangeValue)
{
    EventTime(RedBox)->setText(newTimeChangeValue);
}

QString TimerEventDATA::TimeChangeYellow() const
{
    return EventTime(YellowBox)->text();
}

void TimerEventDATA::setTimeChangeYellow(const QString &newTimeChangeValue)
{
    EventTime(YellowBox)->setText(newTimeChangeValue);
}

void TimerEventDATA::UnclickYourEvent()
{
    ColorEventTimes(UnselectedColour);
    // An exclusive group refuses to clear its set button, so step outside it for the moment.
    m_selectionGroup->setExclusive(false);
    optionEventSelected->setChecked(false);
    m_selectionGroup->setExclusive(true);
}

void TimerEventDATA::UserControl_ReadProperties(const PropertyBag &bag)
{
    setEventName(bag.readProperty(EventNameKey, UnknownEventName).toString());
}

void TimerEventDATA::UserControl_WriteProperties(PropertyBag &bag) const
{
    bag.writeProperty(EventNameKey, StoredEventName, UnknownEventName);
}

bool TimerEventDATA::isSelected() const
{
    return optionEventSelected->isChecked();
}

MaskedTimeBox *TimerEventDATA::EventTime(int index) const
{
    Q_ASSERT(index >= GreenBox && index <= RedBox);
    return m_eventTime[qBound(GreenBox, index, RedBox) - 1];
}

void TimerEventDATA::ColorEventTimes(quint32 colour)
{
    for (MaskedTimeBox *box : m_eventTime)
        box->setBackColor(ColorWord::toColor(colour, QApplication::palette(box)));
}

void TimerEventDATA::optionEventSelected_Click()
{
    ColorEventTimes(SelectedColour);
    emit EventWuzClicked();
}

void TimerEventDATA::EventTime_Change(qint16 Index)
{
    emit propertyChanged(TimeChangeKey.arg(Index));
}
