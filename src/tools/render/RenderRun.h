// One run of osk-graphs-render inside a Qt application: the main window built and driven
// through its own controls as a user would, then its picture (and, if asked, its description)
// written out.
#pragma once

#include "RenderOptions.h"

#include <filesystem>
#include <iosfwd>

namespace osk::render {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // the log or an output file
inline constexpr int kExitUsage = 2;  // the command line

// Draws the log as options say and writes the files; problems go to err as one line each.
// languageFolder is where the language files are looked for.
int runRender(const RenderOptions& options, const std::filesystem::path& languageFolder,
              std::ostream& err);

} // namespace osk::render
