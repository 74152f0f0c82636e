// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kovrel {

/// The release number, set once in the build (the project's version in CMake), so that every
/// front-end, the About box, the package and the release notes name the same release.
std::string_view programVersion();

/// What `--version` prints for a program: its name and the release, then the copyright and
/// licence lines in the layout manual-page tools read.
std::string versionText(std::string_view programName);

}  // namespace kovrel
