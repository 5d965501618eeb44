// TEMPORARY stand-in until the real result text lands on main; take main's version when merging.
#pragma once
#include <string>
std::string ResultText(double value, char decimalSeparator);
