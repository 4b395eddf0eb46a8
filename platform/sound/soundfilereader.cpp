#include "platform/sound/soundfilereader.h"

#include "platform/sound/wavefile.h"

#include <sys/stat.h>

namespace
{
class DiskReader final : public SoundFileReader
{
public:
    std::optional<FileStamp> stamp(const std::string& path) override
    {
        struct stat st {
        };
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        return FileStamp{static_cast<long long>(st.st_size),
                         static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                             st.st_mtim.tv_nsec};
    }
    Samples decode(const std::string& path, std::string& why) override
    {
        return decodeWaveFile(path, &why);
    }
};
} // namespace

std::shared_ptr<SoundFileReader> diskReader()
{
    return std::make_shared<DiskReader>();
}
