// espeak-ng 1.51 asks pcaudiolib for an audio device as it starts, whatever its output mode,
// and pcaudiolib finds one by opening a test stream on the sound server (else ALSA's default
// device): a second client of the server that the program never uses, and one that waits
// 30 s when the server has stopped answering. The program plays espeak-ng's samples itself,
// so espeak-ng gets no device; it asks for none in the synchronous mode used here. Every
// program that links the voices has this definition on its own link line, where the loader
// finds it before pcaudiolib's.

struct audio_object;

extern "C" __attribute__((visibility("default"))) audio_object*
create_audio_device_object(const char* /*device*/, const char* /*application*/,
                           const char* /*description*/)
{
    return nullptr;
}
