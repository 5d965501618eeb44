// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcut_precedence.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

cShortcutPrecedence::cShortcutPrecedence(QWidget* window, QList<QAction*> actions)
    : QObject(window), actions_(std::move(actions)) {
    for (auto* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool cShortcutPrecedence::eventFilter(QObject* object, QEvent* event) {
    // Filters see the keys of a disabled control too (the window is disabled while the engine works);
    // those must run nothing.
    const auto* control = qobject_cast<QWidget*>(object);
    if (!control || !control->isEnabled()) return false;
    // A focused control sees a menu shortcut first, as an override request and then as a key press.
    // Claiming the override keeps the shortcut map out of it, so that the command runs exactly once:
    // here, from the key press, instead of the control's own use of the key.
    if (event->type() == QEvent::ShortcutOverride && ActionFor(event)) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        if (QAction* action = ActionFor(event)) {
            if (action->isEnabled()) action->trigger();
            return true;
        }
    }
    return false;
}

QAction* cShortcutPrecedence::ActionFor(QEvent* event) const {
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* action : actions_)
        if (action->shortcut() == pressed) return action;
    return nullptr;
}
