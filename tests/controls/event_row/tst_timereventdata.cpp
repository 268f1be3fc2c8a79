// SPDX-License-Identifier: MIT
#include "components/fonts.h"
#include "components/maskedtimebox.h"
#include "components/propertybag.h"
#include "controls/event_row/timereventdata.h"
#include "tests/support/storedrow.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Yellow(255, 255, 0);

QColor windowBackground()
{
    return QApplication::palette().color(QPalette::Base);
}

QList<QColor> boxColours(const TimerEventDATA &row)
{
    return {row.EventTime(1)->backColor(), row.EventTime(2)->backColor(),
            row.EventTime(3)->backColor()};
}

QList<QColor> allOf(const QColor &colour)
{
    return {colour, colour, colour};
}

QRadioButton *button(const TimerEventDATA &row)
{
    return row.findChild<QRadioButton *>(QStringLiteral("optionEventSelected"));
}

QLineEdit *description(const TimerEventDATA &row)
{
    return row.findChild<QLineEdit *>(QStringLiteral("textEventDescription"));
}

} // namespace

using RowAction = void (TimerEventDATA::*)();
using ThresholdSetter = void (TimerEventDATA::*)(const QString &);
using ThresholdGetter = QString (TimerEventDATA::*)() const;
Q_DECLARE_METATYPE(RowAction)
Q_DECLARE_METATYPE(ThresholdSetter)
Q_DECLARE_METATYPE(ThresholdGetter)

class TestTimerEventData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowLook();
    void thresholdBoxes_data();
    void thresholdBoxes();
    void tabOrderWithinTheRow();
    void selecting_data();
    void selecting();
    void unclicking_data();
    void unclicking();
    void rowsDoNotExcludeEachOther_data();
    void rowsDoNotExcludeEachOther();
    void eventNameIsTheStoredName();
    void thresholdsPassThrough_data();
    void thresholdsPassThrough();
    void storedRowRoundTrips_data();
    void storedRowRoundTrips();
    void nameDefaults_data();
    void nameDefaults();
    void editingSwitchesChangeNothing_data();
    void editingSwitchesChangeNothing();
};

void TestTimerEventData::initTestCase()
{
    // A Base colour of its own, so that a row falling back to plain white is caught.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, QColor(250, 240, 200));
    QApplication::setPalette(palette);
}

void TestTimerEventData::rowLook()
{
    TimerEventDATA row;
    QCOMPARE(row.size(), QSize(627, 25));
    QCOMPARE(row.palette().color(row.backgroundRole()), QColor(128, 128, 255));
    QVERIFY(row.autoFillBackground());
    QLineEdit *text = description(row);
    QVERIFY(text && button(row));
    QCOMPARE(text->palette().color(text->backgroundRole()), QColor(192, 192, 255));
    QCOMPARE(text->text(), QStringLiteral("--------"));
    QCOMPARE(text->font().families(), Fonts::familiesFor(QStringLiteral("Verdana")));
    QCOMPARE(text->font().pointSizeF(), 14.25);
    // The box reaches below the row: its text, descenders included, must end inside the row.
    row.grab();
    const int textTop = text->y() + text->inputMethodQuery(Qt::ImCursorRectangle).toRect().top();
    const QFontMetrics metrics = text->fontMetrics();
    QVERIFY(textTop >= text->y());
    QCOMPARE_LE(textTop + metrics.ascent() + metrics.descent(), row.height());
    QVERIFY(row.EventName().isEmpty());
    QVERIFY(!row.isSelected());
    QCOMPARE(boxColours(row), allOf(windowBackground()));
}

void TestTimerEventData::thresholdBoxes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("green") << 1 << QRect(385, -1, 80, 27) << "green threshold";
    QTest::newRow("yellow") << 2 << QRect(466, -1, 80, 27) << "yellow threshold";
    QTest::newRow("red") << 3 << QRect(546, -1, 80, 27) << "red threshold";
}

void TestTimerEventData::thresholdBoxes()
{
    QFETCH(int, index);
    QFETCH(QRect, geometry);
    QFETCH(QString, accessibleName);
    TimerEventDATA row;
    MaskedTimeBox *box = row.EventTime(index);
    QCOMPARE(row.findChild<MaskedTimeBox *>(QStringLiteral("EventTime(%1)").arg(index)), box);
    QCOMPARE(box->geometry(), geometry);
    QCOMPARE(box->accessibleName(), accessibleName);
}

void TestTimerEventData::tabOrderWithinTheRow()
{
    TimerEventDATA row;
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    const QList<QWidget *> expected{row.EventTime(2), row.EventTime(3), description(row),
                                    button(row), row.EventTime(1)};
    row.EventTime(1)->setFocus(Qt::TabFocusReason);
    for (QWidget *next : expected) {
        QTest::keyClick(row.focusWidget(), Qt::Key_Tab);
        QCOMPARE(row.focusWidget(), next);
    }
}

