// SPDX-License-Identifier: GPL-3.0-or-later
#include "up_down.h"

#include <QToolButton>

cUpDown::cUpDown(QWidget* parent) : QWidget(parent) {
    up = new QToolButton(this);
    down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    // Like the letter field beside it, the arrows are reached by mouse; the keyboard selects the
    // letter by typing it.
    up->setFocusPolicy(Qt::NoFocus);
    down->setFocusPolicy(Qt::NoFocus);
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    connect(up, &QToolButton::clicked, this, [this] { emit Click(Button::Next); });
    connect(down, &QToolButton::clicked, this, [this] { emit Click(Button::Previous); });
}

void cUpDown::resizeEvent(QResizeEvent* /*event*/) {
    const int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half, width(), height() - half);
}
