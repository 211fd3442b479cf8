// Starts a program on the X display of DISPLAY and reports, in milliseconds from the
// moment it was started, when its first top-level window was mapped and when that
// window first showed content (not a single flat colour), then the program's peak
// resident set. Both moments come from X events (MapNotify, DamageNotify), never from
// polling. The program is ended with SIGTERM once its window has content.
//
//   startup_probe [--timeout SECONDS] program [arguments...]
// prints one line: "map_ms=12.3 paint_ms=45.6 rss_kb=78901"; exit status 0, or 1 with
// the reason on stderr.

#include <xcb/damage.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <poll.h>
#include <sys/shm.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "startup_probe: %s\n", why.c_str());
    std::exit(1);
}

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The window's pixels are read through a shared memory segment when the server offers
// one: a plain GetImage of a whole window makes the server copy it out through the
// socket, which on a small machine held the server up for 15 to 20 ms a look and
// delayed the very drawing being timed.
struct SharedImage {
    xcb_shm_seg_t segment = XCB_NONE;
    const uint8_t* pixels = nullptr;
    uint32_t capacity = 0;
};

SharedImage shareScreenSizedImage(xcb_connection_t* x, const xcb_screen_t& screen)
{
    SharedImage image;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(x, &xcb_shm_id);
    if (!shm || !shm->present)
        return image;
    image.capacity = uint32_t(screen.width_in_pixels) * screen.height_in_pixels * 4;
    const int id = shmget(IPC_PRIVATE, image.capacity, IPC_CREAT | 0600);
    if (id < 0)
        return image;
    void* address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return image;
    }
    image.segment = xcb_generate_id(x);
    Reply<xcb_generic_error_t> error(
        xcb_request_check(x, xcb_shm_attach_checked(x, image.segment, uint32_t(id), /*read_only=*/0)), std::free);
    shmctl(id, IPC_RMID, nullptr); // gone once both sides detach
    if (error) {
        shmdt(address);
        return {};
    }
    image.pixels = static_cast<const uint8_t*>(address);
    // The server maps the segment on its side page by page as it first writes to it:
    // one look at the whole screen does that now rather than while a program is timed.
    std::free(xcb_shm_get_image_reply(x, xcb_shm_get_image(x, screen.root, 0, 0, screen.width_in_pixels,
                                                          screen.height_in_pixels, ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                                          image.segment, 0),
                                      nullptr));
    return image;
}

// True when the pixels hold more than one colour: something was drawn in the window,
// not only its background. 24- and 32-bit visuals are stored four bytes a pixel.
bool moreThanOneColour(const uint8_t* data, size_t length)
{
    const size_t pixel = 4;
    for (size_t i = pixel; i + pixel <= length; i += pixel)
        if (std::memcmp(data, data + i, 3) != 0)
            return true;
    return false;
}

bool hasContent(xcb_connection_t* x, xcb_window_t window, const SharedImage& shared)
{
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr), std::free);
    if (!geometry)
        return false;
    const size_t length = size_t(geometry->width) * geometry->height * 4;
    if (shared.pixels && length <= shared.capacity) {
        Reply<xcb_shm_get_image_reply_t> image(
            xcb_shm_get_image_reply(x, xcb_shm_get_image(x, window, 0, 0, geometry->width, geometry->height, ~0u,
                                                         XCB_IMAGE_FORMAT_Z_PIXMAP, shared.segment, 0),
                                    nullptr),
            std::free);
        return image && moreThanOneColour(shared.pixels, std::min<size_t>(length, image->size));
    }
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width,
                                             geometry->height, ~0u), nullptr),
        std::free);
    return image && moreThanOneColour(xcb_get_image_data(image.get()), size_t(xcb_get_image_data_length(image.get())));
}

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    double timeoutSeconds = 30;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        timeoutSeconds = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc)
        fail("usage: startup_probe [--timeout SECONDS] program [arguments...]");

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        fail("cannot open the display named by DISPLAY");
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present)
        fail("the X server has no DAMAGE extension");
    Reply<xcb_damage_query_version_reply_t> version(
        xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr), std::free);
    const xcb_screen_t& screen = *xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t root = screen.root;
    const SharedImage shared = shareScreenSizedImage(x, screen);
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    Reply<xcb_get_input_focus_reply_t> sync(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr), std::free);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0)
        fail(std::strerror(errno));
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }

    double mapped = -1, painted = -1;
    xcb_window_t window = XCB_NONE;
    xcb_damage_damage_t watch = XCB_NONE;
    const double deadline = start + timeoutSeconds * 1e3;
    pollfd fd{.fd = xcb_get_file_descriptor(x), .events = POLLIN, .revents = 0};
    while (painted < 0) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x))
                fail("lost the display");
            const double left = deadline - nowMs();
            if (left <= 0)
                break;
            poll(&fd, 1, int(left) + 1);
            continue;
        }
        const double at = nowMs();
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                mapped = at - start;
                window = map->window;
                watch = xcb_generate_id(x);
                xcb_damage_create(x, watch, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                // What was drawn before the watch began counts too.
                if (hasContent(x, window, shared))
                    painted = at - start;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && window != XCB_NONE) {
            // Rearm before looking, so drawing that lands after the look notifies again.
            xcb_damage_subtract(x, watch, XCB_NONE, XCB_NONE);
            if (hasContent(x, window, shared))
                painted = at - start;
        }
        std::free(event);
    }

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (mapped < 0)
        fail("no window was mapped in time");
    if (painted < 0)
        fail("the window showed no content in time");
    std::printf("map_ms=%.1f paint_ms=%.1f rss_kb=%ld\n", mapped, painted, usage.ru_maxrss);
    return 0;
}
