#pragma once

struct pa_context;

// libpulse sends the sound server a cookie from a file, and where it finds none it makes one:
// ~/.config/pulse/cookie, with its folders. The server of the user's own desktop never needs
// it (it knows its user by the socket's credentials), and this program writes no files. So
// where libpulse would make one, the context is handed a cookie that reads as none, as
// libpulse sends when it has none; a cookie the user has, by any of libpulse's ways (the
// environment, client.conf, the usual files), is left for libpulse to find.
void keepCookieUnwritten(pa_context* context);
