// Key to screen: sends arrow keys to a window through XTest and watches
// what the X server draws, through DAMAGE on the root window, which reports
// every rectangle any client draws.
//
//   orlix-key-latency WINDOW each COUNT
//       COUNT keys, Right and Left in turn, each sent once the screen has
//       been quiet for a while after the one before. One line per key:
//       "first-ms last-ms area-px bbox-w bbox-h": the first and the last
//       damage after the key, the pixels damaged (rectangles added up) and
//       the box around them.
//   orlix-key-latency WINDOW stream RATE SECONDS
//       Right and Left in turn at RATE keys a second, without waiting for
//       the screen. One line: "keys cells lag-ms": the keys sent, the 2 x 2
//       cells drawn (one per move shown) and the time from the last key to
//       the last cell drawn.
//
// Standard C++ and xcb only. Times are from the moment the key press was
// flushed to the server.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <string>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {
using Clock = std::chrono::steady_clock;
constexpr xcb_keysym_t kRight = 0xff53, kLeft = 0xff51;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Damage {
    double ms; // after the key
    xcb_rectangle_t area;
};

class Screen {
public:
    Screen() : m_c(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(m_c))
            Fail("no X display");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_c, &xcb_damage_id);
        if (damage == nullptr || !damage->present)
            Fail("the X server has no DAMAGE");
        m_damageEvent = damage->first_event;
        std::free(xcb_damage_query_version_reply(
            m_c, xcb_damage_query_version(m_c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        xcb_damage_create(m_c, xcb_generate_id(m_c), m_root,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        m_right = Keycode(kRight);
        m_left = Keycode(kLeft);
        xcb_flush(m_c);
    }
    ~Screen() { xcb_disconnect(m_c); }

    [[noreturn]] static void Fail(const char* why) {
        std::fprintf(stderr, "orlix-key-latency: %s\n", why);
        std::exit(2);
    }

    void Focus(xcb_window_t window) {
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }

    // Sends a press and a release of the n-th key of Right, Left, ...
    Clock::time_point Press(int n) {
        const xcb_keycode_t key = n % 2 == 0 ? m_right : m_left;
        xcb_test_fake_input(m_c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        xcb_test_fake_input(m_c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        xcb_flush(m_c);
        return Clock::now();
    }

    // The damage reported until quietMs pass without any (or limitMs in
    // all), times counted from since.
    std::vector<Damage> Collect(Clock::time_point since, double quietMs, double limitMs) {
        std::vector<Damage> seen;
        const auto start = Clock::now();
        double lastMs = MsSince(start);
        while (true) {
            const double now = MsSince(start);
            const double wait = std::min(lastMs + quietMs, limitMs) - now;
            if (wait <= 0)
                return seen;
            pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
            if (xcb_poll_for_queued_event(m_c) == nullptr)
                poll(&p, 1, int(wait) + 1);
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
                if ((event->response_type & 0x7f) == m_damageEvent + XCB_DAMAGE_NOTIFY) {
                    const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                    seen.push_back({MsSince(since), notify->area});
                    lastMs = MsSince(start);
                }
                std::free(event);
            }
            if (xcb_connection_has_error(m_c))
                Fail("the X connection broke");
        }
    }

private:
    xcb_keycode_t Keycode(xcb_keysym_t symbol) {
        const xcb_setup_t* setup = xcb_get_setup(m_c);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto* reply = xcb_get_keyboard_mapping_reply(
            m_c, xcb_get_keyboard_mapping(m_c, setup->min_keycode, uint8_t(count)), nullptr);
        if (reply == nullptr)
            Fail("no keyboard mapping");
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
        const int perKey = reply->keysyms_per_keycode;
        std::optional<xcb_keycode_t> found;
        for (int i = 0; i < count * perKey && !found; ++i)
            if (symbols[i] == symbol)
                found = xcb_keycode_t(setup->min_keycode + i / perKey);
        std::free(reply);
        if (!found)
            Fail("an arrow key has no keycode");
        return *found;
    }

    xcb_connection_t* m_c;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    xcb_keycode_t m_right = 0, m_left = 0;
};

void PrintKey(const std::vector<Damage>& seen) {
    if (seen.empty()) {
        std::printf("- - 0 0 0\n");
        return;
    }
    long area = 0;
    int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
    for (const Damage& d : seen) {
        area += long(d.area.width) * d.area.height;
        left = std::min(left, int(d.area.x));
        top = std::min(top, int(d.area.y));
        right = std::max(right, d.area.x + d.area.width);
        bottom = std::max(bottom, d.area.y + d.area.height);
    }
    std::printf("%.3f %.3f %ld %d %d\n", seen.front().ms, seen.back().ms, area, right - left,
                bottom - top);
}

// Quiet for 40 ms: the game draws a move in well under a millisecond.
int EachKey(Screen& screen, int count) {
    screen.Collect(Clock::now(), 100, 1000); // whatever the start left behind
    for (int n = 0; n < count; ++n) {
        const auto sent = screen.Press(n);
        PrintKey(screen.Collect(sent, 40, 1000));
    }
    return 0;
}

int Stream(Screen& screen, double rate, double seconds) {
    screen.Collect(Clock::now(), 100, 1000);
    const auto start = Clock::now();
    const int keys = int(rate * seconds);
    std::vector<Damage> seen;
    Clock::time_point last = start;
    for (int n = 0; n < keys; ++n) {
        const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(n / rate));
        const double wait = std::chrono::duration<double, std::milli>(due - Clock::now()).count();
        for (const Damage& d : screen.Collect(start, std::max(wait, 0.0), std::max(wait, 0.0)))
            seen.push_back(d);
        last = screen.Press(n);
    }
    const double lastKeyMs = std::chrono::duration<double, std::milli>(last - start).count();
    for (const Damage& d : screen.Collect(start, 300, 3000))
        seen.push_back(d);
    int cells = 0;
    double lastCellMs = -1;
    for (const Damage& d : seen)
        if (d.area.width == 2 && d.area.height == 2) {
            ++cells;
            lastCellMs = d.ms;
        }
    std::printf("%d %d %.3f\n", keys, cells, lastCellMs - lastKeyMs);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[2] : "";
    if (!((mode == "each" && argc == 4) || (mode == "stream" && argc == 5))) {
        std::fprintf(stderr, "usage: orlix-key-latency WINDOW each COUNT\n"
                             "       orlix-key-latency WINDOW stream RATE SECONDS\n");
        return 2;
    }
    Screen screen;
    screen.Focus(xcb_window_t(std::strtoul(argv[1], nullptr, 0)));
    if (mode == "each")
        return EachKey(screen, std::atoi(argv[3]));
    return Stream(screen, std::atof(argv[3]), std::atof(argv[4]));
}
