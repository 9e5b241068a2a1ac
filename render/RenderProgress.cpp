#include "render/RenderProgress.h"

namespace plovex {

const char* StatusWord(RenderStatus status)
{
    switch (status) {
    case RenderStatus::Working:
        return "WORKING";
    case RenderStatus::Done:
        return "DONE";
    case RenderStatus::Stopped:
        break;
    }
    return "STOPPED";
}

} // namespace plovex
