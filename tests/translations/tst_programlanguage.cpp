// SPDX-License-Identifier: MIT
#include "app/lecternworkstimer.h"
#include "record/meetingstore.h"
#include "report/agendarejects.h"
#include "report/reportwindow.h"
#include "report/speechform.h"
#include "translations/programlanguage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// The program in the club's language: every text translated, and none left in English.
class TestProgramLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void englishCountsInWords_data();
    void englishCountsInWords();
};

void TestProgramLanguage::everyTextIsTranslated_data()
{
    QTest::addColumn<QStringList>("sameWords"); // the window's texts that are the same there
    const QString title = QStringLiteral("Brindlewick's Lecternworks Timer - Version 1.1");
    QTest::newRow("es_MX") << QStringList{"R"};
    QTest::newRow("de_DE") << QStringList{title, "&START", "R", "Text"};
    QTest::newRow("fr_CA") << QStringList{title, "&Options", "R", "Verdict"};
}

// Every text the timer's window shows, names and descriptions for a screen reader too; not
// screens' names.
static QStringList shownTexts(const LecternWorksTimer &window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget *w : window.findChildren<QWidget *>())
        texts << w->accessibleName() << w->accessibleDescription() << w->toolTip()
              << w->property("text").toString() << w->property("caption").toString();
    for (const QAction *item : window.findChildren<QAction *>())
        texts << (window.menuItems().menuSpeakerScreen->actions().contains(item) ? QString()
                                                                                 : item->text());
    return texts;
}

// What a person can open in the windows: each combo box's items and each table's headings.
static QStringList listTexts()
{
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    const ReportWindow report(&store);
    const SpeechForm form(QString(), true, true);
    const AgendaRejects rejects(AgendaReader::readCsv("name,category\nAnn,9"));
    const LecternWorksTimer timer;
    QStringList texts;
    for (const QWidget *window : QList<const QWidget *>{&timer, &report, &form, &rejects}) {
        for (const QComboBox *box : window->findChildren<QComboBox *>()) {
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        }
        for (const QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        }
    }
    return texts;
}

void TestProgramLanguage::everyTextIsTranslated()
{
    QFETCH(QStringList, sameWords);
    const QString locale = QString::fromLatin1(QTest::currentDataTag()), language = locale.left(2);
    QFile file(QStringLiteral(LW_TRANSLATIONS_DIR "/lecternworks-timer_%1.ts").arg(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // No entry unfinished or left from a text gone from the code; each form with the source's
    // placeholders, and with an access key where the source has one.
    static const QRegularExpression placeholder(QStringLiteral("%[0-9n]")), letter("[A-Za-z]");
    QXmlStreamReader ts(&file);
    QString source;
    while (ts.readNext() != QXmlStreamReader::Invalid && !ts.atEnd()) {
        const bool numerus = source.contains(QLatin1String("%n"));
        if (ts.isStartElement() && ts.name() == QLatin1String("source"))
            source = ts.readElementText();
        else if (ts.isStartElement() && ts.name() == QLatin1String("translation"))
            QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(source));
        if (ts.isStartElement() &&
            ts.name() == QLatin1String(numerus ? "numerusform" : "translation")) {
            const QString text = ts.readElementText();
            QVERIFY2(!text.isEmpty() && text.contains(u'&') == source.contains(u'&'),
                     qPrintable(source));
            for (const QRegularExpressionMatch &m : placeholder.globalMatch(source))
                QVERIFY2(text.contains(m.captured()), qPrintable(text));
        }
    }
    QVERIFY2(!ts.hasError() && !source.isEmpty(), qPrintable(ts.errorString()));

    const QStringList english = shownTexts(LecternWorksTimer()) + listTexts();
    // The program's texts and Qt's.
    QCOMPARE(ProgramLanguage::install(qApp, QLocale(locale)), language);
    QCOMPARE(qApp->findChildren<QTranslator *>().size(), 2);
    const QStringList translated = shownTexts(LecternWorksTimer()) + listTexts();
    QCOMPARE(translated.size(), english.size());
    QStringList untranslated;
    for (qsizetype i = 0; i < english.size(); ++i)
        if (translated[i] == english[i] && english[i].contains(letter) &&
            !sameWords.contains(english[i]))
            untranslated << english[i];
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1String(" | "))));
}

void TestProgramLanguage::englishCountsInWords_data()
{
    QTest::addColumn<QStringList>("languages");
    // English, the program's own language, and one it lacks; English preferred to another.
    for (const char *locale : {"en_GB", "C", "fi_FI"})
        QTest::newRow(locale) << QLocale(QString::fromLatin1(locale)).uiLanguages();
    QTest::newRow("en-GB, de-DE") << QStringList{"en-GB", "de-DE"};
}

// Every text that counts, as the complete German file lists them, reads "1 speech", "2 speeches".
void TestProgramLanguage::englishCountsInWords()
{
    QFETCH(QStringList, languages);
    QVERIFY(ProgramLanguage::install(qApp, languages).isEmpty());
    QCOMPARE(qApp->findChildren<QTranslator *>().size(), 1);
    QFile file(QStringLiteral(LW_TRANSLATIONS_DIR "/lecternworks-timer_de.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    static const QRegularExpression choice(QStringLiteral("\\((e?s)\\)"));
    QXmlStreamReader ts(&file);
    QByteArray context;
    int counted = 0;
    while (ts.readNext() != QXmlStreamReader::Invalid && !ts.atEnd()) {
        if (ts.isStartElement() && ts.name() == QLatin1String("name"))
            context = ts.readElementText().toUtf8();
        if (!ts.isStartElement() || ts.name() != QLatin1String("source"))
            continue;
        const QByteArray source = ts.readElementText().toUtf8();
        if (!source.contains("%n"))
            continue;
        ++counted;
        for (int n : {1, 2}) {
            const QString text = QCoreApplication::translate(context, source, nullptr, n);
            QVERIFY2(text.contains(QString::number(n)) && !text.contains(choice), qPrintable(text));
        }
    }
    QVERIFY(counted > 0);
}

QTEST_MAIN(TestProgramLanguage)
#include "tst_programlanguage.moc"
