// SPDX-License-Identifier: MIT
// Starts a program, waits until it maps a top-level window of the given title on the X display,
// and prints the time from the start to that moment in milliseconds and the program's peak
// resident memory by then in KiB; then ends the program. With a window manager or without one:
// every window made on the root is watched itself, so that its mapping is seen wherever the
// window manager puts it.
//   startup_probe TITLE PROGRAM [ARGUMENTS...]
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

std::string WindowTitle(xcb_connection_t *connection, xcb_window_t window)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256),
            nullptr),
        &std::free);
    if (!reply)
        return {};
    return {static_cast<const char *>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

long PeakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        std::_Exit(127);
    }
    const auto shown
        = [&](xcb_window_t window) { return WindowTitle(connection, window) == title; };
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        const auto type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            // A new top-level window: its own mapping is reported to it, after a window manager
            // has put it into a frame of its own.
            const auto *creation = reinterpret_cast<xcb_create_notify_event_t *>(event);
            const std::uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection, creation->window, XCB_CW_EVENT_MASK,
                                         &structure);
            xcb_flush(connection);
            continue;
        }
        if (type != XCB_MAP_NOTIFY
            || !shown(reinterpret_cast<xcb_map_notify_event_t *>(event)->window))
            continue;
        const std::chrono::duration<double, std::milli> elapsed
            = std::chrono::steady_clock::now() - start;
        const long peak = PeakResidentKiB(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::printf("%.1f %ld\n", elapsed.count(), peak);
        return 0;
    }
    return 1;
}
