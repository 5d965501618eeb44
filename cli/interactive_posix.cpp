// SPDX-License-Identifier: GPL-3.0-or-later
#include "interactive.h"

#include <histedit.h>

#include <signal.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "common/program_files.h"
#include "completion.h"
#include "console.h"
#include "console_hooks.h"
#include "interrupts.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* Prompt = "> ";
constexpr int HistorySize = 1000;

struct cEditLineEnd {
    void operator()(EditLine* editor) const { el_end(editor); }
};
struct cHistoryEnd {
    void operator()(History* history) const { history_end(history); }
};

bool LineCancelled = false;

const char* ShowPrompt(EditLine*) {
    return Prompt;
}

fs::path HistoryPath();
unsigned char CompleteWord(EditLine* editor, int key);
unsigned char CancelLine(EditLine* editor, int key);
unsigned char Suspend(EditLine* editor, int key);

// The history of earlier runs, kept in the user's data folder. A history that cannot be read or
// written is no reason to stop calculating: it is simply not kept.
class cHistory {
public:
    cHistory() : history_(history_init()), path_(HistoryPath()) {
        HistEvent event;
        history(history_.get(), &event, H_SETSIZE, HistorySize);
        history(history_.get(), &event, H_SETUNIQUE, 1);  // an immediate repeat is kept once
        if (!path_.empty()) history(history_.get(), &event, H_LOAD, path_.c_str());
    }

    History* get() const { return history_.get(); }

    void Add(const std::string& line) {
        HistEvent event;
        history(history_.get(), &event, H_ENTER, line.c_str());
        if (path_.empty()) return;
        CreateFolderFor(path_);
        history(history_.get(), &event, H_SAVE, path_.c_str());
    }

private:
    std::unique_ptr<History, cHistoryEnd> history_;
    fs::path path_;
};

std::unique_ptr<EditLine, cEditLineEnd> MakeEditor(const cHistory& pastLines) {
    std::unique_ptr<EditLine, cEditLineEnd> editor(el_init("orvane-cli", stdin, stdout, stderr));
    EditLine* el = editor.get();
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_SIGNAL, 1);  // redraws after the window changes size
    el_set(el, EL_PROMPT, ShowPrompt);
    el_set(el, EL_HIST, history, pastLines.get());
    el_source(el, nullptr);  // the user's ~/.editrc
    // While a line is typed, Ctrl-C is a key that clears it instead of a signal; while a calculation
    // runs the terminal sends SIGINT as usual, which cancels the calculation.
    el_set(el, EL_SETTY, "-d", "-isig", nullptr);
    // The wide form keeps these texts as they are; the narrow one copies them and never frees them.
    el_wset(el, EL_ADDFN, L"orvane-cancel-line", L"Clear the line", CancelLine);
    el_set(el, EL_BIND, "^C", "orvane-cancel-line", nullptr);
    el_wset(el, EL_ADDFN, L"orvane-complete", L"Complete a name", CompleteWord);
    el_set(el, EL_BIND, "^I", "orvane-complete", nullptr);
    // With the terminal's signal keys off, Ctrl-Z is a key too: it stops the program as it would in
    // any shell, and the line comes back as it was when the shell resumes it.
    el_wset(el, EL_ADDFN, L"orvane-suspend", L"Suspend the program", Suspend);
    el_set(el, EL_BIND, "^Z", "orvane-suspend", nullptr);
    // libedit's own command line (Esc x, and ':' in vi's command mode) ends the program on a lone
    // quote, and has nothing a calculation needs.
    for (const char* key : {"^[x", "^[X"})
        el_set(el, EL_BIND, key, "ed-unassigned", nullptr);
    el_set(el, EL_BIND, "-a", ":", "ed-unassigned", nullptr);
    return editor;
}

}  // namespace

int RunInteractive(cSession& session) {
    cHistory history;
    const auto editor = MakeEditor(history);
    CatchInterrupts();
    InstallCancellingHooks();
    session.MarkFailuresAfterPrompt(std::string_view(Prompt).size());
    for (;;) {
        LineCancelled = false;
        int count = 0;
        const char* read = el_gets(editor.get(), &count);
        if (read == nullptr && count < 0 && errno == EINTR) {
            // SIGINT from outside (kill -INT) while a line is typed: the line goes, as with Ctrl-C.
            ForgetInterrupt();
            el_reset(editor.get());
            StandardOutput().Write("^C\n");
            if (!StandardOutput().Flush()) return IoFailureStatus;
            continue;
        }
        if (read == nullptr || count <= 0) break;
        if (LineCancelled) continue;
        std::string line(read, static_cast<std::size_t>(count));
        if (line.back() == '\n') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        history.Add(line);
        ForgetInterrupt();
        session.RunLine(line);
        if (!StandardOutput().Flush()) return 3;
    }
    StandardOutput().Write("\n");  // the shell's prompt then starts on a line of its own
    return StandardOutput().Flush() ? 0 : 3;
}

namespace {

fs::path HistoryPath() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/')
        return fs::path(data) / "orvane" / "cli_history";
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        return fs::path(home) / ".local" / "share" / "orvane" / "cli_history";
    return {};
}

std::string TextBeforeCursor(EditLine* editor) {
    const LineInfo* line = el_line(editor);
    return std::string(line->buffer, line->cursor);
}

unsigned char CompleteWord(EditLine* editor, int) {
    const cCompletion completion = Complete(TextBeforeCursor(editor));
    if (!completion.insert.empty()) {
        el_insertstr(editor, completion.insert.c_str());
        return CC_REFRESH;
    }
    if (completion.choices.empty()) return CC_REFRESH_BEEP;
    std::string list = "\n";
    for (const std::string& choice : completion.choices)
        list += choice + "  ";
    list += "\n";
    std::fputs(list.c_str(), stdout);
    return CC_REDISPLAY;
}

// Shows ^C at the end of the line and ends it as Enter would; the loop then throws the line away.
unsigned char CancelLine(EditLine* editor, int) {
    const LineInfo* line = el_line(editor);
    el_cursor(editor, static_cast<int>(line->lastchar - line->cursor));
    el_insertstr(editor, "^C");
    el_push(editor, "\n");
    LineCancelled = true;
    return CC_REFRESH;
}

// The whole job stops, as the terminal's Ctrl-Z would stop it; libedit gives the terminal back to the
// shell while stopped and takes it again on SIGCONT.
unsigned char Suspend(EditLine*, int) {
    kill(0, SIGTSTP);
    return CC_REDISPLAY;
}

}  // namespace
