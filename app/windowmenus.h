// SPDX-License-Identifier: MIT
#pragma once

#include "app/lecternworkstimer.h"

#include <QList>

class QAction;
class Settings;

// The window's named menu items, each made once with the object name the stored layout places it
// by, tied to its handler and checked as the settings remember; MenuPlacer then puts them where
// the layout says.
namespace WindowMenus {

QList<QAction *> create(LecternWorksTimer *window, LecternWorksTimer::MenuItems &menus,
                        const Settings &settings);

} // namespace WindowMenus
