// Gives a window's menu shortcuts precedence over the focused control: a line edit would otherwise
// take Del (and other keys it knows) for itself, and the menu command would not run.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

class cShortcutPrecedence : public QObject {
public:
    // Watches every child of window; shortcuts are those of the window's menu commands.
    cShortcutPrecedence(QWidget* window, QList<QKeySequence> shortcuts);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QList<QKeySequence> shortcuts_;
};
