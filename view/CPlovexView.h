#pragma once

#include "document/CurveKind.h"
#include "document/GraphView.h"
#include "document/Rgb.h"
#include "platform/FormView.h"
#include "render/FormFields.h"
#include "render/ViewHistory.h"
#include "view/CFunctionSelection.h"
#include "view/CFunctionTools.h"
#include "view/CGraphNavigation.h"
#include "view/CGraphRendering.h"
#include "view/DrawnGraph.h"
#include "view/GraphPage.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

class QMenu;
class QProgressBar;

namespace plovex {

class CPlovexDoc;
class FunctionValues;
class PictureStatic;

// The graph form of one document: the expression box, the graph area, the scales and the
// quality with their buttons, the two check boxes, the command buttons, the postfix display,
// the status field, the information box and the progress bar. Its commands read the controls
// into the fields, act on the fields and push the fields back. The form routes each job to a
// part of its own: the document exchange, the selected function, navigation, the rendering
// loop, the readout, the Tools, evaluation and output.
class CPlovexView : public FormView, public FormFields {
    Q_OBJECT
    // The form's parts read and show its fields as the form itself does.
    friend class CDocumentExchange;
    friend class CFunctionSelection;
    friend class CGraphNavigation;
    friend class CGraphRendering;
    friend class CPointerReadout;

public:
    explicit CPlovexView(CPlovexDoc& document, QWidget* parent = nullptr);

    CPlovexDoc& GetDocument() const { return m_document; }

    // Once, after the form is attached to its document: shows the document's expression and
    // plots it.
    void OnInitialUpdate();

    void OnPlot();
    void OnPlotDerivative();
    void OnXScaleUp();
    void OnXScaleDown();
    void OnYScaleUp();
    void OnYScaleDown();
    void OnImplicit();
    // View > Grid was switched (m_grid holds the new choice): the graph is drawn again at
    // once, as a scale button draws it.
    void OnViewGrid();
    // The readout: `point` in the form's client coordinates.
    void OnMouseMove(const QPoint& point);

    // The area the graph is drawn on: the form's own, or while a presenter (the full screen)
    // shows the graph, the presenter's. Renderings, zooms and the readout take its size.
    PictureStatic& GraphArea() const;
    PictureStatic* Presenter() const { return m_presenter; }
    // Hands the graph to `area` of another window, or back to the form with nullptr; the next
    // rendering draws there. The caller draws it (Redraw).
    void SetPresenter(PictureStatic* area);
    // Pointer input over the graph area at its client pixel `pixel`, as the form's own mouse
    // handlers act on it: a presenter hands its window's input here. A wheel turn zooms about
    // the pixel, a press there starts a drag that follows `position` (in any one widget's
    // coordinates) until the release, and a move shows the readout. Whether the wheel or the
    // press was over the area; whether a drag ended.
    bool WheelAt(const QPoint& pixel, const QPoint& angle, Qt::KeyboardModifiers modifiers);
    bool PressAt(const QPoint& pixel, const QPointF& position);
    void DragTo(const QPointF& position, Qt::MouseButtons buttons);
    bool ReleaseDrag();
    void PointerAt(const QPoint& pixel);
    // As a scale button draws: the last parse of every function, whatever the boxes hold now.
    void Redraw();

    // View menu: zoom about the centre, back to the default view, round circles, and through
    // the form's view history.
    void OnZoomIn();
    void OnZoomOut();
    void OnResetView();
    void OnEqualScales();
    void OnViewBack();
    void OnViewForward();
    bool CanGoBack() const { return History().CanGoBack(); }
    bool CanGoForward() const { return History().CanGoForward(); }
    // The scales, quality and offset the form draws with.
    GraphView CurrentView() const
    {
        return { m_xScale, m_yScale, m_quality, m_xOffset, m_yOffset };
    }
    const ViewHistory& History() const { return m_navigation.History(); }

    // Ends the rendering under way at its next batch of samples (Esc does this).
    void StopRendering() { m_rendering.Stop(); }
    bool StopRequested() const { return m_rendering.StopRequested(); }
    bool Rendering() const { return m_rendering.Rendering(); }
    // The left button is moving the picture.
    bool Dragging() const { return m_navigation.Dragging(); }
    void OnEvaluate();
    void OnEvaluateDerivative();
    void OnIntegrate();

