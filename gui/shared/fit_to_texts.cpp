// SPDX-License-Identifier: GPL-3.0-or-later
#include "fit_to_texts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Room a push button's frame and a group box's title need beside their text, in pixels.
constexpr int ButtonFrame = 8;
constexpr int ButtonFrameHeight = 2;
constexpr int TitleIndent = 16;
const char* const DesignGeometry = "orvaneDesignGeometry";
// Windows grow in steps of 2 %, to at most four times their size.
constexpr double GrowthStep = 0.02;
constexpr double MostGrowth = 4;

// The controls placed by hand: the window's children, those of its group boxes and plain panels, and
// those of a tab control's pages; not the parts of a compound control, which places them itself.
void ForEachPlacedControl(QWidget* container, const std::function<void(QWidget*)>& visit) {
    if (container->layout()) return;
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow()) continue;
        visit(child);
        if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
            for (int i = 0; i < tabs->count(); ++i)
                ForEachPlacedControl(tabs->widget(i), visit);
        } else if (qobject_cast<QGroupBox*>(child) || child->metaObject() == &QWidget::staticMetaObject) {
            ForEachPlacedControl(child, visit);
        }
    }
}

// The height of the letters of a line, without the room above and below them that a font keeps for
// accents and line spacing: a box that height shows the text whole.
int InkHeight(const QFontMetrics& metrics) {
    return metrics.tightBoundingRect(QStringLiteral("XÄgjy")).height();
}

// The room the control's text needs when the control has that size; a wrapped text needs fewer
// lines in a wider box.
QSize NeededFor(const QWidget* control, const QSize& given) {
    const QFontMetrics metrics = control->fontMetrics();
    const int ink = InkHeight(metrics);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
        if (label->wordWrap()) return {0, label->heightForWidth(given.width()) - (metrics.height() - ink)};
        return {label->sizeHint().width(), ink};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return {metrics.horizontalAdvance(button->text()) + ButtonFrame, ink + ButtonFrameHeight};
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control))
        return {control->sizeHint().width(), ink};
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return {metrics.horizontalAdvance(group->title()) + TitleIndent, 0};
    if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
        return {tabs->tabBar()->sizeHint().width(), 0};
    return {};
}

QRect Scaled(const QRect& rect, double factor) {
    const auto times = [factor](int value) { return static_cast<int>(std::lround(value * factor)); };
    return {times(rect.x()), times(rect.y()), times(rect.width()), times(rect.height())};
}

// Lives as the window's child; the show event comes before the window is mapped.
class cFitOnShow final : public QObject {
public:
    explicit cFitOnShow(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) GrowToFitTexts(window_);
        return false;
    }

private:
    QWidget* window_;
};

QRect DesignOf(QWidget* widget) {
    const QVariant design = widget->property(DesignGeometry);
    if (design.isValid()) return design.toRect();
    const QRect geometry = widget->isWindow() ? QRect(QPoint(), widget->size()) : widget->geometry();
    widget->setProperty(DesignGeometry, geometry);
    return geometry;
}

}  // namespace

double GrowthToFitTexts(const QWidget* window) {
    QList<QWidget*> controls;
    ForEachPlacedControl(const_cast<QWidget*>(window),
                         [&controls](QWidget* control) { controls.append(control); });
    const auto allFit = [&controls](double growth) {
        return std::all_of(controls.begin(), controls.end(), [growth](const QWidget* control) {
            const QSize given = Scaled(QRect(QPoint(), control->size()), growth).size();
            const QSize needed = NeededFor(control, given);
            return needed.width() <= given.width() && needed.height() <= given.height();
        });
    };
    double growth = 1;
    while (!allFit(growth) && growth < MostGrowth)
        growth += GrowthStep;
    return growth;
}

void GrowToFitTexts(QWidget* window) {
    // Back to the drawn sizes first, so that a text that fits again lets the window shrink.
    const QSize drawn = DesignOf(window).size();
    ForEachPlacedControl(window, [](QWidget* control) { control->setGeometry(DesignOf(control)); });
    const double factor = GrowthToFitTexts(window);
    ForEachPlacedControl(
        window, [factor](QWidget* control) { control->setGeometry(Scaled(DesignOf(control), factor)); });
    const QSize size = Scaled(QRect(QPoint(), drawn), factor).size();
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else
        window->resize(size);
}

void FitTextsWhenShown(QWidget* window) {
    new cFitOnShow(window);
}
