// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenuBar;
class QWidget;

// Puts a window's menu items where its stored layout says: the layout orders the menus, gives
// the captions and shortcuts, and places the items the window created, each found by its object
// name (an array item by name and index). A name on either side without its match is a fault of
// the layout, reported rather than guessed at.
class MenuPlacer
{
public:
    // An item's object name: its name, with "(index)" for an item of a menu array.
    static QString itemName(const QString &name, int index = -1);

    // Builds the menus in bar and places the items; returns the faults found.
    static QStringList place(const QJsonArray &entries, QMenuBar *bar, QList<QAction *> items);

private:
    static void placeIn(const QJsonArray &entries, QWidget *parentMenu, QList<QAction *> &unplaced,
                        QStringList &faults);
};
