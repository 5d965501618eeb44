// SPDX-License-Identifier: GPL-3.0-or-later
// File names between Qt and the standard library. Every path the program hands to common/ or the
// engine goes through PathOf, and every path it shows through QStringOfPath: on Windows both go by way
// of the wide characters, since the 8-bit encoding there cannot name every folder; elsewhere by way of
// the local 8-bit encoding, which is the file system's own.
#pragma once

#include <QString>
#include <filesystem>

std::filesystem::path PathOf(const QString& name);
QString QStringOfPath(const std::filesystem::path& path);
