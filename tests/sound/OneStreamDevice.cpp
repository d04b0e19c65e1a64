#include "OneStreamDevice.h"

#include <dlfcn.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

// ALSA's handle, opaque here: the tests build without ALSA's headers.
struct _snd_pcm;

namespace twinsweep::test {

namespace {

using OpenFunction = int (*)(_snd_pcm**, const char*, int, int);
using CloseFunction = int (*)(_snd_pcm*);

struct DeviceState
{
    std::mutex mutex;
    bool oneStream = false;
    _snd_pcm* openStream = nullptr; // the one open stream of "default"
    std::atomic<int> refused = 0;
};

DeviceState& device()
{
    static auto* state = new DeviceState; // sound threads may still close a stream at exit
    return *state;
}

/// ALSA's own function `name`, from the library already loaded: whoever calls ALSA loaded it.
void* alsaFunction(const char* name)
{
    void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    void* function = library ? dlsym(library, name) : nullptr;
    if (library)
        dlclose(library);
    return function;
}

} // namespace

OneStreamDevice::OneStreamDevice()
{
    const std::lock_guard lock(device().mutex);
    device().oneStream = true;
}

OneStreamDevice::~OneStreamDevice()
{
    const std::lock_guard lock(device().mutex);
    device().oneStream = false;
}

int OneStreamDevice::refusedOpens()
{
    return device().refused;
}

} // namespace twinsweep::test

using twinsweep::test::alsaFunction;
using twinsweep::test::device;

// The binary exports these (see tests/CMakeLists.txt), so ALSA's callers reach them first.
extern "C" int snd_pcm_open(_snd_pcm** pcm, const char* name, int stream, int mode)
{
    static const auto open = reinterpret_cast<twinsweep::test::OpenFunction>(alsaFunction("snd_pcm_open"));
    if (!open)
        return -ENOSYS;
    const bool isDefault = name && std::strcmp(name, "default") == 0;
    std::unique_lock lock(device().mutex, std::defer_lock);
    if (isDefault) {
        lock.lock();
        if (device().oneStream && device().openStream) {
            ++device().refused;
            return -EBUSY;
        }
    }
    const int result = open(pcm, name, stream, mode);
    if (isDefault && result == 0 && device().oneStream)
        device().openStream = *pcm;
    return result;
}

extern "C" int snd_pcm_close(_snd_pcm* pcm)
{
    static const auto close = reinterpret_cast<twinsweep::test::CloseFunction>(alsaFunction("snd_pcm_close"));
    {
        const std::lock_guard lock(device().mutex);
        if (pcm && pcm == device().openStream)
            device().openStream = nullptr;
    }
    return close ? close(pcm) : -ENOSYS;
}