    // The function the form's boxes and commands act on, and whose statistics it shows.
    std::size_t SelectedFunction() const { return m_functions.Selected(); }
    // Shows function `index` in the boxes and draws the graph again, as a scale button does,
    // so that the statistics and the readout are its own.
    void SelectFunction(std::size_t index);
    // The list commands on the selected function, each drawing the graph again: a new empty
    // function after it, selected, with the focus in the expression box; the selected one
    // deleted (never the last one left); its colour chosen; moved one place up or down.
    void OnNewFunction();
    // The same for a new function of `kind`: a parametric or polar curve has its range of t
    // from 0 to 2 pi.
    void OnNewFunctionOfKind(CurveKind kind);
    void OnDeleteFunction();
    void OnFunctionColour();
    void OnMoveFunctionUp();
    void OnMoveFunctionDown();
    // A function's colour or shown state, and the graph drawn again.
    void SetFunctionColour(std::size_t index, Rgb colour);
    void SetFunctionShown(std::size_t index, bool shown);

    // m_expression into the selected function, parsed into its postfix queue and m_postfix; a
    // parse error is shown in a message box. With `offerParameters`, as Plot parses, a name
    // that is not defined and could name a parameter is first offered as a new one.
    void ParseExpression(bool offerParameters = false);
    // Function `index` as its last parse reads it, with the parameters' current values.
    FunctionValues Values(std::size_t index) const;
    // The selected function's postfix queue at (x, y); the difference quotient in derivative mode
    // unless `subCall` is set.
    double Evaluate(float x, float y, bool subCall) const;
    // Renders every shown function's postfix queue into the graph area with the current fields;
    // the statistics are the selected function's.
    void DrawGraph();

    // The selected function as it was last parsed, which the Tools commands work on.
    QString DrawnFunction() const;
    // That function's curve as the last rendering drew it: "y = x^2", "y = d/dx (x^2)".
    QString DrawnCurve() const;
    // The view and derivative mode of the last rendering, where its points lie.
    const GraphView& DrawnView() const { return m_rendering.DrawnView(); }
    bool DrawnDerivative() const { return m_rendering.DrawnDerivative(); }
    // The Tools commands on the selected function as drawn.
    CFunctionTools& Tools() { return m_tools; }
    // Asks for From, To and Step and shows the table of the selected function as drawn.
    void OnTableOfValues();

    // What the graph area shows, pixel for pixel.
    QImage GraphPicture() const;
    // The graph as the last rendering drew it, to take out of the window.
    DrawnGraph Drawn() const;
    // The functions of the last rendering, one a line: "y = x^2", "y = d/dx (x^2)",
    // "x^2+y^2-25 = 0".
    QString GraphCaption() const;
    // The graph's picture to the clipboard, as an image and, where the picture is the
    // rendering of the functions drawn, as SVG too.
    void OnCopyGraph();
    // Asks for a size and what to keep of the graph, then writes it to an image, SVG or PDF
    // file the user names.
    void OnExportGraph();
    // The graph with its caption on a page of the printer the user chooses.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Each line of the last rendering's caption with its colour, as printed.
    const std::vector<CaptionLine>& DrawnCaption() const { return m_rendering.DrawnCaption(); }
    // Offered on the graph area: Copy Graph, Export Graph..., Print....
    QMenu* GraphMenu() const { return m_graphMenu; }

    QProgressBar* m_progress = nullptr;
    PictureStatic* m_graphArea = nullptr;

signals:
    // The history moved, so Back and Forward may have become possible or impossible.
    void HistoryChanged();
    // A short note for the status bar: why a zoom was refused.
    void Message(const QString& text);
    // Another function became the selected one.
    void SelectionChanged();
    // Esc came while this form rendered: the rendering stops, and so should whatever keeps
    // starting new ones (a parameter's animation).
    void EscapePressed();
    // The graph point under the pointer, to the decimals its scale warrants; empty when the
    // pointer is off the graph.
    void Readout(const QString& text);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // With `offerParameters` a name that is not defined may become a parameter first (see
    // ParseExpression): what the user typed and plotted, not a document just opened.
    void Plot(bool derivative, bool offerParameters = true);
    // The pixel of the form's own graph area under `point` of the form; none while a presenter
    // shows the graph.
    std::optional<QPoint> OwnAreaPixel(const QPointF& point) const;
    void CreateGraphMenu();
    // One rendering with the current fields; where the explicit sweep stalled, if it did.
    std::optional<float> RenderOnce();

    CPlovexDoc& m_document;
    QMenu* m_graphMenu = nullptr;
    PictureStatic* m_presenter = nullptr;

    CFunctionSelection m_functions { *this };
    CFunctionTools m_tools { *this };
    CGraphNavigation m_navigation { *this };
    CGraphRendering m_rendering { *this };
};

} // namespace plovex
