// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

#include "engine/Parser_core.h"
#include "shared/app_texts.h"
#include "shared/design_names.h"

TFProgress* FProgress = nullptr;

namespace {

struct cLineGeometry {
    int labelTop;
    QRect bar;
};

constexpr cLineGeometry LineGeometry[TFProgress::LineCount] = {
    {16, QRect(144, 16, 150, 16)},
    {40, QRect(144, 48, 150, 9)},
    {60, QRect(144, 64, 150, 9)},
    {80, QRect(144, 80, 150, 9)},
};

// Labels are right-aligned at x 138 and grow to the left with their text.
constexpr int LabelRight = 138;
constexpr int LabelLeft = 2;
constexpr QSize DesignClientSize(319, 119);
constexpr QSize DesignBoxSize(305, 105);
constexpr QSize CancelSize(75, 25);
constexpr int Margin = 8;

// How much wider than designed the labels must be for the longest text a line can show: the longest
// activity name with the largest counts.
int ExtraLabelWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (std::uint32_t activity = ActivityCalculating; activity <= ActivityInterpreting; ++activity) {
        cProgressLines longest;
        longest.Store(0, activity, 0xFFFFFFFFu, 0xFFFFFFFFu);
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(longest.LineText(0))));
    }
    return std::max(0, widest + 2 - (LabelRight - LabelLeft));
}

}  // namespace

TFProgress::TFProgress()
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Please wait ..."));
    setFont(DialogFont());
    move(193, 187);
    const int extra = ExtraLabelWidth(fontMetrics());

    StatusBox = new QGroupBox(QStringLiteral("Progress"), this);
    StatusBox->setGeometry(Margin, Margin, DesignBoxSize.width() + extra, DesignBoxSize.height());
    for (int i = 0; i < LineCount; ++i) {
        auto* label = new QLabel(QStringLiteral("idle"), StatusBox);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setGeometry(LabelLeft, LineGeometry[i].labelTop, LabelRight - LabelLeft + extra, 14);
        auto* bar = new QProgressBar(StatusBox);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setGeometry(LineGeometry[i].bar.translated(extra, 0));
        LStat[i] = label;
        PStat[i] = bar;
    }
    // Cancel sits under the lines, at the right.
    const QSize client(DesignClientSize.width() + extra, DesignClientSize.height() + CancelSize.height() + 6);
    BCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BCancel->setGeometry(QRect(
        QPoint(client.width() - Margin - CancelSize.width(), client.height() - Margin - CancelSize.height()),
        CancelSize));
    BCancel->setToolTip(QStringLiteral("Stop the work (Esc)"));
    BCancel->setAccessibleName(QStringLiteral("Cancel the work"));
    connect(BCancel, &QPushButton::clicked, this, &TFProgress::BCancelClick);
    setFixedSize(client);

    SetDesignNames({DESIGN_NAME(StatusBox), tDesignName{LStat[0], "LStat1"}, tDesignName{LStat[1], "LStat2"},
                    tDesignName{LStat[2], "LStat3"}, tDesignName{LStat[3], "LStat4"},
                    tDesignName{PStat[0], "PStat1"}, tDesignName{PStat[1], "PStat2"},
                    tDesignName{PStat[2], "PStat3"}, tDesignName{PStat[3], "PStat4"}, DESIGN_NAME(BCancel)});
}

void TFProgress::RefreshLines() {
    for (int i = 0; i < LineCount; ++i)
        LStat[i]->setText(QString::fromLatin1(Lines.LineText(i)));
    // A line whose done count exceeds its total has more than 100 percent; the bar shows it full.
    for (int i = 0; i < LineCount; ++i)
        PStat[i]->setValue(static_cast<int>(std::min(Lines.LinePercent(i), 100u)));
}

void TFProgress::ResetLines() {
    Lines.Reset();
}

void TFProgress::ShowForWork() {
    previouslyActive_ = QApplication::activeWindow();
    // A window that belongs to the modal one is not blocked by it.
    QWidget* modal = QApplication::activeModalWidget();
    winId();
    windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
    BCancel->setFocus();
}

void TFProgress::HideAfterWork() {
    hide();
    // Once the work's window takes input again, which happens only after this call.
    QMetaObject::invokeMethod(
        this,
        [window = previouslyActive_] {
            // A box that the end of the work brought up keeps the keyboard; it hands it on when it closes.
            QWidget* modal = QApplication::activeModalWidget();
            if (window && window->isVisible() && (!modal || modal == window)) window->activateWindow();
        },
        Qt::QueuedConnection);
    previouslyActive_.clear();
}

void TFProgress::BCancelClick() {
    cancelRequested_ = true;
}

void TFProgress::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TFProgress::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        BCancelClick();
        return;
    }
    QWidget::keyPressEvent(event);
}
