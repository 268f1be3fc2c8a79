// SPDX-License-Identifier: MIT
#include "speaker/speakerwindow.h"

#include "components/twips.h"
#include "controls/signal_light/horizontaltimer.h"
#include "speaker/scaletofit.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>

SpeakerWindow::SpeakerWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("SpeakerWindow"));
    setWindowTitle(tr("Speaker's view"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The operator's window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);
    m_light = new HorizontalTimer(this);
    setFocusPolicy(Qt::NoFocus);
    for (QWidget *child : findChildren<QWidget *>())
        child->setFocusPolicy(Qt::NoFocus);
}

void SpeakerWindow::showOn(QScreen *screen)
{
    // Placed on the screen before it shows, so that the shell makes it full screen there; a
    // Wayland shell places it by the screen alone.
    if (isVisible())
        hide();
    setScreen(screen);
    setGeometry(screen->geometry());
    // Not showFullScreen(): that asks for the keyboard as well.
    setWindowState(Qt::WindowFullScreen);
    show();
}

void SpeakerWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const ScaledToFit fit = scaleToFit(m_light->sizeHint() * Twips::PerPixel, size(),
                                       Twips::PerPixel, m_light->panelPlacement());
    m_light->setScale(fit.scale);
    m_light->setGeometry(fit.shown);
}

void SpeakerWindow::takeKeysOf(QWidget *operatorWindow)
{
    m_operatorWindow = operatorWindow;
    for (QAction *action : operatorWindow->findChildren<QAction *>()) {
        if (!action->shortcut().isEmpty() && action->shortcutContext() != Qt::WidgetShortcut &&
            action->shortcutContext() != Qt::WidgetWithChildrenShortcut)
            addAction(action);
    }
    for (QAbstractButton *button : operatorWindow->findChildren<QAbstractButton *>()) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (key.isEmpty())
            continue;
        auto *action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
        addAction(action);
    }
}

void SpeakerWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_operatorWindow)
        m_operatorWindow->activateWindow();
}

// A shell may give this window the keys while Qt does not count it active (it takes no focus),
// and then no shortcut matches: the operator's keys are matched here.
void SpeakerWindow::keyPressEvent(QKeyEvent *event)
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction *action : actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            action->trigger();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
