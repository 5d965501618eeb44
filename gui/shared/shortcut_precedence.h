// SPDX-License-Identifier: GPL-3.0-or-later
// Gives a window's menu shortcuts precedence over the focused control: a line edit would otherwise
// take Del (and other keys it knows) for itself, and the menu command would not run.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

class cShortcutPrecedence : public QObject {
public:
    // Watches every child of window; actions are the window's menu commands with shortcuts.
    cShortcutPrecedence(QWidget* window, QList<QAction*> actions);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QAction* ActionFor(QEvent* event) const;

    QList<QAction*> actions_;
};
