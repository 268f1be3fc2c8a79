// SPDX-License-Identifier: MIT
#include "report/speechform.h"

#include "components/maskedtimebox.h"
#include "record/meetingstore.h"
#include "timing/speechcategories.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeEdit>

namespace {

QString twoDigitTime(int seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / SpeechCategories::SecondsPerMinute, 2, 10, QLatin1Char('0'))
        .arg(seconds % SpeechCategories::SecondsPerMinute, 2, 10, QLatin1Char('0'));
}

} // namespace

SpeechForm::SpeechForm(const QString &title, bool withName, bool withTime, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SpeechForm"));
    setWindowTitle(title);
    auto *form = m_form = new QFormLayout;
    if (withName) {
        m_name = new QLineEdit(this);
        m_name->setObjectName(QStringLiteral("editSpeaker"));
        m_name->setMaxLength(MeetingStore::SpeakerNameMaxLength);
        form->addRow(tr("Spea&ker:"), m_name);
    }
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("comboCategory"));
    for (int row = SpeechCategories::FirstRow; row <= SpeechCategories::RowCount; ++row)
        m_category->addItem(SpeechCategories::shownName(row), row);
    form->addRow(tr("Cate&gory:"), m_category);
    auto *times = new QHBoxLayout;
    const QStringList names{tr("green threshold"), tr("yellow threshold"), tr("red threshold")};
    for (size_t i = 0; i < m_thresholds.size(); ++i) {
        m_thresholds[i] = new MaskedTimeBox(this);
        m_thresholds[i]->setAccessibleName(names.at(int(i)));
        times->addWidget(m_thresholds[i]);
        connect(m_thresholds[i], &QLineEdit::textChanged, this, &SpeechForm::update);
    }
    times->addStretch();
    form->addRow(tr("Green, yellow, red:"), times);
    if (withTime) {
        m_time = new QLineEdit(this);
        m_time->setObjectName(QStringLiteral("editElapsed"));
        m_time->setPlaceholderText(tr("M:SS"));
        form->addRow(tr("&Time spoken:"), m_time);
        connect(m_time, &QLineEdit::textChanged, this, &SpeechForm::update);
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("labelProblem"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    connect(m_category, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { setCategory(rowIndex(), m_custom); });
    setCategory(SpeechCategories::FirstRow, {});
}

void SpeechForm::setName(const QString &name)
{
    if (m_name)
        m_name->setText(name);
}

// A row with thresholds of its own shows them, not to be typed over; CUSTOM takes those given,
// to be typed over. Chosen again, CUSTOM shows what was typed for it last.
void SpeechForm::setCategory(int rowIndex, std::array<int, 3> thresholdSeconds)
{
    const QSignalBlocker blocker(m_category);
    m_category->setCurrentIndex(m_category->findData(rowIndex));
    const SpeechCategories::Thresholds own = SpeechCategories::row(rowIndex).defaults;
    const std::array<const char *, 3> ownTexts{own.green, own.yellow, own.red};
    const bool custom = rowIndex == SpeechCategories::CustomRow;
    for (size_t i = 0; i < m_thresholds.size(); ++i) {
        m_thresholds[i]->setText(custom ? twoDigitTime(thresholdSeconds[i])
                                        : QString::fromLatin1(ownTexts[i]));
        m_thresholds[i]->setReadOnly(!custom);
        m_thresholds[i]->setEnabled(custom || ownTexts[i]);
    }
    update();
}

void SpeechForm::setElapsedSeconds(int seconds)
{
    if (m_time)
        m_time->setText(
            QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void SpeechForm::askStartTime(const QTime &suggested)
{
    if (!m_started) {
        m_started = new QTimeEdit(this);
        m_started->setObjectName(QStringLiteral("editStarted"));
        m_started->setDisplayFormat(QStringLiteral("HH:mm"));
        m_form->addRow(tr("Starte&d at:"), m_started);
    }
    m_started->setTime(suggested);
}

QTime SpeechForm::startTime() const
{
    return m_started ? m_started->time() : QTime();
}

QString SpeechForm::name() const
{
    return m_name ? MeetingStore::cleanSpeakerName(m_name->text()) : QString();
}

int SpeechForm::rowIndex() const
{
    return m_category->currentData().toInt();
}

std::array<int, 3> SpeechForm::thresholdSeconds() const
{
    std::array<int, 3> seconds{};
    qint16 minutes = 0, rest = 0;
    for (size_t i = 0; i < seconds.size(); ++i)
        seconds[i] = SpeechCategories::thresholdSeconds(m_thresholds[i]->text(), minutes, rest);
    return seconds;
}

int SpeechForm::elapsedSeconds() const
{
    return m_time ? readTime(m_time->text()) : 0;
}

int SpeechForm::readTime(const QString &text)
{
    static const QRegularExpression clock(QStringLiteral("^\\s*(\\d{1,3}):([0-5]\\d)\\s*$"));
    const QRegularExpressionMatch match = clock.match(text);
    if (!match.hasMatch())
        return -1;
    return match.captured(1).toInt() * SpeechCategories::SecondsPerMinute +
           match.captured(2).toInt();
}

QString SpeechForm::problem() const
{
    // Asked with a name and no time spoken: a planned speech.
    if (m_name && !m_time && !SpeechCategories::isPlannable(rowIndex()))
        return tr("A rehearsal is not planned: choose the speech's category.");
    if (rowIndex() == SpeechCategories::CustomRow) {
        const std::array<int, 3> t = thresholdSeconds();
        if (t[2] == 0)
            return tr("Type the red threshold at least.");
        if (t[0] > t[1] || t[1] > t[2])
            return tr("The thresholds are out of order: green, then yellow, then red.");
    }
    if (elapsedSeconds() < 0)
        return tr("Type the time spoken as minutes and seconds, 5:42 say.");
    return QString();
}

void SpeechForm::update()
{
    if (rowIndex() == SpeechCategories::CustomRow)
        m_custom = thresholdSeconds();
    const QString why = problem();
    m_problem->setText(why);
    m_ok->setEnabled(why.isEmpty());
}
