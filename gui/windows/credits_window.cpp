// SPDX-License-Identifier: GPL-3.0-or-later
#include "credits_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "shared/app_icon.h"
#include "shared/app_texts.h"
#include "shared/design_names.h"
#include "shared/text_color.h"

TFCredits* FCredits = nullptr;

namespace {

QLabel* InfoLine(QGroupBox* group, const QString& text, int top) {
    auto* label = new QLabel(text, group);
    label->setGeometry(8, top, 161, 14);
    SetPlainTextColor(label);
    return label;
}

}  // namespace

TFCredits::TFCredits() {
    // No title-bar buttons: OK closes the box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("About Orvane"));
    setFont(DialogFont());
    setFixedSize(191, 239);
    move(278, 152);

    // The icon is drawn once, here, so that it is in place every time the box is shown.
    IIcon = new QLabel(this);
    IIcon->setGeometry(8, 8, 32, 32);
    IIcon->setPixmap(ApplicationIconPixmap());

    // The logo area stays blank.
    ILogo = new QLabel(this);
    ILogo->setGeometry(48, 8, 90, 75);

    GroupBox1 = new QGroupBox(QStringLiteral("Info"), this);
    GroupBox1->setGeometry(8, 88, 177, 113);
    SetTextColor(GroupBox1, Qt::blue);
    Label2 = InfoLine(GroupBox1, QStringLiteral("Version: 2.1.1, Mai 2003"), 24);
    Label1 = InfoLine(GroupBox1, QStringLiteral("Orvane scientific calculator"), 40);
    Label3 = InfoLine(GroupBox1, QStringLiteral("Written by the Orvane team"), 56);
    Label4 = InfoLine(GroupBox1, QStringLiteral("Free software, no warranty"), 72);
    Label5 = InfoLine(GroupBox1, QStringLiteral("Manual: Help > Documentation"), 88);

    BOk = new QPushButton(QStringLiteral("OK"), this);
    BOk->setGeometry(112, 208, 73, 25);
    BOk->setDefault(true);
    connect(BOk, &QPushButton::clicked, this, &TFCredits::BOkClick);
    SetDesignNames({DESIGN_NAME(IIcon), DESIGN_NAME(ILogo), DESIGN_NAME(GroupBox1), DESIGN_NAME(Label1),
                    DESIGN_NAME(Label2), DESIGN_NAME(Label3), DESIGN_NAME(Label4), DESIGN_NAME(Label5),
                    DESIGN_NAME(BOk)});
}

void TFCredits::BOkClick() {
    accept();
}
