#include "bench/pulseserver.h"

#include <pulse/introspect.h>

#include <cstring>

PulseServer::PulseServer() : mainloop(pa_threaded_mainloop_new())
{
    pa_threaded_mainloop_start(mainloop);
}

PulseServer::~PulseServer()
{
    if (ctx) {
        Locked held(*this);
        pa_context_disconnect(ctx);
        pa_context_unref(ctx);
    }
    pa_threaded_mainloop_stop(mainloop);
    pa_threaded_mainloop_free(mainloop);
}

void PulseServer::wake(void* server)
{
    pa_threaded_mainloop_signal(static_cast<PulseServer*>(server)->mainloop, 0);
}

bool PulseServer::connect(const char* name)
{
    Locked held(*this);
    ctx = pa_context_new(pa_threaded_mainloop_get_api(mainloop), name);
    pa_context_set_state_callback(
        ctx, [](pa_context*, void* self) { wake(self); }, this);
    if (pa_context_connect(ctx, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    pa_context_state_t state;
    while ((state = pa_context_get_state(ctx)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state))
        wait();
    return state == PA_CONTEXT_READY;
}

namespace
{
// What a query of the server's lists found: whether an entry matched, once the list has ended.
struct Answer {
    PulseServer* server;
    bool done = false;
    bool found = false;
    const char* name;
    // One entry of the list (none with the list's end), and whether the list has ended.
    void take(bool matches, int eol)
    {
        found = found || matches;
        if (eol) {
            done = true;
            PulseServer::wake(server);
        }
    }
};

bool awaited(PulseServer& server, pa_context* ctx, pa_operation* op, const Answer& answer)
{
    unref(op);
    while (!answer.done && pa_context_get_state(ctx) == PA_CONTEXT_READY)
        server.wait();
    return answer.found;
}
} // namespace

bool PulseServer::sinkSuspended(const char* sink)
{
    Locked held(*this);
    Answer answer{this, false, false, sink};
    return awaited(*this, ctx,
                   pa_context_get_sink_info_by_name(
                       ctx, sink,
                       [](pa_context*, const pa_sink_info* info, int eol, void* a) {
                           static_cast<Answer*>(a)->take(info && info->state == PA_SINK_SUSPENDED,
                                                         eol);
                       },
                       &answer),
                   answer);
}

bool PulseServer::hasModule(const char* module)
{
    Locked held(*this);
    Answer answer{this, false, false, module};
    return awaited(*this, ctx,
                   pa_context_get_module_info_list(
                       ctx,
                       [](pa_context*, const pa_module_info* info, int eol, void* a) {
                           auto* answer = static_cast<Answer*>(a);
                           answer->take(info && std::strcmp(info->name, answer->name) == 0, eol);
                       },
                       &answer),
                   answer);
}
