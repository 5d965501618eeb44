// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of standard input, read in large blocks with memory bounded whatever arrives: a line longer
// than MaxLineLength is not kept but passed over to its end and reported as too long.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t MaxLineLength = 16 * 1024 * 1024;
// What a script and the prompt say about such a line.
inline constexpr std::string_view LineTooLongMessage = "the line is longer than 16 MiB and was not read";

struct cInputLine {
    std::string_view text;  // without its line end (LF or CR LF); valid until the next line is read
    bool tooLong = false;   // the text is then empty
};

class cLineReader {
public:
    // beforeWaiting runs before every read of the descriptor, which may wait for more input.
    cLineReader(int descriptor, void (*beforeWaiting)());

    // The next line; false at the end of the input or when reading failed (Error() then tells).
    bool Next(cInputLine& line);
    int Error() const { return error_; }

private:
    bool Fill();
    cInputLine Finish(std::string_view text);

    int descriptor_;
    void (*beforeWaiting_)();
    std::vector<char> block_;
    std::size_t begin_ = 0;  // unread part of the block: begin_ to end_
    std::size_t end_ = 0;
    std::string pending_;         // a line that goes on over blocks
    bool lineInPending_ = false;  // the line last answered lies in pending_
    bool skipping_ = false;       // the line in hand is too long; its rest is thrown away
    bool atEnd_ = false;
    int error_ = 0;
};
