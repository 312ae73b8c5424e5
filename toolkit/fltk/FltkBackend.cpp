#include "toolkit/Backend.h"

std::unique_ptr<IBackend> CreatePlatformBackend() { return nullptr; }
