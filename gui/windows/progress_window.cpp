#include "progress_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "app_texts.h"
#include "design_names.h"

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

}  // namespace

TFProgress::TFProgress()
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Please wait ..."));
    setFont(DialogFont());
    setFixedSize(319, 119);
    move(193, 187);

    StatusBox = new QGroupBox(QStringLiteral("Progress"), this);
    StatusBox->setGeometry(8, 8, 305, 105);
    for (int i = 0; i < LineCount; ++i) {
        auto* label = new QLabel(QStringLiteral("idle"), StatusBox);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setGeometry(LabelLeft, LineGeometry[i].labelTop, LabelRight - LabelLeft, 14);
        auto* bar = new QProgressBar(StatusBox);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setGeometry(LineGeometry[i].bar);
        LStat[i] = label;
        PStat[i] = bar;
    }
    SetDesignNames({DESIGN_NAME(StatusBox), tDesignName{LStat[0], "LStat1"}, tDesignName{LStat[1], "LStat2"},
                    tDesignName{LStat[2], "LStat3"}, tDesignName{LStat[3], "LStat4"},
                    tDesignName{PStat[0], "PStat1"}, tDesignName{PStat[1], "PStat2"},
                    tDesignName{PStat[2], "PStat3"}, tDesignName{PStat[3], "PStat4"}});
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

void TFProgress::closeEvent(QCloseEvent* event) {
    event->ignore();
}
