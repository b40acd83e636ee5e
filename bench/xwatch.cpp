// xwatch: prints a line for every top-level window the X server maps, unmaps or
// destroys, stamped with CLOCK_MONOTONIC the moment the event is read:
//   SECONDS MAP|UNMAP|DESTROY WINDOW-ID NAME
// The name is _NET_WM_NAME (else WM_NAME) as it stands when the window is mapped.
// "READY" on a line of its own says the watch is in place.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type)
{
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, type, 0, 1024), nullptr);
    std::string s;
    if (r && r->type != XCB_ATOM_NONE)
        s.assign(static_cast<const char*>(xcb_get_property_value(r)), static_cast<size_t>(xcb_get_property_value_length(r)));
    std::free(r);
    return s;
}

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace

int main()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xwatch: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netName = Atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* e = xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask))) {
        std::fprintf(stderr, "xwatch: cannot watch the root window\n");
        std::free(e);
        return 1;
    }
    std::printf("READY\n");
    std::fflush(stdout);

    std::map<xcb_window_t, std::string> names;
    while (xcb_generic_event_t* ev = xcb_wait_for_event(c)) {
        const double t = Now();
        switch (ev->response_type & 0x7f) {
        case XCB_MAP_NOTIFY: {
            const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev);
            std::string name = Property(c, m->window, netName, utf8);
            if (name.empty())
                name = Property(c, m->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
            names[m->window] = name;
            std::printf("%.6f MAP 0x%x %s\n", t, m->window, name.c_str());
            break;
        }
        case XCB_UNMAP_NOTIFY: {
            const auto* u = reinterpret_cast<xcb_unmap_notify_event_t*>(ev);
            std::printf("%.6f UNMAP 0x%x %s\n", t, u->window, names[u->window].c_str());
            break;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* d = reinterpret_cast<xcb_destroy_notify_event_t*>(ev);
            std::printf("%.6f DESTROY 0x%x %s\n", t, d->window, names[d->window].c_str());
            names.erase(d->window);
            break;
        }
        default:
            break;
        }
        std::fflush(stdout);
        std::free(ev);
    }
    xcb_disconnect(c);
    return 0;
}