void TestTimerEventData::selecting_data()
{
    QTest::addColumn<bool>("alreadySelected");
    QTest::addColumn<bool>("byUser");
    QTest::newRow("user click on an unselected row") << false << true;
    QTest::newRow("user click on the selected row") << true << true;
    QTest::newRow("SelectThisEvent on an unselected row") << false << false;
    QTest::newRow("SelectThisEvent on the selected row") << true << false;
}

void TestTimerEventData::selecting()
{
    QFETCH(bool, alreadySelected);
    QFETCH(bool, byUser);
    // GIVEN a row, selected or not, whose boxes show some other colour
    TimerEventDATA row;
    if (alreadySelected)
        row.SelectThisEvent();
    for (int i = 1; i <= 3; ++i)
        row.EventTime(i)->setBackColor(Qt::cyan);
    QList<QColor> seenByHandler;
    bool selectedInHandler = false;
    connect(&row, &TimerEventDATA::EventWuzClicked, this, [&] {
        seenByHandler = boxColours(row);
        selectedInHandler = row.isSelected();
    });
    QSignalSpy clicked(&row, &TimerEventDATA::EventWuzClicked);

    // WHEN the operator clicks the button or the code selects the row
    if (byUser)
        QTest::mouseClick(button(row), Qt::LeftButton);
    else
        row.SelectThisEvent();

    // THEN the event is raised once, after the boxes turned yellow, and the row stays selected
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(seenByHandler, allOf(Yellow));
    QVERIFY(selectedInHandler);
    QVERIFY(row.isSelected());
    QCOMPARE(boxColours(row), allOf(Yellow));
}

void TestTimerEventData::unclicking_data()
{
    QTest::addColumn<bool>("selected");
    QTest::newRow("selected row") << true;
    QTest::newRow("unselected row") << false;
}

void TestTimerEventData::unclicking()
{
    QFETCH(bool, selected);
    // GIVEN a row, selected or not, whose boxes show some other colour
    TimerEventDATA row;
    if (selected)
        row.SelectThisEvent();
    for (int i = 1; i <= 3; ++i)
        row.EventTime(i)->setBackColor(Qt::cyan);
    QSignalSpy clicked(&row, &TimerEventDATA::EventWuzClicked);

    // WHEN it is told to let go of its selection
    row.UnclickYourEvent();

    // THEN it is cleared and back to the window background, without reporting anything
    QVERIFY(!row.isSelected());
    QCOMPARE(boxColours(row), allOf(windowBackground()));
    QCOMPARE(clicked.count(), 0);
}

void TestTimerEventData::rowsDoNotExcludeEachOther_data()
{
    QTest::addColumn<bool>("byUser");
    QTest::newRow("second row clicked") << true;
    QTest::newRow("second row selected in code") << false;
}

void TestTimerEventData::rowsDoNotExcludeEachOther()
{
    QFETCH(bool, byUser);
    // GIVEN two rows in one parent, the first selected
    QWidget parent;
    auto *first = new TimerEventDATA(&parent);
    auto *second = new TimerEventDATA(&parent);
    first->SelectThisEvent();
    QSignalSpy firstClicked(first, &TimerEventDATA::EventWuzClicked);

    // WHEN the second is selected
    if (byUser)
        QTest::mouseClick(button(*second), Qt::LeftButton);
    else
        second->SelectThisEvent();

    // THEN both stay set and yellow; the first reports nothing
    QVERIFY(second->isSelected());
    QVERIFY(first->isSelected());
    QCOMPARE(boxColours(*first), allOf(Yellow));
    QCOMPARE(firstClicked.count(), 0);
}

void TestTimerEventData::eventNameIsTheStoredName()
{
    // GIVEN a named row
    TimerEventDATA row;
    QSignalSpy changed(&row, &TimerEventDATA::propertyChanged);
    row.setEventName(QStringLiteral("Table Topics  (1 to 2 Minutes)"));
    QCOMPARE(changed, QList<QList<QVariant>>{{QStringLiteral("EventName")}});
    QCOMPARE(description(row)->text(), QStringLiteral("Table Topics  (1 to 2 Minutes)"));
    QCOMPARE(row.accessibleName(), QStringLiteral("Table Topics (1 to 2 Minutes)"));
    QCOMPARE(button(row)->accessibleName(), row.accessibleName());

    // WHEN someone types into its description
    QTest::keyClicks(description(row), QStringLiteral("xyz"));

    // THEN only the shown text changes, not the name it reports or saves
    QVERIFY(description(row)->text().endsWith(QStringLiteral("xyz")));
    QCOMPARE(row.EventName(), QStringLiteral("Table Topics  (1 to 2 Minutes)"));
    PropertyBag bag;
    row.UserControl_WriteProperties(bag);
    QCOMPARE(bag.readProperty(QStringLiteral("EventName"), QString()),
             QVariant(QStringLiteral("Table Topics  (1 to 2 Minutes)")));
}

