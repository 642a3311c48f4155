#pragma once

#include <string>
#include <vector>

// Text at the program's edge in UTF-8, the core's form of text.
namespace mirota::cli {

// The program's arguments in UTF-8. Windows hands a program its arguments in the ANSI code page,
// which cannot hold every file name: there they are taken from the wide-character command line.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// While it lives, standard output and error carry the program's UTF-8 text as it is, with LF line
// ends as on every system: on Windows they are switched to binary mode, and a console shows UTF-8.
// Elsewhere it changes nothing.
class Utf8Output {
public:
    Utf8Output();
    ~Utf8Output();
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

private:
    unsigned previousCodePage_ = 0;
};

}  // namespace mirota::cli
