<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>Plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not clear previous graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot dy/dx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eval dy/dx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Implicit function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A function plotter for the desktop,
by the Plovex authors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Plovex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>The expression is too long: a graph document holds at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Parse Error: Unrecognised symbol &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse Error: Unmatched parentheses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;y&apos; allowed only in implicit functions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse Error: Unrecognised function &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer samples were drawn than the quality asks: at quality %1 the step between samples no longer moves the sampling position from pixel %2 (from the centre) on, so the graph stops there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The integral stopped at x = %1, short of the upper limit %2: from there on adding the step 0.01 no longer changes x. The result is the integral up to that point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends inside the length of the expression.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file claims an expression of %1 characters but holds only %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogService</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds more than %1 bytes, the most that is read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a block device: a disk is never written to directly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is neither a file nor a device that can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>Cannot export the graph to &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name&apos;s extension does not say which image format to write. Use one of: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>
Graph
Graph
Plovex Graph (*.pxg)
.pxg
Plovex.Graph
Plovex Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postfix form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase X scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease X scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Y scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease Y scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the online documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plovex 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active graph&apos;s picture as an image file
Export Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the graph&apos;s picture to the Clipboard
Copy Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active graph
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display the page as it will be printed
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the grid and tick labels
Toggle Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plovex draws graphs of mathematical functions.

Type a function of x and Plovex plots it. You can stretch or squeeze the picture along either axis, trade speed for detail with the quality setting, draw the graph of the derivative dy/dx, integrate the function between two limits, and draw implicit functions of x and y.

Choose a topic on the left to read more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a function of x into the box at the top of the graph window and click Plot. Plovex draws y = f(x) across the graph, whose axes cross at its centre.

Example: x^2 + 5*x + 6

Built-in functions may be written with or without parentheses: sin x and sin(x) mean the same.

Implicit functions: tick Implicit function and enter f(x, y) without an equals sign. Plovex draws every point where f(x, y) = 0.

Example: x^2 + y^2 - 25 draws a circle of radius 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in functions:

Trigonometric: sin, cos, tan, cosec, sec, cot
Inverse trigonometric: asin, acos, atan
Exponential and logarithmic: e, ln, log
abs: the modulus (absolute value)
sqrt: the square root, the same as raising to the power 1/2
floor: the greatest integer not greater than its argument

Angles are in radians.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Scale and Y Scale: the number of pixels per unit along each axis. Type a value or use the + and - buttons, which redraw the graph at once.

Quality: the number of samples taken in each pixel column. A lower quality is faster but the curve may be dotted; a higher quality is slower but draws a complete line.

Plot dy/dx: plots the derivative f&apos;(x) of the function.

Integrate: evaluates the definite integral of the function between two limits that you type.

Evaluate and Eval dy/dx: give the value of the function, or of its derivative, at an x that you choose.

The information box shows the maximum, minimum and mean of the plotted values after each plot.

Move the mouse over the graph to see the co-ordinates under the pointer. A * after them means the point lies on the curve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator: enter an arithmetic expression without x, such as 2^10/3, click Plot and read the result in the information box: the maximum, minimum and mean all show the value.

Solving equations: tick Implicit function and enter a function of x alone. The graph drawn is the set where f(x) = 0: upright lines whose positions along the x-axis are the values of x at which the function vanishes.

Example: x*sin x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some inputs to try, with suggested settings:

x*sin(x)  with Quality 50
x+sin(x)  with X Scale and Y Scale 2
(cos x)^2  with X Scale 30 and Y Scale 125
1/((x^2+1)^1.5)  with X Scale 25 and Y Scale 90

Implicit functions (tick Implicit function first):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plovex::CHelpDlg</name>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plotting Graphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Uses of Plovex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plovex::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Using Plovex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Plovex...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexApp</name>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexDoc</name>
    <message>
        <source>Cannot open the document &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the document &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a Plovex graph: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The graph settings stored in &quot;%1&quot; are damaged. The expression opens with the default scales and quality.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexView</name>
    <message>
        <source>Evaluate function for what value of x?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluate dy/dx for what value of x?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter lower limit for integration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter upper limit for integration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print the graph: the printer did not accept the page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
