#include "model/catalogue/CatalogueTable.h"

#include "model/attributes/Filter.h"
#include "model/axes/ChartAxisTitle.h"
#include "model/catalogue/LosslessClass.h"
#include "model/chart/Chart.h"
#include "model/extended/BubbleSeries.h"
#include "model/extended/CandleSeries.h"
#include "model/extended/OHLCSeries.h"
#include "model/series/SeriesSource.h"
#include "model/standard/CircledSeries.h"
#include "model/standard/CustomSeries.h"
#include "model/standard/StandardSeries.h"
#include "model/tools/KelCustomToolAxis.h"
#include "model/tools/KelCustomToolSeries.h"

namespace kel {
namespace {

// The nearest modelled classes of the classes that are not modelled further.
constexpr TLosslessBase kOnCustom = LosslessBaseOf<TCustomSeries>();
constexpr TLosslessBase kOnLine = LosslessBaseOf<TLineSeries>();
constexpr TLosslessBase kOnHorizLine = LosslessBaseOf<THorizLineSeries>();
constexpr TLosslessBase kOnPoint = LosslessBaseOf<TPointSeries>();
constexpr TLosslessBase kOnBar = LosslessBaseOf<TBarSeries>();
constexpr TLosslessBase kOnHorizBar = LosslessBaseOf<THorizBarSeries>();
constexpr TLosslessBase kOnOHLC = LosslessBaseOf<TOHLCSeries>();
constexpr TLosslessBase kOnCandle = LosslessBaseOf<TCandleSeries>();
constexpr TLosslessBase kOnBubble = LosslessBaseOf<TBubbleSeries>();
constexpr TLosslessBase kOnCircled = LosslessBaseOf<TCircledSeries>();
constexpr TLosslessBase kOnPie = LosslessBaseOf<TPieSeries>();
constexpr TLosslessBase kOnFunction = LosslessBaseOf<TKelFunction>();
constexpr TLosslessBase kOnMovingFunction = LosslessBaseOf<TKelMovingFunction>();
constexpr TLosslessBase kOnTool = LosslessBaseOf<TKelCustomTool>();
constexpr TLosslessBase kOnSeriesTool = LosslessBaseOf<TKelCustomToolSeries>();
constexpr TLosslessBase kOnAxisTool = LosslessBaseOf<TKelCustomToolAxis>();
constexpr TLosslessBase kOnAnimation = LosslessBaseOf<TKelCustomAnimation>();
constexpr TLosslessBase kOnComponent = LosslessBaseOf<TComponent>();
constexpr TLosslessBase kOnSeriesSource = LosslessBaseOf<TKelSeriesSource>();
constexpr TLosslessBase kOnFilter = LosslessBaseOf<TKelFilter>();

// Modelled classes that no area registers.
constexpr TLosslessBase kChartAxisTitle = LosslessBaseOf<TChartAxisTitle>();
constexpr TLosslessBase kODBCChart = LosslessBaseOf<TODBCChart>();

constexpr TCatalogueKind kSeries = TCatalogueKind::Series;
constexpr TCatalogueKind kFunction = TCatalogueKind::Function;
constexpr TCatalogueKind kTool = TCatalogueKind::Tool;
constexpr TCatalogueKind kAnimation = TCatalogueKind::Animation;
constexpr TCatalogueKind kPlain = TCatalogueKind::Plain;

constexpr TCatalogueEntry kCatalogue[] = {
    // Series, main entries.
    {kSeries, u"TLineSeries", u"Line", u"Standard", 2, 0, nullptr},
    {kSeries, u"TBarSeries", u"Bar", u"Standard", 2, 0, nullptr},
    {kSeries, u"THorizBarSeries", u"Horizontal\rBar", u"Standard", 2, 0, nullptr},
    {kSeries, u"TAreaSeries", u"Area", u"Standard", 2, 0, nullptr},
    {kSeries, u"TPointSeries", u"Point", u"Standard", 2, 0, nullptr},
    {kSeries, u"TPieSeries", u"Pie", u"Standard", 1, 0, nullptr},
    {kSeries, u"TFastLineSeries", u"Fast Line", u"Standard", 2, 0, nullptr},
    {kSeries, u"THorizLineSeries", u"Horizontal\rLine", u"Standard", 1, 0, nullptr},
    {kSeries, u"THorizAreaSeries", u"Horizontal\rArea", u"Standard", 1, 0, nullptr},
    {kSeries, u"TChartShape", u"Shape", u"Standard", 2, 0, &kOnPoint},
    {kSeries, u"TGanttSeries", u"Gantt", u"Standard", 1, 0, &kOnPoint},
    {kSeries, u"TArrowSeries", u"Arrow", u"Extended", 2, 0, &kOnPoint},
    {kSeries, u"TBubbleSeries", u"Bubble", u"Standard", 1, 0, &kOnPoint},
    {kSeries, u"TPointFigureSeries", u"Point & Figure", u"Financial", 1, 0, &kOnOHLC},
    {kSeries, u"TCandleSeries", u"Candle", u"Financial", 1, 0, &kOnCustom},
    {kSeries, u"TVolumeSeries", u"Volume", u"Financial", 1, 0, &kOnCustom},
    {kSeries, u"TDarvasSeries", u"Darvas", u"Financial", 1, 0, &kOnOHLC},
    {kSeries, u"THistogramSeries", u"Histogram", u"Stats", 1, 0, &kOnLine},
    {kSeries, u"THorizHistogramSeries", u"Horizontal\rHistogram", u"Stats", 1, 0, &kOnHorizLine},
    {kSeries, u"TSurfaceSeries", u"Surface", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TContourSeries", u"Contour", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TWaterFallSeries", u"Water Fall", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TColorGridSeries", u"Color Grid", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TVector3DSeries", u"Vector 3D", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TTowerSeries", u"Tower", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TIsoSurfaceSeries", u"Iso-Surface", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TPolarSeries", u"Polar", u"Extended", 2, 0, &kOnCircled},
    {kSeries, u"TRadarSeries", u"Radar", u"Extended", 2, 0, &kOnCircled},
    {kSeries, u"TPolarBarSeries", u"Polar Bar", u"Extended", 2, 0, &kOnCircled},
    {kSeries, u"TErrorBarSeries", u"Error Bar", u"Stats", 1, 0, &kOnBar},
    {kSeries, u"TErrorSeries", u"Error", u"Stats", 1, 0, &kOnBar},
    {kSeries, u"THighLowSeries", u"High-Low", u"Stats", 1, 0, &kOnCustom},
    {kSeries, u"TPolarGridSeries", u"Polar Grid", u"3D", 1, 0, &kOnCircled},
    {kSeries, u"TBezierSeries", u"Bezier", u"Extended", 1, 0, &kOnLine},
    {kSeries, u"TPoint3DSeries", u"Point 3D", u"3D", 1, 0, &kOnPoint},
    {kSeries, u"TBubble3DSeries", u"Bubble 3D", u"3D", 1, 0, &kOnBubble},
    {kSeries, u"TDonutSeries", u"Donut", u"Extended", 1, 0, &kOnPie},
    {kSeries, u"TTriSurfaceSeries", u"Triangle Surf.", u"3D", 1, 0, &kOnCustom},
    {kSeries, u"TMyPointSeries", u"Line Point", u"Other", 1, 0, &kOnPoint},
    {kSeries, u"TBarJoinSeries", u"Bar Join", u"Other", 1, 0, &kOnBar},
    {kSeries, u"TBar3DSeries", u"Bar 3D", u"Other", 1, 0, &kOnBar},
    {kSeries, u"TBigCandleSeries", u"Big Candle", u"Other", 1, 0, &kOnCandle},
    {kSeries, u"TImageBarSeries", u"ImageBar", u"Other", 1, 0, &kOnBar},
    {kSeries, u"TImagePointSeries", u"ImagePoint", u"Other", 1, 0, &kOnPoint},
    {kSeries, u"TDeltaPointSeries", u"DeltaPoint", u"Other", 1, 0, &kOnPoint},
    {kSeries, u"TWindRoseSeries", u"Wind Rose", u"Other", 1, 0, &kOnCircled},
    {kSeries, u"TClockSeries", u"Clock", u"Other", 1, 0, &kOnCircled},
    {kSeries, u"TRoseSeries", u"Rose", u"Other", 1, 0, &kOnCircled},
    {kSeries, u"TBoxSeries", u"BoxPlot", u"Stats", 2, 0, &kOnPoint},
    {kSeries, u"THorizBoxSeries", u"Horizontal\rBoxPlot", u"Stats", 2, 0, &kOnPoint},
    {kSeries, u"TSmithSeries", u"Smith", u"Extended", 2, 0, &kOnCircled},
    {kSeries, u"TPyramidSeries", u"Pyramid", u"Extended", 2, 0, &kOnCustom},
    {kSeries, u"TCalendarSeries", u"Calendar", u"Other", 1, 0, &kOnCustom},
    {kSeries, u"TMapSeries", u"Map", u"Extended", 1, 0, &kOnCustom},
    {kSeries, u"TVolumePipeSeries", u"VolumePipe", u"Stats", 1, 0, &kOnCustom},
    {kSeries, u"TFunnelSeries", u"Funnel", u"Stats", 1, 0, &kOnCustom},
    {kSeries, u"TGaugeSeries", u"Gauge", u"Gauges", 1, 0, &kOnCircled},
    {kSeries, u"THighLowLineSeries", u"HighLow Line", u"Stats", 1, 0, &kOnLine},
    {kSeries, u"TOrgSeries", u"Org.Chart", u"Extended", 1, 0, &kOnCustom},
    {kSeries, u"TTagCloudSeries", u"Tag Cloud", u"Other", 1, 0, &kOnCustom},
    {kSeries, u"TRenkoSeries", u"Renko", u"Financial", 1, 0, &kOnOHLC},
    {kSeries, u"TKagiSeries", u"Kagi", u"Financial", 1, 0, &kOnOHLC},
    {kSeries, u"TNumericGauge", u"Numeric\rGauge", u"Gauges", 1, 0, &kOnCustom},
    {kSeries, u"TLinearGauge", u"Linear\rGauge", u"Gauges", 1, 0, &kOnCustom},
    {kSeries, u"TCircularGauge", u"Circular\rGauge", u"Gauges", 1, 0, &kOnCircled},
    {kSeries, u"TClockGauge", u"Clock", u"Gauges", 1, 0, &kOnCircled},
    {kSeries, u"TKnobGauge", u"KnobGauge", u"Gauges", 1, 0, &kOnCircled},
    {kSeries, u"TTernarySeries", u"Ternary", u"Stats", 1, 0, &kOnPoint},
    {kSeries, u"TTreeMapSeries", u"TreeMap", u"Extended", 1, 0, &kOnCustom},
    {kSeries, u"TErrorPointSeries", u"Error Point", u"Stats", 1, 0, &kOnPoint},
    {kSeries, u"TErrorPoint3DSeries", u"Error Point3D", u"Stats", 1, 0, &kOnPoint},
    {kSeries, u"TEquiVolumeSeries", u"EquiVolume", u"Financial", 1, 0, &kOnOHLC},
    {kSeries, u"TDoubleHorizBarSeries", u"Double Horiz. Bar", u"Standard", 1, 0, &kOnHorizBar},
    {kSeries, u"TPolarContourSeries", u"Polar Contour", u"3D", 1, 0, &kOnCircled},
    // Further entries of classes above.
    {kSeries, u"TWorldSeries", u"World", u"Maps", 1, 0, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Africa", u"Maps", 1, 1, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Asia", u"Maps", 1, 2, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Australia", u"Maps", 1, 3, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Central America", u"Maps", 1, 4, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Europe", u"Maps", 1, 5, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Europe 15", u"Maps", 1, 6, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Europe 28", u"Maps", 1, 7, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Spain", u"Maps", 1, 8, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Middle East", u"Maps", 1, 9, &kOnCustom},
    {kSeries, u"TWorldSeries", u"North America", u"Maps", 1, 10, &kOnCustom},
    {kSeries, u"TWorldSeries", u"South America", u"Maps", 1, 11, &kOnCustom},
    {kSeries, u"TWorldSeries", u"USA", u"Maps", 1, 12, &kOnCustom},
    {kSeries, u"TWorldSeries", u"USA Alaska", u"Maps", 1, 13, &kOnCustom},
    {kSeries, u"TWorldSeries", u"EurAsia", u"Maps", 1, 14, &kOnCustom},
    {kSeries, u"TWorldSeries", u"UK", u"Maps", 1, 15, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Germany", u"Maps", 1, 16, &kOnCustom},
    {kSeries, u"TWorldSeries", u"USA Counties", u"Maps", 1, 17, &kOnCustom},
    {kSeries, u"TWorldSeries", u"USA Alaska Counties", u"Maps", 1, 18, &kOnCustom},
    {kSeries, u"TWorldSeries", u"Japan", u"Maps", 1, 19, &kOnCustom},
    {kSeries, u"TWorldSeries", u"China", u"Maps", 1, 20, &kOnCustom},
    {kSeries, u"TWorldSeries", u"France", u"Maps", 1, 21, &kOnCustom},
    {kSeries, u"TLinearGauge", u"Vertical", u"Gauges", 1, 1, &kOnCustom},
    // Functions.
    {kFunction, u"TSmoothingFunction", u"Smoothing", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TAddKelFunction", u"Add", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TSubtractKelFunction", u"Subtract", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TMultiplyKelFunction", u"Multiply", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TDivideKelFunction", u"Divide", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"THighKelFunction", u"High", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TLowKelFunction", u"Low", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TAverageKelFunction", u"Average", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TCustomKelFunction", u"y = f(x)", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TMedianKelFunction", u"Median", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TModeKelFunction", u"Mode", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TSubsetKelFunction", u"Subset", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TParetoKelFunction", u"Pareto", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TOBVFunction", u"On Balance\rVolume", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TSARFunction", u"SAR", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TADXFunction", u"ADX", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TATRFunction", u"ATR", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TRSIFunction", u"R.S.I.", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TCompressFunction", u"Compression", u"Financial", 1, 0, &kOnFunction},
    {kFunction, u"TMovingAverageFunction", u"Moving\rAverage", u"Math", 1, 0, &kOnMovingFunction},
    {kFunction, u"TExpMovAveFunction", u"Exp.Moving\rAverage", u"Math", 1, 0, &kOnMovingFunction},
    {kFunction, u"TExpAverageFunction", u"Exponential\rAverage", u"Math", 1, 0, &kOnMovingFunction},
    {kFunction, u"TSmoothedMovAvgFunction", u"Smoothed\rMoving Average", u"Math", 1, 0,
     &kOnFunction},
    {kFunction, u"TMomentumFunction", u"Momentum", u"Math", 1, 0, &kOnMovingFunction},
    {kFunction, u"TMomentumDivFunction", u"Momentum\rDivision", u"Math", 1, 0, &kOnMovingFunction},
    {kFunction, u"TStdDeviationFunction", u"Standard\rDeviation", u"Stats", 1, 0,
     &kOnMovingFunction},
    {kFunction, u"TRMSFunction", u"Root Mean\rSquare", u"Stats", 1, 0, &kOnMovingFunction},
    {kFunction, u"TSkewnessFunction", u"Skewness", u"Stats", 1, 0, &kOnMovingFunction},
    {kFunction, u"TKurtosisFunction", u"Kurtosis", u"Stats", 1, 0, &kOnMovingFunction},
    {kFunction, u"TMACDFunction", u"MACD", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TMoneyFlowFunction", u"Money Flow", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TRVIFunction", u"RVI", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TAOFunction", u"Awesome\rOscillator", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TACFunction", u"Accelerator\rDecelerator", u"Financial", 1, 0,
     &kOnMovingFunction},
    {kFunction, u"TAlligatorFunction", u"Alligator", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TGatorFunction", u"Gator\rOscillator", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TStochasticFunction", u"Stochastic", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TBollingerFunction", u"Bollinger\rbands", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TCrossPointsFunction", u"Cross Points", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TPerformanceFunction", u"Performance", u"Stats", 1, 0, &kOnMovingFunction},
    {kFunction, u"TVarianceFunction", u"Variance", u"Stats", 1, 0, &kOnMovingFunction},
    {kFunction, u"TPerimeterFunction", u"Perimeter", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TPercentChangeFunction", u"Percentage\rChange", u"Stats", 1, 0,
     &kOnMovingFunction},
    {kFunction, u"TSlopeFunction", u"Slope", u"Stats", 1, 0, &kOnMovingFunction},
    {kFunction, u"TCLVFunction", u"Close Location\rValue", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TPVOFunction", u"Volume\rOscillator", u"Financial", 1, 0, &kOnMovingFunction},
    {kFunction, u"TCCIFunction", u"Commodity\rChannel Index", u"Financial", 1, 0,
     &kOnMovingFunction},
    {kFunction, u"TCentroidKelFunction", u"Centroid", u"Stats", 1, 0, &kOnFunction},
    {kFunction, u"TCurveFittingFunction", u"Curve Fitting", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TTrendFunction", u"Trend", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TExpTrendFunction", u"Exponential\rTrend", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TCorrelationFunction", u"Correlation", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"TCountKelFunction", u"Count", u"Standard", 2, 0, &kOnFunction},
    {kFunction, u"TCumulative", u"Cumulative", u"Extended", 2, 0, &kOnFunction},
    {kFunction, u"TDownSamplingFunction", u"Downsampling", u"Extended", 1, 0, &kOnFunction},
    {kFunction, u"THistogramFunction", u"Histogram", u"Extended", 1, 0, &kOnFunction},
    // Tools: the standard ones first, then the others.
    {kTool, u"TCursorTool", u"Cursor", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TDragMarksTool", u"Drag Marks", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TAxisArrowTool", u"Axis Arrows", {}, 0, 0, &kOnAxisTool},
    {kTool, u"TDrawLineTool", u"Draw Line", {}, 0, 0, &kOnTool},
    {kTool, u"TNearestTool", u"Nearest Point", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TColorBandTool", u"Color Band", {}, 0, 0, &kOnAxisTool},
    {kTool, u"TColorLineTool", u"Color Line", {}, 0, 0, &kOnAxisTool},
    {kTool, u"TRotateTool", u"Rotate", {}, 0, 0, &kOnTool},
    {kTool, u"TChartImageTool", u"Image", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TMarksTipTool", u"Mark Tips", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TAnnotationTool", u"Annotation", {}, 0, 0, &kOnTool},
    {kTool, u"TGridBandTool", u"Grid Band", {}, 0, 0, &kOnAxisTool},
    {kTool, u"TAxisScrollTool", u"Axis Scroll", {}, 0, 0, &kOnAxisTool},
    {kTool, u"TRectangleTool", u"Rectangle", {}, 0, 0, &kOnTool},
    {kTool, u"TClipSeriesTool", u"Clip Series", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TFullScreenTool", u"Full Screen", {}, 0, 0, &kOnTool},
    {kTool, u"TRepaintMonitor", u"Repaint Monitor", {}, 0, 0, &kOnTool},
    {kTool, u"TPageNumTool", u"Page Number", {}, 0, 0, &kOnTool},
    {kTool, u"TDragPointTool", u"Drag Point", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TGridTransposeTool", u"3D Grid Transpose", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TTransposeSeriesTool", u"Transpose Series", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TGanttTool", u"Gantt Drag", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TPieTool", u"Pie Slices", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TSeriesBandTool", u"Series Band", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TExtraLegendTool", u"Extra Legend", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TSelectorTool", u"Selector", {}, 0, 0, &kOnTool},
    {kTool, u"TLightTool", u"2D Lighting", {}, 0, 0, &kOnTool},
    {kTool, u"TLegendScrollBar", u"Legend Scrollbar", {}, 0, 0, &kOnTool},
    {kTool, u"TSurfaceNearestTool", u"Surface Nearest", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TDataTableTool", u"Data Table", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TSeriesStatsTool", u"Statistics", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TCustomLegendTool", u"Custom Legend", {}, 0, 0, &kOnTool},
    {kTool, u"TSeriesRegionTool", u"Region", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TLegendPaletteTool", u"Legend Palette", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TFibonacciTool", u"Fibonacci", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TAxisBreaksTool", u"Axis Breaks", {}, 0, 0, &kOnAxisTool},
    {kTool, u"TSubChartTool", u"SubChart", {}, 0, 0, &kOnTool},
    {kTool, u"TVideoTool", u"Video creator", {}, 0, 0, &kOnTool},
    {kTool, u"TVideoPlayerTool", u"Video player", {}, 0, 0, &kOnTool},
    {kTool, u"TAntiAliasTool", u"Anti-Alias", {}, 0, 0, &kOnTool},
    {kTool, u"TFrameTool", u"Frame", {}, 0, 0, &kOnTool},
    {kTool, u"TBannerTool", u"Banner", {}, 0, 0, &kOnTool},
    {kTool, u"TText3DTool", u"Text 3D", {}, 0, 0, &kOnTool},
    {kTool, u"TMagnifyTool", u"Magnify", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TFaderTool", u"Fader", {}, 0, 0, &kOnTool},
    {kTool, u"TLinkTool", u"Link", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TArrowTool", u"Arrow", {}, 0, 0, &kOnTool},
    {kTool, u"TClusteringTool", u"Clustering", {}, 0, 0, &kOnSeriesTool},
    {kTool, u"TScrollPagerTool", u"ScrollPager", {}, 0, 0, &kOnTool},
    // Animations.
    {kAnimation, u"TExpandAnimation", u"Expand", {}, 0, 0, &kOnAnimation},
    {kAnimation, u"TKelAnimationTool", u"Animation", {}, 0, 0, &kOnAnimation},
    {kAnimation, u"TSeriesAnimationTool", u"Series Animation", {}, 0, 0, &kOnAnimation},
    // Chart engine.
    {kPlain, u"TChartAxisTitle", {}, {}, 0, 0, &kChartAxisTitle},
    {kPlain, u"TChartAxis", {}, {}, 0, 0, nullptr},
    {kPlain, u"TChartDepthAxis", {}, {}, 0, 0, nullptr},
    {kPlain, u"TSeriesMarks", {}, {}, 0, 0, nullptr},
    // Chart store.
    {kPlain, u"TChartChart", {}, {}, 0, 0, nullptr},
    {kPlain, u"TODBCChart", {}, {}, 0, 0, &kODBCChart},
    // Further chart elements.
    {kPlain, u"TNumericMarker", {}, {}, 0, 0, &kOnComponent},
    {kPlain, u"TInnerChart", {}, {}, 0, 0, &kOnComponent},
    {kPlain, u"TSurfaceNearest", {}, {}, 0, 0, &kOnComponent},
    {kPlain, u"TKelExcelSource", {}, {}, 0, 0, &kOnSeriesSource},
    // Animation parts.
    {kPlain, u"TCustomExpandAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TTransformAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TSeriesAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TRotate3DAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TRandomPointsAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TLineAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TColorsAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TNumberAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TPlaySoundAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TSinusAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TToggleAnimation", {}, {}, 0, 0, &kOnAnimation},
    {kPlain, u"TKelAnimate", {}, {}, 0, 0, &kOnAnimation},
    // Picture filters.
    {kPlain, u"TInvertFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TGrayScaleFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TMosaicFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TFlipFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TReverseFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TBrightnessFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TContrastFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TColorFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TColorReplaceFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"THueLumSatFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TBlurFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TSharpenFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TGammaCorrectionFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TEmbossFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TSoftenFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TCropFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TResizeFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TRotateFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TMirrorFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TTileFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TBevelFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TEqualizeFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TZoomFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TSobelFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TSepiaFilter", {}, {}, 0, 0, &kOnFilter},
    {kPlain, u"TLightFilter", {}, {}, 0, 0, &kOnFilter},
    // Host controls.
    {kPlain, u"TMenuItem", {}, {}, 0, 0, &kOnComponent},
    {kPlain, u"TStringGrid", {}, {}, 0, 0, &kOnComponent},

};

}  // namespace

std::span<const TCatalogueEntry> CatalogueEntries() {
  return kCatalogue;
}

}  // namespace kel
