// Loading a whole chart from a chart file in either form into a live chart,
// and saving a live chart as a chart file in binary, text or XML form.
#pragma once

#include <functional>
#include <string>

#include "persist/Reader.h"

namespace kel {

class TCustomChart;

// Given the text of a reading error: true to skip what could not be read and
// go on, false to fail.
using TProcKelCheckError = std::function<bool(const std::string& message)>;
// Given the description of each entry the load left out and went on without
// (see TReader::ReportDropped).
using TProcKelDropped = std::function<void(const std::string& description)>;

// The reader used for charts: tolerant unless its callback says otherwise.
class TChartReader : public TReader {
 public:
  TChartReader(TStream& stream, int bufSize) : TReader(stream, bufSize) {}

  TProcKelCheckError CheckError;

  bool ReportError(const std::string& message) override;
};

// Loads chart from stream's position: the chart is cleared, then read. With
// readData, values that files of the earlier layout keep after the component
// stream are read too. Raises ChartException "Invalid Chart in *.kel file"
// (no chart), "Empty *.kel file" or "Wrong *.kel file format" before touching
// the chart. `dropped` hears of everything the load leaves out.
void ReadChartFromStream(TCustomChart* chart,
                         TStream& stream,
                         bool readData = false,
                         const TProcKelCheckError& checkError = {},
                         const TProcKelDropped& dropped = {});
// Opens the file (".kel" added when the name has no extension) and loads it
// without trailing values.
void ReadChartFromFile(TCustomChart* chart,
                       const std::string& fileName,
                       const TProcKelCheckError& checkError = {});

// Writes the chart at the stream's position: the chart file header and the
// component stream, or the text form of it. With includeData every series
// writes its values, without none does. The chart is written with an empty
// name and relative to its owner; both its name and the series' marks are
// back as they were afterwards, also after a failure.
void WriteChartToStream(TCustomChart& chart, TStream& stream, bool includeData, bool textForm);
// Writes the text form at the position of a seekable stream as it is made,
// without the whole binary form in memory first. Only names outside ASCII
// need the byte order mark, and that is known at the end: such a rare text
// is written again, with the mark, over the first one (which it is longer
// than).
void WriteChartTextStreamed(TCustomChart& chart, TStream& output, bool includeData);
// Writes the file (".kel" added when the name has no extension) so that it is
// either complete or left as it was.
void WriteChartToFile(TCustomChart& chart,
                      const std::string& fileName,
                      bool includeData,
                      bool textForm);

// The chart's text form rendered as XML (see ChartTextToXml).
void WriteChartAsXmlToStream(TCustomChart& chart,
                             TStream& stream,
                             bool includeData,
                             bool withHeader);
void WriteChartAsXmlToFile(TCustomChart& chart,
                           const std::string& fileName,
                           bool includeData,
                           bool withHeader);

}  // namespace kel
