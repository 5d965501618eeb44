// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_lines.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t BlockSize = 64 * 1024;

}  // namespace

cLineReader::cLineReader(int descriptor, void (*beforeWaiting)())
    : descriptor_(descriptor), beforeWaiting_(beforeWaiting), block_(BlockSize) {}

bool cLineReader::Next(cInputLine& line) {
    if (lineInPending_) pending_.clear();
    lineInPending_ = false;
    for (;;) {
        if (begin_ == end_ && !Fill()) {
            // The last line may lack its line end.
            if (error_ != 0 || (pending_.empty() && !skipping_)) return false;
            lineInPending_ = true;
            line = Finish(pending_);
            return true;
        }
        const char* start = block_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = newline != nullptr ? static_cast<std::size_t>(newline - start) : available;
        begin_ += newline != nullptr ? length + 1 : length;
        if (!skipping_ && pending_.size() + length > MaxLineLength) {
            skipping_ = true;
            pending_.clear();
            pending_.shrink_to_fit();
        }
        if (newline == nullptr) {
            if (!skipping_) pending_.append(start, length);
            continue;
        }
        if (skipping_ || !pending_.empty()) {
            if (!skipping_) pending_.append(start, length);
            lineInPending_ = true;
            line = Finish(pending_);
        } else {
            line = Finish(std::string_view(start, length));  // the common case: no copy
        }
        return true;
    }
}

bool cLineReader::Fill() {
    if (atEnd_) return false;
    beforeWaiting_();
    for (;;) {
        const ssize_t got = read(descriptor_, block_.data(), block_.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got < 0) error_ = errno;
            atEnd_ = true;
            return false;
        }
        begin_ = 0;
        end_ = static_cast<std::size_t>(got);
        return true;
    }
}

cInputLine cLineReader::Finish(std::string_view text) {
    cInputLine line;
    line.tooLong = skipping_;
    if (!skipping_) {
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        line.text = text;
    }
    skipping_ = false;
    return line;
}
