// SPDX-License-Identifier: MIT
#include "speaker/speakerkeys.h"

#include "speaker/speakerscreen.h"
#include "speaker/speakerview.h"

#include <QAction>
#include <QWidget>

SpeakerKeys::SpeakerKeys(QWidget *window, SpeakerView *view, SpeakerScreen *screen)
    : QObject(window), m_view(view), m_screen(screen)
{
    m_toggle = new QAction(tr("Speaker's view"), window);
    m_toggle->setObjectName(QStringLiteral("keySpeakerView"));
    // The desktop's own full-screen keys, and F11 wherever the desktop names none.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11)))
        keys.prepend(QKeySequence(Qt::Key_F11));
    m_toggle->setShortcuts(keys);
    // From whichever of the program's windows has the keyboard: the report's, the speaker's.
    m_toggle->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_toggle, &QAction::triggered, this, &SpeakerKeys::togglePressed);
    window->addAction(m_toggle);
    m_leave = new QAction(tr("Leave the speaker's view"), window);
    m_leave->setObjectName(QStringLiteral("keyLeaveView"));
    m_leave->setShortcut(QKeySequence(Qt::Key_Escape));
    // Esc means nothing to the window outside the view.
    m_leave->setEnabled(false);
    connect(m_leave, &QAction::triggered, this,
            [this] { m_view->isActive() ? m_view->leave() : m_screen->close(); });
    window->addAction(m_leave);
    connect(m_view, &SpeakerView::activeChanged, m_leave, &QAction::setEnabled);
    connect(m_screen, &SpeakerScreen::openChanged, m_leave, &QAction::setEnabled);
}

bool SpeakerKeys::toggle()
{
    if (m_view->isActive()) {
        m_view->leave();
    } else if (m_screen->isOpen()) {
        m_screen->close();
    } else if (!m_screen->open()) {
        m_view->enter();
        return true;
    }
    return false;
}
