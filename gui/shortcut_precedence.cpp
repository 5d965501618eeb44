#include "shortcut_precedence.h"

#include <QKeyEvent>
#include <QWidget>

cShortcutPrecedence::cShortcutPrecedence(QWidget* window, QList<QKeySequence> shortcuts)
    : QObject(window), shortcuts_(std::move(shortcuts)) {
    for (auto* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool cShortcutPrecedence::eventFilter(QObject* /*object*/, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (!shortcuts_.contains(pressed)) return false;
    // Not accepting the override lets the shortcut map run the menu command instead of the control.
    event->ignore();
    return true;
}
