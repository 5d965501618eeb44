// SPDX-License-Identifier: GPL-3.0-or-later
// A script on standard input: every line is run as in interactive mode, and every message about a
// line names it ("line 3: parse error: ...").
#pragma once

#include "session.h"

// Answers the exit status: 0 when every line succeeded, 1 when any failed, 3 when standard input
// could not be read or standard output could not be written.
int RunScript(cSession& session);
