// SPDX-License-Identifier: MIT
#include "network/videolinkdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

VideoLinkDialog::VideoLinkDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Link for Video"));
    const VideoLayout chosen;
    m_kind = new QComboBox(this);
    m_kind->addItems({tr("Background: the whole picture in the lamp's color"),
                      tr("Badge: three lamps in a corner"), tr("Border: a colored frame")});
    m_kind->setCurrentIndex(int(chosen.kind));
    m_corner = new QComboBox(this);
    m_corner->addItems({tr("Top left"), tr("Top right"), tr("Bottom left"), tr("Bottom right")});
    m_corner->setCurrentIndex(int(chosen.corner));
    m_size = new QSpinBox(this);
    m_size->setRange(VideoLayout::MinSize, VideoLayout::MaxSize);
    m_size->setValue(chosen.sizePercent);
    m_size->setSuffix(tr(" % of the height"));
    m_border = new QSpinBox(this);
    m_border->setRange(VideoLayout::MinBorder, VideoLayout::MaxBorder);
    m_border->setValue(chosen.borderPercent);
    m_border->setSuffix(tr(" % of the shorter side"));
    m_elapsed = new QCheckBox(tr("Show the &elapsed time"), this);
    m_elapsed->setChecked(chosen.elapsed);
    m_flash = new QCheckBox(tr("&Flash when over time"), this);
    m_flash->setChecked(chosen.flash);
    auto *note = new QLabel(tr("Paste the link into a video program's browser source (in OBS "
                               "Studio: Sources, +, Browser). It pairs one video source as a "
                               "viewer and is good for two minutes; the source keeps its pairing "
                               "afterwards. Its options open with a click on it."),
                            this);
    note->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Copy Link"), QDialogButtonBox::AcceptRole)->setDefault(true);

    auto *form = new QFormLayout(this);
    form->addRow(tr("&Layout:"), m_kind);
    form->addRow(tr("C&orner:"), m_corner);
    form->addRow(tr("Badge &size:"), m_size);
    form->addRow(tr("Border &width:"), m_border);
    form->addRow(m_elapsed);
    form->addRow(m_flash);
    form->addRow(note);
    form->addRow(buttons);

    connect(m_kind, &QComboBox::currentIndexChanged, this, &VideoLinkDialog::updateFields);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateFields();
}

void VideoLinkDialog::updateFields()
{
    const auto kind = VideoLayout::Kind(m_kind->currentIndex());
    m_corner->setEnabled(kind == VideoLayout::Kind::Badge);
    m_size->setEnabled(kind == VideoLayout::Kind::Badge);
    m_border->setEnabled(kind == VideoLayout::Kind::Border);
}

VideoLayout VideoLinkDialog::layout() const
{
    VideoLayout chosen;
    chosen.kind = VideoLayout::Kind(m_kind->currentIndex());
    chosen.corner = VideoLayout::Corner(m_corner->currentIndex());
    chosen.sizePercent = m_size->value();
    chosen.borderPercent = m_border->value();
    chosen.elapsed = m_elapsed->isChecked();
    chosen.flash = m_flash->isChecked();
    return chosen;
}

QUrl VideoLinkDialog::link(const QUrl &pairingUrl, const VideoLayout &layout)
{
    QUrl url = pairingUrl;
    url.setQuery(layout.query());
    return url;
}
