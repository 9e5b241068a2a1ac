#pragma once

#include "document/Rgb.h"
#include "platform/FormView.h"
#include "view/FormFields.h"
#include "view/GraphPage.h"
#include "view/PointFinder.h"

#include <QImage>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class QMenu;
class QPrinter;
class QProgressBar;

namespace plovex {

class CPlovexDoc;
class PictureStatic;

// The graph form of one document: the expression box, the graph area, the scales and the
// quality with their buttons, the two check boxes, the command buttons, the postfix display,
// the status field, the information box and the progress bar. Its commands read the controls
// into the fields, act on the fields and push the fields back.
class CPlovexView : public FormView, public FormFields {
    Q_OBJECT

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
    void OnEvaluate();
    void OnEvaluateDerivative();
    void OnIntegrate();

    // The function the form's boxes and commands act on, and whose statistics it shows.
    std::size_t SelectedFunction() const { return m_selected; }
    // Shows function `index` in the boxes and draws the graph again, as a scale button does,
    // so that the statistics and the readout are its own.
    void SelectFunction(std::size_t index);
    // The list commands on the selected function, each drawing the graph again: a new empty
    // function after it, selected, with the focus in the expression box; the selected one
    // deleted (never the last one left); its colour chosen; moved one place up or down.
    void OnNewFunction();
    void OnDeleteFunction();
    void OnFunctionColour();
    void OnMoveFunctionUp();
    void OnMoveFunctionDown();
    // A function's colour or shown state, and the graph drawn again.
    void SetFunctionColour(std::size_t index, Rgb colour);
    void SetFunctionShown(std::size_t index, bool shown);

    // m_expression into the selected function, parsed into its postfix queue and m_postfix; a
    // parse error is shown in a message box.
    void ParseExpression();
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
    // Whether the last rendering drew an explicit function, which the Tools commands work on;
    // when it did not, the user is told so.
    bool CheckDrawnExplicit();
    // The x of the graph area's columns at the last rendering's scale.
    std::vector<float> VisibleColumns() const;
    // The other shown explicit functions, which Find Intersections meets the selected one with.
    std::vector<std::size_t> IntersectionPartners() const;
    // The selected function's roots, extrema, or intersections with every partner, as the last
    // rendering drew it, over the visible columns, in order of x; each is marked on the graph
    // with a ring in the function's colour until the next rendering.
    PointList FindPoints(PointSearch kinds);
    // Asks for From, To and Step and shows the table of the selected function as drawn.
    void OnTableOfValues();

    // What the graph area shows, pixel for pixel.
    QImage GraphPicture() const;
    // The functions of the last rendering, one a line: "y = x^2", "y = d/dx (x^2)",
    // "x^2+y^2-25 = 0".
    QString GraphCaption() const;
    // The graph's picture to the clipboard, as an image.
    void OnCopyGraph();
    // The graph's picture to an image file the user names.
    void OnExportGraph();
    // The graph with its caption on a page of the printer the user chooses.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Offered on the graph area: Copy Graph, Export Graph..., Print....
    QMenu* GraphMenu() const { return m_graphMenu; }

    QProgressBar* m_progress = nullptr;
    PictureStatic* m_graphArea = nullptr;

signals:
    // Another function became the selected one.
    void SelectionChanged();
    // The graph point under the pointer, to the decimals its scale warrants; empty when the
    // pointer is off the graph.
    void Readout(const QString& text);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Plot(bool derivative);
    // The form's settings become the document's.
    void StoreSettings();
    void EnableExplicitCommands();
    void OnExpressionEdited();
    void OnSettingEdited();
    void OnFunctionChanged(std::size_t index);
    void OnFunctionRemoved(std::size_t index);
    void ChangeScale(float FormFields::*scale, float change);
    void EvaluateAtPoint(const char* prompt, bool derivative);
    void ShowResult(double value);
    void CreateGraphMenu();
    void Print(QPrinter& printer);

    CPlovexDoc& m_document;
    // The function the form's boxes, commands and statistics act on; it follows the function
    // when others are added, removed or moved.
    std::size_t m_selected = 0;
    QMenu* m_graphMenu = nullptr;
    void ShowSelectedFunction();
    void ParseOtherFunctions();
    void MoveFunction(int places);
    void Redraw();

    // What the last rendering drew, for the caption: each function's line and colour.
    std::vector<CaptionLine> m_drawn;
    // The scales and derivative mode of the last rendering, where its points lie.
    bool m_drawnDerivative = false;
    float m_drawnXScale = 10.0f;
    float m_drawnYScale = 10.0f;
    // The last table asked for: the next one starts from it.
    float m_tableFrom = -5.0f;
    float m_tableTo = 5.0f;
    float m_tableStep = 1.0f;
};

} // namespace plovex
