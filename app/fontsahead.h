#pragma once

#include <thread>

// The font configuration read on a thread of its own while the application object opens the
// display: the first text measured would otherwise wait for it, about 8 ms of a first frame
// of 40. Join it before the first text is measured, so the two are never read side by side.
class FontConfigurationAhead
{
public:
    FontConfigurationAhead();
    ~FontConfigurationAhead() { join(); }
    FontConfigurationAhead(const FontConfigurationAhead&) = delete;
    FontConfigurationAhead& operator=(const FontConfigurationAhead&) = delete;
    void join();

private:
    std::thread reading;
};
