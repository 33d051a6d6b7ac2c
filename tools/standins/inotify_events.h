// Draining an inotify descriptor, shared by the state-tree and job watches.
#pragma once

#include <cerrno>
#include <sys/inotify.h>
#include <sys/types.h>
#include <unistd.h>

namespace standin {

// Reads every pending event of a non-blocking inotify descriptor and hands
// each to the handler.
template <typename Handler>
void drainInotify(int fd, Handler&& handle) {
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            handle(*event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

}  // namespace standin
