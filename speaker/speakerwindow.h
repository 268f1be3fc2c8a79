// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

class HorizontalTimer;
class QScreen;

// The speaker's window: a light of its own, as large as its screen allows, on black. It shows
// the lamps every light shares, and takes neither the focus nor a key from the operator.
class SpeakerWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SpeakerWindow(QWidget *parent = nullptr);

    HorizontalTimer *light() const { return m_light; }
    // Full screen on the given screen.
    void showOn(QScreen *screen);
    // A shell may give this window the keyboard all the same: the operator's keys, its
    // shortcuts and its buttons' access keys, work here too, and the keyboard is handed back.
    void takeKeysOf(QWidget *operatorWindow);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    HorizontalTimer *m_light = nullptr;
    QPointer<QWidget> m_operatorWindow;
};
