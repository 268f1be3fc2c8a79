// SPDX-License-Identifier: MIT
#include "speaker/speakerscreen.h"

#include "speaker/speakerwindow.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {
const QString ScreenCaption = QStringLiteral("%1 (%2 x %3)");
const QString ItemName = QStringLiteral("menuSpeakerScreen(%1)");
} // namespace

SpeakerScreen::SpeakerScreen(QWidget *operatorWindow)
    : QObject(operatorWindow), m_operatorWindow(operatorWindow)
{
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &SpeakerScreen::screenRemoved);
}

SpeakerScreen::~SpeakerScreen() = default;

QScreen *SpeakerScreen::screenForSpeaker(const QScreen *leaving) const
{
    QList<QScreen *> screens = m_screens();
    screens.removeAll(leaving);
    if (screens.size() < 2)
        return nullptr;
    // A window on a screen going away is about to be moved to the primary one.
    QScreen *own = m_operatorWindow->screen();
    if (!screens.contains(own))
        own = QGuiApplication::primaryScreen();
    for (QScreen *screen : std::as_const(screens)) {
        if (screen->name() == m_chosen)
            return screen != own ? screen : nullptr;
    }
    return screens.at((screens.indexOf(own) + 1) % screens.size());
}

bool SpeakerScreen::open()
{
    QScreen *screen = screenForSpeaker();
    if (!screen)
        return false;
    if (!m_window) {
        m_window = std::make_unique<SpeakerWindow>();
        m_window->takeKeysOf(m_operatorWindow);
    }
    m_window->showOn(screen);
    emit openChanged(true);
    return true;
}

void SpeakerScreen::close()
{
    if (!m_window)
        return;
    m_window.reset();
    emit openChanged(false);
}

void SpeakerScreen::choose(const QString &screenName)
{
    m_chosen = screenName;
    // The window's own screen chosen, the view is the window's own from the next F11.
    if (m_window && !open())
        close();
}

void SpeakerScreen::listScreensIn(QMenu *menu) const
{
    menu->clear();
    QScreen *inUse = m_window ? m_window->screen() : screenForSpeaker();
    if (!inUse)
        inUse = m_operatorWindow->screen();
    auto *group = menu->findChild<QActionGroup *>();
    if (!group)
        group = new QActionGroup(menu);
    for (QScreen *screen : QGuiApplication::screens()) {
        QString name = screen->name();
        QAction *item = menu->addAction(ScreenCaption.arg(name.replace(u'&', QLatin1String("&&")))
                                            .arg(screen->size().width())
                                            .arg(screen->size().height()));
        item->setObjectName(ItemName.arg(screen->name()));
        item->setData(screen->name());
        item->setCheckable(true);
        item->setChecked(screen == inUse);
        group->addAction(item);
    }
}

void SpeakerScreen::screenRemoved(QScreen *screen)
{
    if (!m_window || m_window->screen() != screen)
        return;
    // The screen is out of the list already but still the window's: the window goes full
    // screen on another that remains beside the operator's, or closes, before Qt would move
    // it anywhere.
    if (QScreen *next = screenForSpeaker(screen))
        m_window->showOn(next);
    else
        close();
}
