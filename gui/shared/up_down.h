// SPDX-License-Identifier: GPL-3.0-or-later
// A pair of small arrow buttons, one above the other: next (up) and previous (down).
#pragma once

#include <QWidget>

class QToolButton;

class cUpDown : public QWidget {
    Q_OBJECT
public:
    enum class Button { Next, Previous };

    explicit cUpDown(QWidget* parent);

    QToolButton* up;
    QToolButton* down;

signals:
    void Click(cUpDown::Button button);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
