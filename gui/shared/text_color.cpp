// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_color.h"

#include <QEvent>
#include <QObject>
#include <QPalette>
#include <QWidget>
#include <optional>

#include "theme_colors.h"

namespace {

// Lives as the widget's child and sets its text colour again whenever its palette changes, for the
// colour it must be on the new one.
class cTextColorKeeper final : public QObject {
public:
    cTextColorKeeper(QWidget* widget, std::optional<QColor> lightPaletteColor)
        : QObject(widget), widget_(widget), color_(lightPaletteColor) {
        widget->installEventFilter(this);
        Apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::PaletteChange) Apply();
        return false;
    }

private:
    void Apply() {
        const QPalette& window = widget_->window()->palette();
        const QColor wanted = color_ ? ReadableColor(*color_, window) : window.color(QPalette::WindowText);
        // Setting the colour changes the palette once more; the second time it is already right.
        if (widget_->palette().color(QPalette::WindowText) == wanted) return;
        QPalette palette = widget_->palette();
        palette.setColor(QPalette::WindowText, wanted);
        widget_->setPalette(palette);
    }

    QWidget* widget_;
    std::optional<QColor> color_;
};

}  // namespace

void SetTextColor(QWidget* widget, const QColor& lightPaletteColor) {
    new cTextColorKeeper(widget, lightPaletteColor);
}

void SetPlainTextColor(QWidget* widget) {
    new cTextColorKeeper(widget, std::nullopt);
}
