#pragma once

#include <functional>
#include <vector>

// A connection to the X server that drives another program's window as a user would: real
// pointer input through the XTest extension, and pings through the window manager protocol
// (_NET_WM_PING) to see whether the window is answering. Times come from the caller's clock,
// in milliseconds, so they line up with a sound recording.
class XSession
{
public:
    using Clock = std::function<double()>;

    explicit XSession(Clock now); // opens $DISPLAY
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool isOpen() const { return display != nullptr; }
    // Waits for the mapped top-level window of process pid; false when none came.
    bool findWindowOf(long long pid, int timeoutMs);
    void moveTo(int x, int y);
    // Presses and releases a mouse button (1 left, 3 right) where the pointer is. Returns the
    // time the release left for the server: the program acts on the release.
    double click(int button);
    // One ping's round trip through the window's event loop; negative when unanswered.
    double pingMs(int timeoutMs = 2000);
    // Pings every millisecond for forMs and returns the longest any ping waited for its
    // answer (a ping still unanswered forMs later counts until it is answered or until
    // 10 s). idle runs between pings.
    double longestPingWaitMs(double forMs, const std::function<void()>& idle);

private:
    void sendPing(long id);
    // Ids of the pings answered so far, waiting up to waitMs for the first.
    std::vector<long> answers(double waitMs);

    Clock now;
    struct _XDisplay* display = nullptr;
    unsigned long root = 0, window = 0;
    unsigned long wmProtocols = 0, netWmPing = 0, netWmPid = 0;
    long nextPing = 1;
};
