// SPDX-License-Identifier: GPL-3.0-or-later
// What the declaration, palette and library tests share: declarations made live through the store,
// and a look at a modal window while it is open.
#pragma once

#include <QAbstractButton>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Parser_core.h"

using tDeclarations = std::vector<std::pair<std::string, std::string>>;  // definition, description

// Appends the declarations to the live constants and commits them; false when the commit fails.
inline bool DeclareConstants(const tDeclarations& declarations) {
    BeginConstWork();
    for (const auto& [definition, description] : declarations)
        AddConstant(definition, description);
    if (CommitConstWork() == -1) return true;
    DiscardConstWork();
    return false;
}

inline bool DeclareFunctions(const tDeclarations& declarations) {
    BeginFuncWork();
    for (const auto& [definition, description] : declarations)
        AddFunction(definition, description);
    if (CommitFuncWork() == -1) return true;
    DiscardFuncWork();
    return false;
}

// Runs look every time window is shown (so while a modal window is open), then presses closeWith as
// the user would. The look runs even if the test's modal watchdog gets to the window first.
class cWhileShown : public QObject {
public:
    cWhileShown(QWidget* window, QAbstractButton* closeWith, std::function<void()> look)
        : window_(window), closeWith_(closeWith), look_(std::move(look)) {
        window_->installEventFilter(this);
    }
    ~cWhileShown() override {
        if (window_) window_->removeEventFilter(this);
    }
    int Shown() const { return shown_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == window_ && event->type() == QEvent::Show) {
            ++shown_;
            look_();
            QMetaObject::invokeMethod(closeWith_.data(), &QAbstractButton::click, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    QPointer<QAbstractButton> closeWith_;
    std::function<void()> look_;
    int shown_ = 0;
};
