// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

// A window's or control's stored layout: each control's position and size in twips, its text,
// font, colours, visibility, tab order and stacking, kept in one resource instead of in code.
// The code creates the controls and names them; the layout fills in everything else.
class StoredLayout
{
public:
    static StoredLayout load(const QString &path);
    // Loads the layout and applies it to root. A layout that is broken or names a control the
    // code does not create is a build fault: it stops a debug build and is logged otherwise.
    static StoredLayout loadAndApply(const QString &path, QWidget *root);

    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    // The context of the layouts' texts and captions in the program's translations.
    static constexpr char TextContext[] = "StoredLayout";

    // The window's caption, in the program's language.
    QString caption() const;
    // The client area the layout was drawn for, in logical pixels.
    QSize clientSize() const { return m_clientSize; }
    // The menu bar as stored: nested entries with a name, an optional index, a caption
    // ("-" for a separator), an optional shortcut and optional items.
    QJsonArray menus() const { return m_menus; }

    // Applies every entry to the control of that name below root; returns the names it found
    // no control for, so a layout and its code cannot drift apart unnoticed.
    QStringList applyTo(QWidget *root) const;
    // Places the controls below root again with every measure multiplied by scale: positions,
    // sizes, line widths and fonts, nothing else. The controls placed directly in root move by
    // origin. At scale 1 and no origin they stand as applyTo left them.
    void placeAt(QWidget *root, double scale, const QPoint &origin = QPoint()) const;
    // The stored position and size of the named control, in twips; empty if none is stored.
    QRect placement(const QString &name) const;

private:
    QString m_error;
    QString m_caption;
    QSize m_clientSize;
    QJsonArray m_controls;
    QJsonArray m_menus;
};
