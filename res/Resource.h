#pragma once

// Numeric ids of the program's resources, controls and commands.
namespace plovex::res {

// Dialog templates.
inline constexpr int kAboutTemplate = 100;
inline constexpr int kGraphFormTemplate = 101;
inline constexpr int kInputTemplate = 130;
inline constexpr int kHelpTemplate = 131;

// The document string of the graph type.
inline constexpr int kGraphType = 129;

// Standard dialog button ids.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// A control the program never addresses (a label).
inline constexpr int kIdStatic = -1;

// Graph form controls.
inline constexpr int kExpressionEdit = 1000;
inline constexpr int kPlotButton = 1001;
inline constexpr int kPostfixEdit = 1002;
inline constexpr int kGraphArea = 1003;
inline constexpr int kNoClearCheck = 1004;
inline constexpr int kStatusStatic = 1005;
inline constexpr int kXScaleEdit = 1006;
inline constexpr int kYScaleEdit = 1007;
inline constexpr int kXScaleUpButton = 1008;
inline constexpr int kXScaleDownButton = 1009;
inline constexpr int kYScaleUpButton = 1010;
inline constexpr int kYScaleDownButton = 1011;
inline constexpr int kQualityEdit = 1012;
inline constexpr int kImplicitCheck = 1013;
inline constexpr int kPlotDerivativeButton = 1014;
inline constexpr int kProgressBar = 1015;
inline constexpr int kInfoEdit = 1016;
inline constexpr int kEvaluateButton = 1017;
inline constexpr int kEvalDerivativeButton = 1018;
inline constexpr int kIntegrateButton = 1019;

// Input dialog controls (template 130) share numbers with the form's buttons.
inline constexpr int kInputPromptStatic = 1018;
inline constexpr int kInputValueEdit = 1019;

// Help window controls (template 131).
inline constexpr int kHelpTextEdit = 1019;
inline constexpr int kHelpTopicList = 1020;

// Names that assistive technology reads for controls whose caption or label does not say
// what they are.
inline constexpr int kStrNameExpression = 200;
inline constexpr int kStrNamePostfix = 201;
inline constexpr int kStrNameGraph = 202;
inline constexpr int kStrNameStatistics = 203;
inline constexpr int kStrNameProgress = 204;
inline constexpr int kStrNameXScaleUp = 205;
inline constexpr int kStrNameXScaleDown = 206;
inline constexpr int kStrNameYScaleUp = 207;
inline constexpr int kStrNameYScaleDown = 208;
inline constexpr int kStrNameHelpTopics = 209;
inline constexpr int kStrNameHelpText = 210;
inline constexpr int kStrNameFunctionList = 211;

// Commands.
inline constexpr int kCmdUsingPlovex = 32771;
inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdFileClose = 57602;
inline constexpr int kCmdFileSave = 57603;
inline constexpr int kCmdFileSaveAs = 57604;
inline constexpr int kCmdFilePrint = 57607;
inline constexpr int kCmdFileMru1 = 57616;
inline constexpr int kCmdEditCopy = 57634;
inline constexpr int kCmdEditCut = 57635;
inline constexpr int kCmdEditPaste = 57637;
inline constexpr int kCmdEditUndo = 57643;
inline constexpr int kCmdEditRedo = 57644;
inline constexpr int kCmdWindowNew = 57648;
inline constexpr int kCmdWindowArrange = 57649;
inline constexpr int kCmdWindowCascade = 57650;
inline constexpr int kCmdWindowTile = 57651;
inline constexpr int kCmdAppAbout = 57664;
inline constexpr int kCmdAppExit = 57665;
inline constexpr int kCmdNextPane = 57680;
inline constexpr int kCmdPrevPane = 57681;
inline constexpr int kCmdViewToolbar = 59392;
inline constexpr int kCmdViewStatusBar = 59393;

// The grid and tick labels (View > Grid), the program's own command.
inline constexpr int kCmdViewGrid = 32780;

// The function list (View > Function List) and its commands on the selected function.
inline constexpr int kCmdViewFunctionList = 32800;
inline constexpr int kCmdFunctionNew = 32801;
inline constexpr int kCmdFunctionDelete = 32802;
inline constexpr int kCmdFunctionColour = 32803;
inline constexpr int kCmdFunctionMoveUp = 32804;
inline constexpr int kCmdFunctionMoveDown = 32805;

// The parameters' sliders (View > Parameter List).
inline constexpr int kCmdViewParameterList = 32840;

// Moving around the graph (View menu): zoom, the default view, equal scales, view history.
inline constexpr int kCmdViewZoomIn = 32820;
inline constexpr int kCmdViewZoomOut = 32821;
inline constexpr int kCmdViewReset = 32822;
inline constexpr int kCmdViewEqualScales = 32823;
inline constexpr int kCmdViewBack = 32824;
inline constexpr int kCmdViewForward = 32825;

// Getting a graph out of its window: export, print, copy as a picture.
inline constexpr int kCmdExportGraph = 32772;
inline constexpr int kCmdCopyGraph = 32773;
inline constexpr int kCmdFilePrintPreview = 57609;

// Roots, extrema, intersections and a table of values (the Tools menu), the program's own.
inline constexpr int kCmdFindRoots = 32790;
inline constexpr int kCmdFindExtrema = 32791;
inline constexpr int kCmdFindIntersections = 32792;
inline constexpr int kCmdTableOfValues = 32793;
// The table's question (template 132) and its three number boxes.
inline constexpr int kTableQuestionTemplate = 132;
inline constexpr int kTableFromEdit = 1021;
inline constexpr int kTableToEdit = 1022;
inline constexpr int kTableStepEdit = 1023;

// The graph at any size: the full screen (View menu), and the export's question (template 133)
// with its two size boxes and its two choices, which are one radio group in this order.
inline constexpr int kCmdViewFullScreen = 32826;
inline constexpr int kExportTemplate = 133;
inline constexpr int kExportWidthEdit = 1024;
inline constexpr int kExportHeightEdit = 1025;
inline constexpr int kExportKeepRegionRadio = 1026;
inline constexpr int kExportKeepScalesRadio = 1027;

// Strings.
inline constexpr int kStrAppTitle = 57344;
inline constexpr int kStrIdle = 57345; // "Ready"
inline constexpr int kStrIndicatorCaps = 59137;
inline constexpr int kStrIndicatorNum = 59138;
inline constexpr int kStrIndicatorScroll = 59139;
inline constexpr int kStrHelpTopicFirst = 61216; // topic i is kStrHelpTopicFirst + i

} // namespace plovex::res
