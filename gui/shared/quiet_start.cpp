// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiet_start.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

// Where no runtime folder is set (a plain login shell, a container) Qt uses one of its own and says
// so at every start; the program works the same either way.
bool Harmless(const QString& message) {
    return message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && Harmless(message)) return;
    previousHandler(type, context, message);
}

}  // namespace

void QuietenHarmlessQtNotes() {
    previousHandler = qInstallMessageHandler(FilterMessage);
}
