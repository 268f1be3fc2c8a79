// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFrame>

// A raised panel with a caption that holds child controls over its face; hiding the panel
// hides them with it.
class FramedPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit FramedPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    QColor faceColor() const;
    void setFaceColor(const QColor &color);
    QColor textColor() const;
    void setTextColor(const QColor &color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
