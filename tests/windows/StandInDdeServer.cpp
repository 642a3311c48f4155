#include "StandInDdeServer.h"

#include <windows.h>
#include <ddeml.h>

namespace mirota::test {

namespace {

// DDEML calls back on the thread that registered, without a context of its own.
thread_local StandInDdeServer* current = nullptr;

HDDEDATA CALLBACK serverCallback(UINT type, UINT, HCONV, HSZ topic, HSZ service, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    if (!current) return nullptr;
    return static_cast<HDDEDATA>(current->handle(type, topic, service, data));
}

bool same(void* a, void* b) { return DdeCmpStringHandles(static_cast<HSZ>(a), static_cast<HSZ>(b)) == 0; }

void* answer(ULONG_PTR value) { return reinterpret_cast<void*>(value); }

}  // namespace

std::optional<std::string> StandInDdeServer::start(const StandInOptions& options, RequestHandler onRequest) {
    options_ = options;
    onRequest_ = std::move(onRequest);
    current = this;
    DWORD instance = 0;
    const UINT error = DdeInitializeA(&instance, serverCallback, APPCLASS_STANDARD | CBF_FAIL_ADVISES |
                                                                     CBF_FAIL_POKES | CBF_FAIL_REQUESTS |
                                                                     CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                                      0);
    if (error != DMLERR_NO_ERROR) return "DdeInitializeA failed: " + std::to_string(error);
    instance_ = instance;
    serviceHandle_ = DdeCreateStringHandleA(instance, options_.service.c_str(), CP_WINANSI);
    topicHandle_ = DdeCreateStringHandleA(instance, options_.topic.c_str(), CP_WINANSI);
    if (!serviceHandle_ || !topicHandle_) return "DdeCreateStringHandleA failed";
    if (!DdeNameService(instance, static_cast<HSZ>(serviceHandle_), nullptr, DNS_REGISTER)) {
        return "DdeNameService failed: " + std::to_string(DdeGetLastError(instance));
    }
    return std::nullopt;
}

StandInDdeServer::~StandInDdeServer() {
    if (instance_) {
        DdeNameService(instance_, static_cast<HSZ>(serviceHandle_), nullptr, DNS_UNREGISTER);
        if (serviceHandle_) DdeFreeStringHandle(instance_, static_cast<HSZ>(serviceHandle_));
        if (topicHandle_) DdeFreeStringHandle(instance_, static_cast<HSZ>(topicHandle_));
        DdeUninitialize(instance_);
    }
    if (current == this) current = nullptr;
}

void* StandInDdeServer::handle(unsigned type, void* topic, void* service, void* data) {
    switch (type) {
    case XTYP_CONNECT:
        // topic, then service
        return answer(same(topic, topicHandle_) && same(service, serviceHandle_));
    case XTYP_CONNECT_CONFIRM: ++connections_; return nullptr;
    case XTYP_DISCONNECT: ++disconnections_; return nullptr;
    case XTYP_EXECUTE: {
        const int number = ++requests_;
        const DWORD size = DdeGetData(static_cast<HDDEDATA>(data), nullptr, 0, 0);
        std::string bytes(size, '\0');
        if (size) DdeGetData(static_cast<HDDEDATA>(data), reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
        // The request ends at its NUL; one without is refused, so that a client that leaves it out fails.
        const std::size_t end = bytes.find('\0');
        if (number == options_.refuseRequest || end == std::string::npos) return answer(DDE_FNOTPROCESSED);
        if (onRequest_) onRequest_(bytes.substr(0, end));
        if (number == options_.stallRequest) Sleep(static_cast<DWORD>(options_.stallMilliseconds));
        return answer(DDE_FACK);
    }
    default: return nullptr;
    }
}

}  // namespace mirota::test
