#pragma once

#include "document/GraphView.h"
#include "view/DrawnGraph.h"
#include "view/GraphPage.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace plovex {

class CPlovexView;

// A form's rendering loop and what its last rendering drew. A rendering runs the event loop
// now and then, so the view may move meanwhile: the rendering under way then stops and another
// follows it. When another form changes what the document draws, this one draws again once the
// event loop runs, unless it is up to date by then.
class CGraphRendering {
public:
    explicit CGraphRendering(CPlovexView& view)
        : m_view(view)
    { }

    // Renders until no view change waits, then closes a window whose close came meanwhile or
    // tells where the explicit sweep stalled.
    void Draw();
    // Ends the rendering under way at its next batch of samples.
    void Stop() { m_stopRequested = m_rendering; }
    bool StopRequested() const { return m_stopRequested; }
    bool Rendering() const { return m_rendering; }
    // The document's drawing changed: a catch-up once the event loop runs.
    void FollowDocument();
    // Whether the last rendering drew the document's drawing as it now is; after a parse that
    // draws nothing, that it still counts as up to date.
    bool UpToDate() const;
    void KeepUpToDate();

    // The start of one rendering with the form's fields: the document's drawing as it is, its
    // captions, the view, derivative mode and grid become what was drawn.
    void Begin();
    // Whether the picture is what drawing its functions again gives.
    void SetRedrawable(bool redrawable) { m_drawnRedrawable = redrawable; }

    DrawnGraph Drawn() const;
    QString Caption() const;
    const std::vector<CaptionLine>& DrawnCaption() const { return m_drawn; }
    const GraphView& DrawnView() const { return m_drawnView; }
    bool DrawnDerivative() const { return m_drawnDerivative; }

private:
    void CatchUp();

    CPlovexView& m_view;
    // A rendering is under way (the event loop runs now and then meanwhile), it was asked to
    // stop, and the view changed so that another must follow it.
    bool m_rendering = false;
    bool m_stopRequested = false;
    bool m_redrawWaiting = false;
    // What the last rendering drew, for the caption: each function's line and colour.
    std::vector<CaptionLine> m_drawn;
    // The document's drawing revision the last rendering drew, and whether a catch-up waits.
    std::uint64_t m_drawnRevision = 0;
    bool m_catchUpWaiting = false;
    // The view and derivative mode of the last rendering, where its points lie; whether it drew
    // the grid, and whether its picture is what drawing its functions again gives.
    bool m_drawnDerivative = false;
    bool m_drawnGrid = false;
    bool m_drawnRedrawable = true;
    GraphView m_drawnView;
};

} // namespace plovex
