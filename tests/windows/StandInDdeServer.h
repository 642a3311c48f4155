#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

// A stand-in for the CAD program's DDE server, for tests only: it registers the service, takes the
// topic, and accepts execute requests (ANSI: the request's bytes as they came, up to their NUL).
// It can be told to refuse one request or to hold one past the client's time-out.
namespace mirota::test {

struct StandInOptions {
    std::string service = "AutoCAD LT.DDE";
    std::string topic = "System";
    int refuseRequest = 0;  // the 1-based request answered "not processed"; 0 for none
    int stallRequest = 0;   // the 1-based request that is held, then accepted
    int stallMilliseconds = 10000;
};

class StandInDdeServer {
public:
    using RequestHandler = std::function<void(const std::string& bytes)>;

    // Registers the service for the calling thread, which must pump its messages for requests to
    // arrive. onRequest is told the bytes of every request that is accepted or held, before it is
    // answered.
    // Gives the failure in words.
    std::optional<std::string> start(const StandInOptions& options, RequestHandler onRequest);
    ~StandInDdeServer();

    int connections() const { return connections_; }
    int disconnections() const { return disconnections_; }
    int requests() const { return requests_; }

    // For the DDEML callback of the thread that started the server.
    void* handle(unsigned type, void* topic, void* service, void* data);

private:
    StandInOptions options_;
    RequestHandler onRequest_;
    unsigned long instance_ = 0;
    void* serviceHandle_ = nullptr;
    void* topicHandle_ = nullptr;
    // read by tests on other threads
    std::atomic<int> connections_ = 0;
    std::atomic<int> disconnections_ = 0;
    std::atomic<int> requests_ = 0;
};

}  // namespace mirota::test
