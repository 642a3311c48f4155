// The stand-in for the CAD program's DDE server, run by the delivery test (never shipped).
//   standin_dde_server --log FILE --ready FILE [--refuse N] [--stall N] [--stall-ms MS] [--seconds S]
// Appends every accepted request to the log as its length in decimal, a line end, its bytes and a
// line end, so that CR and ESC come through as they are. The ready file appears once the service
// is registered. The program ends by itself after --seconds (120 unless told).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "StandInDdeServer.h"

namespace {

struct Arguments {
    std::string log;
    std::string ready;
    int seconds = 120;
    mirota::test::StandInOptions options;
};

bool parse(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--log") {
            arguments.log = value;
        } else if (name == "--ready") {
            arguments.ready = value;
        } else if (name == "--refuse") {
            arguments.options.refuseRequest = std::atoi(value.c_str());
        } else if (name == "--stall") {
            arguments.options.stallRequest = std::atoi(value.c_str());
        } else if (name == "--stall-ms") {
            arguments.options.stallMilliseconds = std::atoi(value.c_str());
        } else if (name == "--seconds") {
            arguments.seconds = std::atoi(value.c_str());
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !arguments.log.empty() && !arguments.ready.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parse(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: standin_dde_server --log FILE --ready FILE [--refuse N] [--stall N] "
                             "[--stall-ms MS] [--seconds S]\n");
        return 2;
    }
    FILE* log = std::fopen(arguments.log.c_str(), "ab");
    if (!log) {
        std::fprintf(stderr, "cannot open %s\n", arguments.log.c_str());
        return 1;
    }
    mirota::test::StandInDdeServer server;
    const auto failure = server.start(arguments.options, [log](const std::string& bytes) {
        std::fprintf(log, "%zu\n", bytes.size());
        std::fwrite(bytes.data(), 1, bytes.size(), log);
        std::fputc('\n', log);
        std::fflush(log);
    });
    if (failure) {
        std::fprintf(stderr, "%s\n", failure->c_str());
        return 1;
    }
    if (FILE* ready = std::fopen(arguments.ready.c_str(), "wb")) std::fclose(ready);

    SetTimer(nullptr, 0, static_cast<UINT>(arguments.seconds) * 1000u, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::fclose(log);
    return 0;
}
