#pragma once

#include <windows.h>

#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "StandInDdeServer.h"

namespace mirota::test {

// The stand-in server on a thread of its own that pumps its messages.
class ServerThread {
public:
    explicit ServerThread(StandInOptions options = {}) {
        std::promise<std::optional<std::string>> started;
        std::future<std::optional<std::string>> result = started.get_future();
        thread_ = std::thread([this, options, &started] {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's message queue
            threadId_ = GetCurrentThreadId();
            auto failure = server_.start(options, [this](const std::string& bytes) {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(bytes);
            });
            const bool running = !failure;
            started.set_value(std::move(failure));
            while (running && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        });
        failure_ = result.get();
    }
    ~ServerThread() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }

    const std::optional<std::string>& failure() const { return failure_; }
    std::vector<std::string> requests() {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    const test::StandInDdeServer& server() const { return server_; }

private:
    test::StandInDdeServer server_;
    std::thread thread_;
    DWORD threadId_ = 0;
    std::optional<std::string> failure_;
    std::mutex mutex_;
    std::vector<std::string> requests_;
};

}  // namespace mirota::test
