// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>

class MaskedTimeBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTime;

// A speech as the operator types it: the speaker, the category from the seven rows, the three
// thresholds as the time boxes take them (typed only for CUSTOM, the row's own otherwise) and,
// for a speech timed or added by hand, the time spoken as M:SS. OK stays off until every
// field reads.
class SpeechForm : public QDialog
{
    Q_OBJECT

public:
    // withName and withTime: whether the speaker and the time spoken are asked.
    SpeechForm(const QString &title, bool withName, bool withTime, QWidget *parent = nullptr);

    void setName(const QString &name);
    void setCategory(int rowIndex, std::array<int, 3> thresholdSeconds);
    void setElapsedSeconds(int seconds);
    // Asks the time of day the speech started too, suggested first.
    void askStartTime(const QTime &suggested);

    QString name() const;
    int rowIndex() const;
    // The CUSTOM row's as typed, any other row's own.
    std::array<int, 3> thresholdSeconds() const;
    // -1 while the time typed is not M:SS.
    int elapsedSeconds() const;
    // As typed; invalid when not asked.
    QTime startTime() const;
    // Why OK is off; empty when the form reads.
    QString problem() const;

    // "5:42" as M:SS, minutes up to three digits; -1 for anything else.
    static int readTime(const QString &text);

    QComboBox *categoryBox() const { return m_category; }
    QLineEdit *timeBox() const { return m_time; }

private:
    void update();

    QFormLayout *m_form = nullptr;
    QTimeEdit *m_started = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_category = nullptr;
    std::array<MaskedTimeBox *, 3> m_thresholds{};
    QLineEdit *m_time = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_ok = nullptr;
    std::array<int, 3> m_custom{}; // the thresholds typed for CUSTOM last
};
