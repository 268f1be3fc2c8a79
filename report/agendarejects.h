// SPDX-License-Identifier: MIT
#pragma once

#include "agenda/agendareader.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// The lines of a pasted or imported agenda that could not be read, each with its line number
// and why, one line high (the whole text in a tooltip, the current line's reason whole under the
// table), and the choice: add the speeches that were read, or nothing. When nothing was read,
// only a button to close. Accepted means "add the good ones".
class AgendaRejects : public QDialog
{
    Q_OBJECT

public:
    explicit AgendaRejects(const AgendaReading &reading, QWidget *parent = nullptr);

    // Rejected lines as listed, one table row each: line number, text, reason.
    QTableWidget *table() const { return m_table; }
    // nullptr when nothing was read.
    QPushButton *addGoodButton() const { return m_addGood; }
    // "Add nothing", or "Close" when nothing was read.
    QPushButton *addNothingButton() const { return m_addNothing; }
    // The current line's reason, whole, under the table.
    QString shownReason() const;

private:
    QTableWidget *m_table = nullptr;
    QLabel *m_reason = nullptr;
    QPushButton *m_addGood = nullptr;
    QPushButton *m_addNothing = nullptr;
};
