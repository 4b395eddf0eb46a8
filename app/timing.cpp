#include "app/timing.h"

#include <chrono>

Q_LOGGING_CATEGORY(lcTiming, "chimewise.timing", QtWarningMsg)

void logMilestone(const char* name)
{
    if (!lcTiming().isInfoEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    qCInfo(lcTiming, "milestone %s %lld", name,
           static_cast<long long>(std::chrono::nanoseconds(now).count()));
}
