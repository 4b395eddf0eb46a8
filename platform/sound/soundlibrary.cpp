#include "platform/sound/soundlibrary.h"

namespace
{
// The window plays two files; the bound only guards against a caller that invents a new file
// name every time.
constexpr std::size_t kMaxKept = 16;
} // namespace

SoundLibrary::Loaded SoundLibrary::load(const std::string& request,
                                        const std::vector<std::string>& candidates)
{
    for (const std::string& file : candidates) {
        const std::optional<FileStamp> stamp = reader->stamp(file);
        if (!stamp)
            continue;
        missingSaid.erase(request);
        const auto found = kept.find(file);
        if (found != kept.end() && found->second.stamp == *stamp)
            return {found->second.samples, file, {}};
        if (kept.size() >= kMaxKept)
            kept.clear();
        std::string why;
        const Samples samples = reader->decode(file, why);
        kept[file] = {*stamp, samples};
        if (!samples)
            return {nullptr, file, "cannot play " + file + ": " + why};
        return {samples, file, {}};
    }
    if (missingSaid.size() >= kMaxKept)
        missingSaid.clear();
    if (!missingSaid.insert(request).second)
        return {};
    std::string where;
    for (const std::string& file : candidates)
        where += (where.empty() ? "" : ", ") + file;
    return {nullptr, {}, "not found in any of " + where};
}
