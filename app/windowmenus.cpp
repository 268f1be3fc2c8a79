// SPDX-License-Identifier: MIT
#include "app/windowmenus.h"

#include "app/settings.h"
#include "components/menuplacer.h"
#include "sound/soundcues.h"
#include "speaker/speakerscreen.h"
#include "timing/graceperiod.h"
#include "timing/speechcategories.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace WindowMenus {

QList<QAction *> create(LecternWorksTimer *window, LecternWorksTimer::MenuItems &menus,
                        const Settings &settings)
{
    const auto item = [window](const char *name, void (LecternWorksTimer::*handler)()) {
        auto *action = new QAction(window);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, window, [window, action, handler] {
            // Qt flips a checkable item before reporting it; the handlers own the check
            // marks, so they see the item as it was when chosen.
            if (action->isCheckable()) {
                const QSignalBlocker blocker(action);
                action->setChecked(!action->isChecked());
            }
            (window->*handler)();
        });
        return action;
    };
    // An item with a check mark, checked as the settings remember.
    const auto checkItem = [&item](const char *name, void (LecternWorksTimer::*handler)(),
                                   bool checked) {
        QAction *action = item(name, handler);
        action->setCheckable(true);
        action->setChecked(checked);
        return action;
    };
    menus.menuNewMeeting = item("menuNewMeeting", &LecternWorksTimer::menuNewMeeting_Click);
    menus.menuTimersReport = item("menuTimersReport", &LecternWorksTimer::menuTimersReport_Click);
    menus.menuBackUpMeetings =
        item("menuBackUpMeetings", &LecternWorksTimer::menuBackUpMeetings_Click);
    menus.menuQuit = item("menuQuit", &LecternWorksTimer::menuQuit_Click);
    menus.menuLeaveColorsOn =
        checkItem("menuLeaveColorsOn", &LecternWorksTimer::menuLeaveColorsOn_Click, false);
    menus.menuFlashWhenOverTime =
        checkItem("menuFlashWhenOverTime", &LecternWorksTimer::menuFlashWhenOverTime_Click,
                  settings.flashWhenOverTime());
    menus.menuMarkTheLamps = checkItem(
        "menuMarkTheLamps", &LecternWorksTimer::menuMarkTheLamps_Click, settings.markTheLamps());
    menus.menuSounds =
        checkItem("menuSounds", &LecternWorksTimer::menuSounds_Click, settings.sounds());
    menus.menuTestSounds = item("menuTestSounds", &LecternWorksTimer::menuTestSounds_Click);
    menus.menuResetElapsedTime =
        item("menuResetElapsedTime", &LecternWorksTimer::menuResetElapsedTime_Click);
    menus.menuAbout = item("menuAbout", &LecternWorksTimer::menuAbout_Click);
    menus.menuLightOnOtherDevices =
        item("menuLightOnOtherDevices", &LecternWorksTimer::menuLightOnOtherDevices_Click);
    menus.menuLightForScreenCapture =
        item("menuLightForScreenCapture", &LecternWorksTimer::menuLightForScreenCapture_Click);

    menus.menuTimerTestSpeed = new QActionGroup(window);
    for (const SpeechCategories::TestSpeed &speed : SpeechCategories::TestSpeeds) {
        auto *action =
            new QAction(QCoreApplication::translate(SpeechCategories::TextContext, speed.caption),
                        menus.menuTimerTestSpeed);
        action->setObjectName(
            MenuPlacer::itemName(QStringLiteral("menuTimerTestSpeed"), speed.menuIndex));
        action->setCheckable(true);
        action->setData(speed.menuIndex);
    }
    QObject::connect(menus.menuTimerTestSpeed, &QActionGroup::triggered, window,
                     [window](QAction *speed) {
                         window->menuTimerTestSpeed_Click(qint16(speed->data().toInt()));
                     });

    menus.menuGracePeriod = new QActionGroup(window);
    for (const GracePeriod::Choice &grace : GracePeriod::Choices) {
        auto *action = new QAction(QCoreApplication::translate("GracePeriod", grace.caption),
                                   menus.menuGracePeriod);
        action->setObjectName(
            MenuPlacer::itemName(QStringLiteral("menuGracePeriod"), grace.seconds));
        action->setCheckable(true);
        action->setChecked(grace.seconds == settings.graceSeconds());
        action->setData(grace.seconds);
    }
    QObject::connect(
        menus.menuGracePeriod, &QActionGroup::triggered, window,
        [window](QAction *grace) { window->menuGracePeriod_Click(qint16(grace->data().toInt())); });

    // Captions from the stored layout; each item carries its value.
    const auto valueItems = [window](const QString &name, const auto &values, int chosen) {
        auto *group = new QActionGroup(window);
        for (int value : values) {
            auto *action = new QAction(group);
            action->setObjectName(MenuPlacer::itemName(name, value));
            action->setCheckable(true);
            action->setChecked(value == chosen);
            action->setData(value);
        }
        return group;
    };
    menus.menuOvertimeBell = valueItems(QStringLiteral("menuOvertimeBell"), SoundCues::Repeats,
                                        settings.soundRepeatSeconds());
    QObject::connect(menus.menuOvertimeBell, &QActionGroup::triggered, window,
                     [window](QAction *repeat) {
                         window->menuOvertimeBell_Click(qint16(repeat->data().toInt()));
                     });
    menus.menuSoundVolume =
        valueItems(QStringLiteral("menuSoundVolume"), SoundCues::Volumes, settings.soundVolume());
    QObject::connect(menus.menuSoundVolume, &QActionGroup::triggered, window,
                     [window](QAction *volume) {
                         window->menuSoundVolume_Click(qint16(volume->data().toInt()));
                     });

    menus.menuSpeakerScreen = new QMenu(window);
    menus.menuSpeakerScreen->menuAction()->setObjectName(QStringLiteral("menuSpeakerScreen"));
    QMenu *screens = menus.menuSpeakerScreen;
    const auto listScreens = [window, screens] { window->speakerScreen()->listScreensIn(screens); };
    listScreens();
    QObject::connect(screens, &QMenu::aboutToShow, window, listScreens);
    QObject::connect(menus.menuSpeakerScreen, &QMenu::triggered, window, [window](QAction *screen) {
        window->menuSpeakerScreen_Click(screen->data().toString());
    });
    return QList<QAction *>{menus.menuNewMeeting,
                            menus.menuTimersReport,
                            menus.menuBackUpMeetings,
                            menus.menuQuit,
                            menus.menuLeaveColorsOn,
                            menus.menuFlashWhenOverTime,
                            menus.menuMarkTheLamps,
                            menus.menuSounds,
                            menus.menuTestSounds,
                            menus.menuResetElapsedTime,
                            menus.menuAbout,
                            menus.menuLightOnOtherDevices,
                            menus.menuLightForScreenCapture,
                            menus.menuSpeakerScreen->menuAction()} +
           menus.menuTimerTestSpeed->actions() + menus.menuGracePeriod->actions() +
           menus.menuOvertimeBell->actions() + menus.menuSoundVolume->actions();
}

} // namespace WindowMenus
