// SPDX-License-Identifier: MIT
#include "report/agendarejects.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { LineColumn, TextColumn, ReasonColumn, ColumnCount };

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

AgendaRejects::AgendaRejects(const AgendaReading &reading, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Lines Not Read"));
    const auto good = reading.speeches.size();
    auto *summary = new QLabel(
        good == 0 ? tr("No speech could be read. The lines below were left out, with the reason "
                       "for each.")
                  : tr("Speeches read: %1. The lines below could not be read; you can add the "
                       "speeches that were read, or nothing.")
                        .arg(good),
        this);
    summary->setWordWrap(true);

    m_table = new QTableWidget(int(reading.rejected.size()), ColumnCount, this);
    m_table->setHorizontalHeaderLabels({tr("Line"), tr("Text"), tr("Reason")});
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(true);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const RejectedLine &line = reading.rejected.at(row);
        // The whole text refused has no line of its own.
        m_table->setItem(row, LineColumn,
                         cell(line.lineNumber > 0 ? QString::number(line.lineNumber) : QString()));
        m_table->setItem(row, TextColumn, cell(line.text));
        m_table->setItem(row, ReasonColumn, cell(line.reason));
    }
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();

    auto *buttons = new QDialogButtonBox(this);
    if (good > 0) {
        m_addGood = buttons->addButton(tr("Add the &Good Ones"), QDialogButtonBox::AcceptRole);
        m_addNothing = buttons->addButton(tr("Add &Nothing"), QDialogButtonBox::RejectRole);
        m_addGood->setDefault(true);
    } else {
        m_addNothing = buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}
