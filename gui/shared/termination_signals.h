// SPDX-License-Identifier: GPL-3.0-or-later
// SIGINT and SIGTERM end the program cleanly: the work in hand is cancelled (the progress handler sees
// TerminationRequested at once, also deep inside the engine) and Requested is emitted from the event
// loop, where the program can quit; nothing is cut off halfway, so a save in progress keeps the old
// file and leaves no temporary file behind.
#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

class cTerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; the previous ones come back when the object goes.
    cTerminationSignals();
    ~cTerminationSignals() override;

signals:
    void Requested();

private:
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

// True once SIGINT or SIGTERM has arrived while a cTerminationSignals is alive.
bool TerminationRequested();
