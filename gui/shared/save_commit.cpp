// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_commit.h"

#include <QSaveFile>

bool CommitWholeFile(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError || file.size() == 0) return false;
    return file.commit();
}
