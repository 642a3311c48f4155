#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/SurveyData.h"

namespace mirota::test {

// One tier, two chain figures and one exception figure: the 66-line file.
SurveyData exampleDocument();
// The 66 lines of exampleDocument() in code page 932, written out by hand from the file's table.
std::vector<std::string> exampleLines();
// Lines joined, each ended by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// A fresh folder, removed with everything in it at the end of the test.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::filesystem::path& path() const { return path_; }
    // The path (UTF-8) of name (UTF-8) in the folder.
    std::string file(const std::string& name) const;
    // The names of the folder's entries, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path path_;
};

// A path as UTF-8 text, the form the program's paths take.
std::string utf8Of(const std::filesystem::path& path);

// The whole file at path (UTF-8).
std::string readAll(const std::string& path);
void writeAll(const std::string& path, const std::string& bytes);

}  // namespace mirota::test
