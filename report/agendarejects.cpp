// SPDX-License-Identifier: MIT
#include "report/agendarejects.h"

#include "components/plaintooltip.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { LineColumn, TextColumn, ReasonColumn, ColumnCount };

// The line's text never takes more than this many characters' width, so the reason stays in view.
constexpr int TextLetters = 40;
// Reasons wider than this many characters are shown whole, wrapped, under the table.
constexpr int ReasonLetters = 100;
constexpr int RowsShown = 8;
constexpr double ScreenShare = 0.9;
constexpr QChar LineBreakMark = QChar(0x23CE);

// One line in the table, the whole text in its tooltip.
QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(QString(text).replace(u'\n', LineBreakMark));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(plainToolTip(text));
    item->setData(Qt::UserRole, text);
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
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setWordWrap(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const RejectedLine &line = reading.rejected.at(row);
        // The whole text refused has no line of its own.
        m_table->setItem(row, LineColumn,
                         cell(line.lineNumber > 0 ? QString::number(line.lineNumber) : QString()));
        m_table->setItem(row, TextColumn, cell(line.text));
        m_table->setItem(row, ReasonColumn, cell(line.reason));
    }
    // Measured on the cells' texts, not by the view: a line may hold a megabyte.
    const QFontMetrics metrics = m_table->fontMetrics();
    const int letter = metrics.averageCharWidth();
    const int margin = 2 * m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + letter;
    int textWidth = 0, reasonWidth = 0;
    for (const RejectedLine &line : reading.rejected) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line.text.left(TextLetters)));
        reasonWidth = std::max(reasonWidth, metrics.horizontalAdvance(line.reason));
    }
    m_table->verticalHeader()->setDefaultSectionSize(metrics.lineSpacing() + margin / 2);
    m_table->resizeColumnToContents(LineColumn);
    m_table->setColumnWidth(TextColumn, std::min(textWidth, TextLetters * letter) + margin);
    reasonWidth = std::min(reasonWidth, ReasonLetters * letter) + margin;
    m_table->setColumnWidth(ReasonColumn, reasonWidth);

    // The current line's reason whole, wrapped: a long one is cut in the table.
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("labelReason"));
    m_reason->setWordWrap(true);
    // A reason quotes the file, which may hold anything: shown as it stands, never as markup.
    m_reason->setTextFormat(Qt::PlainText);
    m_reason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        const QTableWidgetItem *reason = m_table->item(row, ReasonColumn);
        m_reason->setText(reason ? reason->data(Qt::UserRole).toString() : QString());
    });
    m_table->setCurrentCell(0, ReasonColumn);

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
    layout->addWidget(m_reason);
    layout->addWidget(buttons);

    // Wide enough for every column, tall enough for a few lines, within the screen.
    const QRect screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int frame = 2 * m_table->frameWidth();
    const int width = m_table->columnWidth(LineColumn) + m_table->columnWidth(TextColumn) +
                      reasonWidth + m_table->verticalScrollBar()->sizeHint().width() + frame +
                      layout->contentsMargins().left() + layout->contentsMargins().right();
    const int rows = std::min(m_table->rowCount(), RowsShown);
    const int height = sizeHint().height() - m_table->sizeHint().height() +
                       m_table->horizontalHeader()->sizeHint().height() +
                       (rows + 1) * m_table->verticalHeader()->defaultSectionSize() + frame;
    resize(std::min(width, int(screen.width() * ScreenShare)),
           std::min(height, int(screen.height() * ScreenShare)));
}

QString AgendaRejects::shownReason() const
{
    return m_reason->text();
}
