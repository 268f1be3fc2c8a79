// SPDX-License-Identifier: MIT
#include "components/colorword.h"
#include "components/fonts.h"
#include "components/framedpanel.h"
#include "components/storedlayout.h"
#include "components/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>

// Stored layouts and what they lean on: twips, colour words and the framed panel.
class TestStoredLayout : public QObject
{
    Q_OBJECT

private slots:
    void twipsToPixels_data();
    void twipsToPixels();
    void colourWords_data();
    void colourWords();
    void layoutPlacesStacksAndOrdersControls();
    void unknownNamesAreReported();
    void brokenLayoutIsReportedNotApplied_data();
    void brokenLayoutIsReportedNotApplied();
    void hidingAPanelHidesItsChildren();
    void missingFamiliesAreLeftOut_data();
    void missingFamiliesAreLeftOut();

private:
    static QString writeLayout(QTemporaryFile &file, const QByteArray &json)
    {
        file.open();
        file.write(json);
        file.close();
        return file.fileName();
    }
};

void TestStoredLayout::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("whole pixels") << 9900 << 660;
    QTest::newRow("rounds down below half") << 4340 << 289;
    QTest::newRow("rounds up from half") << 1600 << 107;
    QTest::newRow("negative offset") << -10 << -1;
    QTest::newRow("zero") << 0 << 0;
}

void TestStoredLayout::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

void TestStoredLayout::colourWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QColor>("colour");
    const QPalette palette = QApplication::palette();
    QTest::newRow("red is the low byte") << "0x000000FF" << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << "0x00FF8080" << QColor(128, 128, 255);
    QTest::newRow("panel face") << "0x00F0F0F0" << QColor(240, 240, 240);
    QTest::newRow("system window background") << "0x80000005" << palette.color(QPalette::Base);
    QTest::newRow("system window text") << "0x80000008" << palette.color(QPalette::Text);
    QTest::newRow("system button text") << "0x80000012" << palette.color(QPalette::ButtonText);
    QTest::newRow("unknown system colour") << "0x800000FE" << palette.color(QPalette::Window);
}

void TestStoredLayout::colourWords()
{
    QFETCH(QString, word);
    QFETCH(QColor, colour);
    bool ok = false;
    const quint32 parsed = ColorWord::parse(word, &ok);
    QVERIFY(ok);
    QCOMPARE(ColorWord::toColor(parsed, QApplication::palette()), colour);
}

void TestStoredLayout::layoutPlacesStacksAndOrdersControls()
{
    QTemporaryFile file;
    const QString path = writeLayout(file, R"({
        "caption": "Test", "clientWidth": 1500, "clientHeight": 750,
        "controls": [
            {"name": "front", "left": 150, "top": 150, "width": 300, "height": 300,
             "tabIndex": 2, "text": "&Front", "visible": true},
            {"name": "back", "left": 0, "top": 0, "width": 1500, "height": 750, "tabIndex": 1,
             "backColor": "0x0000FF00", "visible": false},
            {"name": "edit", "left": 600, "top": 0, "width": 300, "height": 300, "tabIndex": 0,
             "font": {"family": "Verdana", "size": 14.25, "weight": 700}}
        ]})");
    QWidget root;
    auto *front = new QPushButton(&root);
    front->setObjectName("front");
    auto *edit = new QLineEdit(&root); // tab index 0 on a control made in the middle
    edit->setObjectName("edit");
    auto *back = new QPushButton(&root);
    back->setObjectName("back");
    const StoredLayout layout = StoredLayout::load(path);
    QVERIFY2(layout.isValid(), qPrintable(layout.errorString()));
    QCOMPARE(layout.caption(), QStringLiteral("Test"));
    QCOMPARE(layout.clientSize(), QSize(100, 50));
    QVERIFY(layout.applyTo(&root).isEmpty());
    QCOMPARE(front->geometry(), QRect(10, 10, 20, 20));
    QCOMPARE(front->text(), QStringLiteral("&Front"));
    QVERIFY(back->isHidden());
    QCOMPARE(back->palette().color(back->backgroundRole()), QColor(0, 255, 0));
    QCOMPARE(edit->font().weight(), QFont::Bold);
    QCOMPARE(edit->font().families().constLast(), QStringLiteral("DejaVu Sans"));
    // Listed front to back: the first entry ends up on top of the stack.
    const QObjectList stack = root.children();
    QVERIFY(stack.indexOf(front) > stack.indexOf(back));
    QVERIFY(stack.indexOf(back) > stack.indexOf(edit));
    // The window's first stop is tab index 0; Tab runs on in order and round again.
    QWidgetList stops;
    for (QWidget *w = root.nextInFocusChain(); stops.size() < 4; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            stops << w;
    }
    QCOMPARE(stops, (QWidgetList{edit, back, front, edit}));
}

void TestStoredLayout::unknownNamesAreReported()
{
    QTemporaryFile file;
    const QString path = writeLayout(
        file, R"({"controls": [{"name": "there"}, {"name": "missing", "children": []}]})");
    QWidget root;
    auto *there = new QWidget(&root);
    there->setObjectName("there");
    QCOMPARE(StoredLayout::load(path).applyTo(&root), QStringList{"missing"});
}

void TestStoredLayout::brokenLayoutIsReportedNotApplied_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not json") << QByteArray("{\"controls\": [");
    QTest::newRow("not an object") << QByteArray("[1, 2]");
    QTest::newRow("empty file") << QByteArray();
}

void TestStoredLayout::brokenLayoutIsReportedNotApplied()
{
    QFETCH(QByteArray, json);
    QTemporaryFile file;
    const StoredLayout layout = StoredLayout::load(writeLayout(file, json));
    QVERIFY(!layout.isValid());
    QVERIFY(!layout.errorString().isEmpty());
    QWidget root;
    QVERIFY(layout.applyTo(&root).isEmpty());
    QVERIFY(!StoredLayout::load(QStringLiteral(":/no/such/layout.json")).isValid());
}

void TestStoredLayout::hidingAPanelHidesItsChildren()
{
    QWidget window;
    auto *panel = new FramedPanel(&window);
    auto *child = new QLineEdit(panel);
    panel->setCaption(QStringLiteral("Time &Elapsed"));
    QCOMPARE(panel->accessibleName(), QStringLiteral("Time Elapsed"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(child->isVisible());
    panel->setVisible(false);
    QVERIFY(!child->isVisible());
    panel->setVisible(true);
    QVERIFY(child->isVisible());
}

void TestStoredLayout::missingFamiliesAreLeftOut_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("families");
    QTest::newRow("installed: first")
        << "Liberation Sans" << QStringList{"Liberation Sans", "DejaVu Sans"};
    QTest::newRow("missing: the stand-in alone") << "No Such Family" << QStringList{"DejaVu Sans"};
}

void TestStoredLayout::missingFamiliesAreLeftOut()
{
    QFETCH(QString, family);
    QFETCH(QStringList, families);
    QCOMPARE(Fonts::familiesFor(family), families);
}

QTEST_MAIN(TestStoredLayout)
#include "tst_storedlayout.moc"
