#pragma once

#include <QString>
#include <functional>
#include <thread>

// What the first frame will read, read on a thread of its own while the window's thread is
// busy with something else. Joined at the latest when it ends.
class ReadAhead
{
public:
    ~ReadAhead() { join(); }
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;
    void join();

protected:
    ReadAhead() = default;
    void start(std::function<void()> reading);

private:
    std::thread thread;
};

// The font configuration, read while the application object opens the display: the first
// text measured would otherwise wait for it, about 5 ms of a first frame of 35. Join it
// before the first text is measured: fontconfig reading its configuration on two threads at
// once races on its own globals. At full priority: read at the lowest, it would leave the
// window's thread waiting for it on a busy machine.
class FontConfigurationAhead : public ReadAhead
{
public:
    FontConfigurationAhead();
};

// Qt looks through its image format plugins, reading each one's description, before it reads
// the first picture of all, even one of a format it reads itself: about 0.7 ms with three
// plugins, and more on a desktop with more. Reading one picture ahead, by its format as the
// window reads them, makes that list without loading any plugin. Start it once the
// application object exists and the picture can be found, while the window's thread
// measures its texts; the window's first picture then finds the list made.
class ImageFormatsAhead : public ReadAhead
{
public:
    explicit ImageFormatsAhead(const QString& picture);
};
