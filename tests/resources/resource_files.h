// Paths of the committed resources and card sets, and loading them for the tests.
#pragma once

#include <string>
#include <vector>

#include "tests/resources/phase_locator.h"

namespace tk_res_test {

// A path inside the repository.
std::string RepoPath(const std::string& relative);
// A committed 24-bit sheet; fails the test when it cannot be read.
SheetView LoadSheet(const std::string& relative);
// Files of a folder with the extension (".wav"), sorted by name.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension);
// The DATA_* folders under cardsets/, sorted.
std::vector<std::string> CardSetFolders();

}  // namespace tk_res_test
