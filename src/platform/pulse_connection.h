#pragma once

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

// Holds the audio library's lock for a scope: everything its thread shares is touched under it.
class PulseLock {
public:
    explicit PulseLock(pa_threaded_mainloop* mainloop)
        : mainloop_(mainloop) {
        pa_threaded_mainloop_lock(mainloop_);
    }
    ~PulseLock() { pa_threaded_mainloop_unlock(mainloop_); }
    PulseLock(const PulseLock&) = delete;
    PulseLock& operator=(const PulseLock&) = delete;

private:
    pa_threaded_mainloop* mainloop_;
};

// A new connection to the default audio server, on its way (changed tells how it goes);
// nullptr when it cannot even be tried.
inline pa_context* connectContext(pa_threaded_mainloop* mainloop, pa_context_notify_cb_t changed,
                                  void* userdata) {
    pa_context* context = pa_context_new(pa_threaded_mainloop_get_api(mainloop), "MOX-ABC");
    if (!context)
        return nullptr;
    pa_context_set_state_callback(context, changed, userdata);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_unref(context);
        return nullptr;
    }
    return context;
}

// Leaves the server, without waiting for it, and forgets the connection.
inline void dropContext(pa_context*& context) {
    if (!context)
        return;
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
}
