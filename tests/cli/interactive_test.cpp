// SPDX-License-Identifier: GPL-3.0-or-later
// Interactive mode at a pseudo-terminal: formulas, the history across runs, completion with Tab, and
// Ctrl-C and Ctrl-D as a user presses them.
#include <gtest/gtest.h>

#ifdef _WIN32

TEST(InteractiveTest, NeedsAPseudoTerminal) {
    GTEST_SKIP() << "Windows has no pseudo-terminals, and a console cannot be typed into under wine";
}

#else

#include <csignal>
#include <filesystem>
#include <thread>

#include "cli_runner.h"
#include "pty_session.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* Up = "\x1b[A";
constexpr const char* CtrlC = "\x03";
constexpr const char* CtrlD = "\x04";

// Every session gets a home of its own, so that the history file is the test's.
class InteractiveTest : public ::testing::Test {
protected:
    std::vector<std::string> Environment() const {
        return {"HOME=" + home_.Path().string(), "XDG_DATA_HOME=" + home_.Path("data"), "TERM=vt100"};
    }
    // Where the history both programs share is kept, and orvane-cli's older one.
    std::filesystem::path HistoryFolder() const { return home_.Path() / "data" / "orvane"; }

private:
    cTestFolder home_;
};

// Keys are typed once the prompt shows and the line editor has the terminal, as a user does: before,
// Ctrl-C would be a signal to a program not yet listening, and Ctrl-D the terminal's end of file.
// answer: what the program shows in reply; none for a line whose answer is the next prompt.
void Enter(cPtySession& cli, const std::string& keys, const std::string& answer = {}) {
    ASSERT_TRUE(cli.WaitFor("> ")) << cli.Screen();
    ASSERT_TRUE(cli.WaitForLineEditor());
    cli.Type(keys);
    if (!answer.empty()) {
        EXPECT_TRUE(cli.WaitFor(answer)) << cli.Screen();
    }
}

TEST_F(InteractiveTest, FormulasAndTheHistoryOfEarlierRuns) {
    {
        cPtySession cli(Environment());
        Enter(cli, "6*7\r", "42\r\n");
        Enter(cli, std::string(Up) + "+1\r", "43\r\n");
        Enter(cli, CtrlD);
        EXPECT_EQ(cli.WaitForExit(), 0);
    }
    cPtySession again(Environment());
    Enter(again, std::string(Up) + Up + "\r", "42\r\n");
}

// Each session once rewrote the whole file with its own lines when it ended.
TEST_F(InteractiveTest, SessionsSharingTheHistoryKeepEachOthersLines) {
    {
        cPtySession first(Environment());
        cPtySession second(Environment());
        Enter(first, "1+1\r", "2\r\n");
        Enter(second, "2+2\r", "4\r\n");
        Enter(first, "3+3\r", "6\r\n");
        for (cPtySession* cli : {&second, &first}) {
            Enter(*cli, CtrlD);
            EXPECT_EQ(cli->WaitForExit(), 0);
        }
    }
    cPtySession again(Environment());
    Enter(again, std::string(Up) + Up + "\r", "4\r\n");
}

