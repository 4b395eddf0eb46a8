#include "bench/xsession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <map>
#include <poll.h>

XSession::XSession(Clock now) : now(std::move(now))
{
    display = XOpenDisplay(nullptr);
    if (!display)
        return;
    root = DefaultRootWindow(display);
    wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    netWmPing = XInternAtom(display, "_NET_WM_PING", False);
    netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    // Answers to pings are sent to the root window for whoever listens there.
    XSelectInput(display, root, StructureNotifyMask);
}

XSession::~XSession()
{
    if (display)
        XCloseDisplay(display);
}

namespace
{
long pidOf(Display* display, Window w, Atom netWmPid)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

bool isMapped(Display* display, Window w)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, w, &attributes) && attributes.map_state == IsViewable;
}
} // namespace

bool XSession::findWindowOf(long long pid, int timeoutMs)
{
    const double deadline = now() + timeoutMs;
    while (display && now() < deadline) {
        Window rootReturn = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        // With no window manager the program's windows are the root's own children.
        if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count && !window; ++i)
                if (pidOf(display, children[i], netWmPid) == pid && isMapped(display, children[i]))
                    window = children[i];
            XFree(children);
        }
        if (window)
            return true;
        poll(nullptr, 0, 20);
    }
    return false;
}

void XSession::moveTo(int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XSync(display, False);
}

double XSession::click(int button)
{
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), True, CurrentTime);
    XSync(display, False);
    const double released = now();
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), False, CurrentTime);
    XFlush(display);
    return released;
}

void XSession::sendPing(long id)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = wmProtocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(netWmPing);
    event.xclient.data.l[1] = id; // echoed back, in place of a timestamp
    event.xclient.data.l[2] = static_cast<long>(window);
    // No event mask: delivered to the client that created the window, i.e. the program.
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

std::vector<long> XSession::answers(double waitMs)
{
    std::vector<long> ids;
    if (XPending(display) == 0 && waitMs > 0) {
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(waitMs + 0.999));
    }
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.window == root &&
            static_cast<Atom>(event.xclient.data.l[0]) == netWmPing)
            ids.push_back(event.xclient.data.l[1]);
    }
    return ids;
}

double XSession::pingMs(int timeoutMs)
{
    const long id = nextPing++;
    const double sent = now();
    sendPing(id);
    while (now() < sent + timeoutMs)
        for (long answered : answers(sent + timeoutMs - now()))
            if (answered == id)
                return now() - sent;
    return -1.0;
}

double XSession::longestPingWaitMs(double forMs, const std::function<void()>& idle)
{
    const double start = now();
    const double giveUp = start + forMs + 10000;
    std::map<long, double> waiting; // id -> when sent
    double longest = 0, nextSend = start;
    while (now() < start + forMs || (!waiting.empty() && now() < giveUp)) {
        const bool sending = now() < start + forMs;
        if (sending && now() >= nextSend) {
            waiting[nextPing] = now();
            sendPing(nextPing++);
            nextSend += 1.0;
        }
        const double wait = sending ? std::clamp(nextSend - now(), 0.0, 1.0) : 1.0;
        for (long id : answers(wait)) {
            const auto sent = waiting.find(id);
            if (sent != waiting.end()) {
                longest = std::max(longest, now() - sent->second);
                waiting.erase(sent);
            }
        }
        idle();
    }
    for (const auto& [id, sent] : waiting)
        longest = std::max(longest, now() - sent);
    return longest;
}
