#include "platform/sound/serversound.h"

#include "platform/sound/filewaveplayer.h"
#include "platform/sound/soundservice.h"

namespace
{
class ServerSound final : public SoundPlugin
{
public:
    explicit ServerSound(const QString& programDir)
        : player(service, QStringLiteral(CHIMEWISE_DATADIR), FileAccess{.programDir = programDir})
    {
    }

    WavePlayer& wave() override { return player; }
    VoiceCreation makeVoice(const QString& className, const QString& language) override
    {
        return createVoice(className, language, service);
    }

private:
    SoundService service; // first, so it is the last to go: the others play through it
    FileWavePlayer player;
};
} // namespace

std::unique_ptr<SoundPlugin> makeServerSound(const QString& programDir)
{
    return std::make_unique<ServerSound>(programDir);
}
