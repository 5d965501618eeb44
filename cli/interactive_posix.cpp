// SPDX-License-Identifier: GPL-3.0-or-later
#include "interactive.h"

#include <histedit.h>

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cwchar>
#include <memory>
#include <string>

#include "common/formula_history.h"
#include "completion.h"
#include "console.h"
#include "console_hooks.h"
#include "input_lines.h"
#include "interrupts.h"

namespace {

constexpr const char* Prompt = "> ";

struct cEditLineEnd {
    void operator()(EditLine* editor) const { el_end(editor); }
};
struct cHistoryEnd {
    void operator()(History* history) const { history_end(history); }
};

bool LineCancelled = false;
bool KeyWaitInterrupted = false;
volatile sig_atomic_t WindowResized = 0;

const char* ShowPrompt(EditLine*) {
    return Prompt;
}

int ReadKey(EditLine* editor, wchar_t* key);
void NoteResize(int);
unsigned char CompleteWord(EditLine* editor, int key);
unsigned char CancelLine(EditLine* editor, int key);
unsigned char Suspend(EditLine* editor, int key);

// Up and Down walk libedit's history, which holds the entries of the history both programs share:
// libedit never reads or writes the file itself, so that its format and its rewriting of the whole
// file stay out of it. A history that cannot be kept is no reason to stop calculating.
class cHistory {
public:
    cHistory() : history_(history_init()), formulas_(SharedFormulaHistory()) {
        HistEvent event;
        history(history_.get(), &event, H_SETSIZE, static_cast<int>(cFormulaHistory::MaxEntries));
        history(history_.get(), &event, H_SETUNIQUE, 1);  // an immediate repeat is kept once
        for (const std::string& entry : formulas_.Entries())
            history(history_.get(), &event, H_ENTER, entry.c_str());
        if (!formulas_.Entries().empty()) newest_ = formulas_.Entries().back();
        if (!formulas_.Problem().empty()) ReportProgramMessage(formulas_.Problem());
    }

    History* get() const { return history_.get(); }

    void Add(const std::string& line) {
        formulas_.Add(line);
        // The shared history decides what is kept (nothing overlong), and in which form.
        const auto& entries = formulas_.Entries();
        if (entries.empty() || entries.back() == newest_) return;
        newest_ = entries.back();
        HistEvent event;
        history(history_.get(), &event, H_ENTER, newest_.c_str());
    }

private:
    std::unique_ptr<History, cHistoryEnd> history_;
    cFormulaHistory formulas_;
    std::string newest_;
};

std::unique_ptr<EditLine, cEditLineEnd> MakeEditor(const cHistory& pastLines) {
    std::unique_ptr<EditLine, cEditLineEnd> editor(el_init("orvane-cli", stdin, stdout, stderr));
    EditLine* el = editor.get();
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_SIGNAL, 1);  // redraws after the window changes size
    el_wset(el, EL_GETCFN, ReadKey);
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
    signal(SIGWINCH, NoteResize);
    InstallCancellingHooks();
    session.MarkFailuresAfterPrompt(std::string_view(Prompt).size());
    for (;;) {
        LineCancelled = false;
        KeyWaitInterrupted = false;
        int count = 0;
        const char* read = el_gets(editor.get(), &count);
        if (read == nullptr && count < 0 && KeyWaitInterrupted) {
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
        if (line.size() > MaxLineLength) {
            StandardOutput().Line("<ERROR>");
            ReportMessage(LineTooLongMessage);
            continue;
        }
        history.Add(line);
        ForgetInterrupt();
        session.RunLine(line);
        if (!StandardOutput().Flush()) return 3;
    }
    StandardOutput().Write("\n");  // the shell's prompt then starts on a line of its own
    return StandardOutput().Flush() ? 0 : 3;
}

namespace {

// Reads one character of the line being typed. libedit's own reader waits in read() and so noticed
// SIGINT from outside only when it landed during that call: one that came while the line was being
// redrawn went unnoticed until the next key. Here one wait covers the terminal and the request.
int ReadKey(EditLine* editor, wchar_t* key) {
    *key = L'\0';
    char bytes[MB_LEN_MAX];
    std::size_t count = 0;
    for (;;) {
        pollfd waits[] = {{STDIN_FILENO, POLLIN, 0}, {InterruptWakeDescriptor(), POLLIN, 0}};
        const int ready = poll(waits, 2, -1);
        if (ready < 0 && errno != EINTR) return -1;
        if (WindowResized != 0) {
            WindowResized = 0;
            el_resize(editor);
        }
        if (ready <= 0) continue;
        if (waits[1].revents != 0) {
            ClearInterruptWake();
            if (TakeInterrupt()) {
                KeyWaitInterrupted = true;
                errno = EINTR;
                return -1;
            }
        }
        if (waits[0].revents == 0) continue;
        const ssize_t got = read(STDIN_FILENO, &bytes[count], 1);
        if (got == 0) return 0;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return -1;
        }
        ++count;
        std::mbstate_t state{};
        const std::size_t used = std::mbrtowc(key, bytes, count, &state);
        if (used == static_cast<std::size_t>(-2) && count < sizeof bytes) continue;  // more to come
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            count = 0;  // not a character: dropped, as libedit drops it
            continue;
        }
        return 1;
    }
}

// libedit redraws on the first change of size and then hands the signal on to this handler, which
// the wait above turns into the redraws of later ones.
void NoteResize(int) {
    WindowResized = 1;
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