void TestTimerEventData::thresholdsPassThrough_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<ThresholdSetter>("setter");
    QTest::addColumn<ThresholdGetter>("getter");
    QTest::addColumn<QString>("value");
    QTest::newRow("green") << 1 << &TimerEventDATA::setTimeChangeGreen
                           << &TimerEventDATA::TimeChangeGreen << "04:00";
    QTest::newRow("yellow") << 2 << &TimerEventDATA::setTimeChangeYellow
                            << &TimerEventDATA::TimeChangeYellow << "00:04";
    QTest::newRow("red, beyond the mask")
        << 3 << &TimerEventDATA::setTimeChangeRed << &TimerEventDATA::TimeChangeRed << "100:00";
}

void TestTimerEventData::thresholdsPassThrough()
{
    QFETCH(int, index);
    QFETCH(ThresholdSetter, setter);
    QFETCH(ThresholdGetter, getter);
    QFETCH(QString, value);
    const QString name = QStringLiteral("TimeChange%1").arg(index);
    TimerEventDATA row;
    QSignalSpy changed(&row, &TimerEventDATA::propertyChanged);

    // WHEN the threshold is set
    (row.*setter)(value);
    // THEN its box shows it unchanged and the change is reported under its index
    QCOMPARE(row.EventTime(index)->text(), value);
    QCOMPARE((row.*getter)(), value);
    QCOMPARE(changed, QList<QList<QVariant>>{{name}});

    // WHEN the operator types a digit into that box
    row.EventTime(index)->setText(QString());
    changed.clear();
    QTest::keyClick(row.EventTime(index), '7');
    // THEN the getter reads the typed text and the change is reported again
    QCOMPARE((row.*getter)(), QStringLiteral("7_:__"));
    QCOMPARE(changed, QList<QList<QVariant>>{{name}});
}

void TestTimerEventData::storedRowRoundTrips_data()
{
    QTest::addColumn<int>("number");
    for (int number = 1; number <= 7; ++number)
        QTest::addRow("timerevent%d", number) << number;
}

void TestTimerEventData::storedRowRoundTrips()
{
    QFETCH(int, number);
    const QByteArray stored = storedRow(number);
    QVERIFY(!stored.isEmpty());
    PropertyBag::Error error = PropertyBag::Error::TooShort;
    PropertyBag bag = PropertyBag::fromBytes(stored, &error);
    QCOMPARE(error, PropertyBag::Error::None);
    const QString name = bag.readProperty(QStringLiteral("EventName"), QString()).toString();
    QVERIFY(!name.isEmpty());

    TimerEventDATA row;
    row.UserControl_ReadProperties(bag);
    QCOMPARE(row.EventName(), name);
    QCOMPARE(description(row)->text(), name);
    row.UserControl_WriteProperties(bag);
    QCOMPARE(bag.toBytes(), stored);
}

void TestTimerEventData::nameDefaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("stored");
    QTest::newRow("renamed row replaces the stored name") << "Evaluation" << true;
    QTest::newRow("row named ??? leaves no entry") << "???" << false;
}

void TestTimerEventData::nameDefaults()
{
    QFETCH(QString, name);
    QFETCH(bool, stored);
    // A bag without the entry reads as "???".
    TimerEventDATA row;
    row.UserControl_ReadProperties(PropertyBag());
    QCOMPARE(row.EventName(), QStringLiteral("???"));
    QCOMPARE(description(row)->text(), QStringLiteral("???"));

    PropertyBag bag;
    bag.writeProperty(QStringLiteral("EventName"), QStringLiteral("Old"), QString());
    row.setEventName(name);
    row.UserControl_WriteProperties(bag);
    QCOMPARE(bag.contains(QStringLiteral("EventName")), stored);
    QCOMPARE(bag.readProperty(QStringLiteral("EventName"), QStringLiteral("???")), QVariant(name));
}

void TestTimerEventData::editingSwitchesChangeNothing_data()
{
    QTest::addColumn<QList<RowAction>>("actions");
    QTest::newRow("allowed") << QList<RowAction>{&TimerEventDATA::AllowEditing};
    QTest::newRow("disallowed") << QList<RowAction>{&TimerEventDATA::DisAllowEditing};
    QTest::newRow("allowed, then disallowed")
        << QList<RowAction>{&TimerEventDATA::AllowEditing, &TimerEventDATA::DisAllowEditing};
}

void TestTimerEventData::editingSwitchesChangeNothing()
{
    QFETCH(QList<RowAction>, actions);
    TimerEventDATA row;
    row.setEventName(QStringLiteral("Ice Breaker"));
    row.setTimeChangeGreen(QStringLiteral("04:00"));
    const QImage before = row.grab().toImage();

    for (RowAction action : actions)
        (row.*action)();

    QCOMPARE(row.grab().toImage(), before);
    QTest::keyClick(description(row), 'Z');
    QVERIFY(description(row)->text().contains(u'Z'));
    for (int i = 1; i <= 3; ++i) {
        row.EventTime(i)->setCursorPosition(0);
        QTest::keyClick(row.EventTime(i), '9');
        QCOMPARE(row.EventTime(i)->text().front(), u'9');
    }
}

QTEST_MAIN(TestTimerEventData)
#include "tst_timereventdata.moc"