// A FIFO in the place of the history, or of the older one read once, stalled the start for good.
TEST_F(InteractiveTest, AFifoAsTheHistoryStallsNothing) {
    for (const char* name : {"cli_history", "history"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path fifo = HistoryFolder() / name;
        std::filesystem::create_directories(HistoryFolder());
        std::filesystem::remove(fifo);
        ASSERT_EQ(MakeFifo(fifo.string()), 0);
        cPtySession cli(Environment());
        Enter(cli, "6*7\r", "42\r\n");
        Enter(cli, CtrlD);
        EXPECT_EQ(cli.WaitForExit(), 0);
        EXPECT_TRUE(std::filesystem::is_fifo(fifo));
        // The shared file is the user's, left alone, and said to be; the older one is only read.
        EXPECT_EQ(cli.Screen().find("is not a regular file") != std::string::npos,
                  name == std::string("history"))
            << cli.Screen();
    }
}

// Once kept in full: the history file grew by the line's size, and every later line took seconds.
TEST_F(InteractiveTest, AFormulaTooLongToKeepIsCalculatedButNotKept) {
    const std::string formula = "1+1" + std::string(64 * 1024, ' ');  // longer than the history keeps
    cPtySession cli(Environment());
    Enter(cli, formula + "\r", "2\r\n");
    Enter(cli, "6*7\r", "42\r\n");
    Enter(cli, CtrlD);
    EXPECT_EQ(cli.WaitForExit(), 0);
    EXPECT_EQ(ReadWholeFile(HistoryFolder() / "history"), "6*7\n");
}

// A relative HOME once made ./HOME/.local/share/orvane wherever the program was started.
TEST_F(InteractiveTest, ARelativeHomeMakesNoFolders) {
    const std::string home = UniqueTempPath("orvane relative home ").filename().string();
    {
        cPtySession cli({"HOME=" + home, "XDG_DATA_HOME=", "TERM=vt100"});
        Enter(cli, "6*7\r", "42\r\n");
        Enter(cli, CtrlD);
        EXPECT_EQ(cli.WaitForExit(), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(home));
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
}

TEST_F(InteractiveTest, TabCompletesBuiltInsAndUserFunctions) {
    cPtySession cli(Environment());
    Enter(cli, "sq\t16)\r", "sqrt(16)");
    Enter(cli, ":func double(x)=2*x\r");
    Enter(cli, "dou\t21)\r", "42\r\n");
    Enter(cli, "si\t\t", "sin  sinh");  // the first Tab adds the "n" both have
}

TEST_F(InteractiveTest, CtrlCCancelsACalculationWithinASecond) {
    cPtySession cli(Environment());
    Enter(cli, "sum('i';1;1000000000;i)\r");
    ASSERT_TRUE(cli.WaitForLineEditor(false));  // the line is being calculated
    std::this_thread::sleep_for(300ms);
    const auto pressed = std::chrono::steady_clock::now();
    cli.Type(CtrlC);
    ASSERT_TRUE(cli.WaitFor("calc error: calculation cancelled\r\n> ")) << cli.Screen();
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, 1s);
    ASSERT_TRUE(cli.WaitForLineEditor());
    cli.Type("1+1\r");
    EXPECT_TRUE(cli.WaitFor("2\r\n")) << cli.Screen();
}

TEST_F(InteractiveTest, CtrlCClearsTheLineAndCtrlDEnds) {
    cPtySession cli(Environment());
    Enter(cli, std::string("123") + CtrlC, "^C");
    Enter(cli, "4\r", "\r\n4\r\n");
    Enter(cli, CtrlD);
    EXPECT_EQ(cli.WaitForExit(), 0);
    EXPECT_EQ(cli.Screen().find("1234"), std::string::npos) << cli.Screen();
}

// Keys and signals that once ended the session and lost its variables: libedit's command line (Esc x)
// given a lone quote, and SIGINT from outside while a line is typed, which now clears the line as
// Ctrl-C does.
TEST_F(InteractiveTest, NoKeyOrInterruptAtThePromptEndsTheSession) {
    cPtySession cli(Environment());
    Enter(cli, "5\r", "5\r\n");
    Enter(cli, ":m a\r");
    for (const char* keys : {"\x1bx\"\r", "\x1bX'\r"}) {
        Enter(cli, keys);
        Enter(cli, "1+1\r", "2\r\n");
    }
    Enter(cli, "12", "12");
    cli.Signal(SIGINT);
    EXPECT_TRUE(cli.WaitFor("^C\r\n")) << cli.Screen();
    Enter(cli, "a+1\r", "\r\n6\r\n");
    Enter(cli, CtrlD);
    EXPECT_EQ(cli.WaitForExit(), 0);
}

}  // namespace

#endif
