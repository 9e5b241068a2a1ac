#pragma once

namespace plovex {

// Where a rendering stands, as the form's status field shows it.
enum class RenderStatus { Working, Done, Stopped };

// What a rendering tells whoever watches it while it samples, and how that one stops it: the
// progress bar, the status, and a stop asked for meanwhile. Drawing goes to the surface alone.
// This base watches nothing: every report is dropped and nothing stops the rendering.
class RenderProgress {
public:
    virtual ~RenderProgress() = default;

    virtual void SetProgressRange(int, int) { }
    virtual void SetProgressPos(int) { }
    virtual void ShowStatus(RenderStatus) { }

    // Asked now and then while samples are taken: whether the rendering is to end at once.
    virtual bool Stopped() { return false; }
};

// The status field's own words: "WORKING", "DONE", "STOPPED".
const char* StatusWord(RenderStatus status);

} // namespace plovex
