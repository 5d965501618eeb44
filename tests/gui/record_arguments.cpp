// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for a text editor in the documentation test, on every system: writes how many arguments it
// got after the first, then each of them on a line of its own, into the file its first argument names.
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    std::ofstream record(argv[1], std::ios::binary);
    record << argc - 2 << '\n';
    for (int i = 2; i < argc; ++i)
        record << argv[i] << '\n';
    return record ? 0 : 1;
}
