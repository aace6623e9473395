#include "store/ChartStore.h"

#include <array>
#include <exception>
#include <memory>
#include <thread>

#include "model/chart/Chart.h"
#include "model/series/ChartSeries.h"
#include "persist/BinaryToText.h"
#include "persist/Exceptions.h"
#include "persist/PipeStream.h"
#include "persist/Writer.h"
#include "store/AtomicFileStream.h"
#include "store/ChartException.h"
#include "store/ChartFile.h"
#include "store/ChartTextXml.h"

namespace kel {

bool TChartReader::ReportError(const std::string& message) {
  return CheckError ? CheckError(message) : true;
}

void ReadChartFromStream(TCustomChart* chart,
                         TStream& stream,
                         bool readData,
                         const TProcKelCheckError& checkError,
                         const TProcKelDropped& dropped) {
  if (chart == nullptr) throw ChartException(InvalidChartMessage());
  if (stream.Size() == 0) throw ChartException(EmptyChartFileMessage());
  if (!IsChartStream(stream)) throw ChartException(WrongChartFileFormatMessage());
  chart->SetAutoRepaint(false);
  chart->ClearChart();

  std::unique_ptr<TMemoryStream> converted;
  TStream* source = &stream;
  if (!IsBinaryChartStream(stream)) {
    converted = std::make_unique<TMemoryStream>();
    ChartTextToBinary(stream, *converted);
    converted->SetPosition(0);
    source = converted.get();
  }
  std::array<uint8_t, sizeof(kChartFileHeader)> header;
  source->ReadBuffer(header.data(), header.size());

  {
    TChartReader reader(*source, kDefaultFilerBufferSize);
    // An event handler that the chart does not have stays unassigned.
    reader.OnFindMethod = [](TReader&, const std::u16string&, void*&, bool& error) {
      error = false;
    };
    reader.CheckError = checkError;
    if (dropped) {
      reader.OnDropped = [&dropped](TReader&, const std::string& description) {
        dropped(description);
      };
    }
    const std::u16string name = chart->Name();
    reader.ReadRootComponent(*chart);
    if (!name.empty()) chart->SetName(name);
  }

  if (readData && source->Position() < source->Size()) {
    for (IChartSeries* series : chart->SeriesList()) series->ReadSeriesData(*source);
  }
  chart->SetAutoRepaint(true);
  chart->Invalidate();
}

void ReadChartFromFile(TCustomChart* chart,
                       const std::string& fileName,
                       const TProcKelCheckError& checkError) {
  TFileStream file(WithDefaultChartExtension(fileName), fmOpenRead | fmShareDenyWrite);
  ReadChartFromStream(chart, file, false, checkError);
}

namespace {

// Marks every series for one save and clears the marks when it ends, however
// it ends.
class TSaveDataMarks {
 public:
  TSaveDataMarks(const TChartSeriesList& series, bool includeData) : FSeries(series) {
    for (IChartSeries* s : FSeries) {
      if (includeData) {
        s->SetForceSaveData(true);
      } else {
        s->SetDontSaveData(true);
      }
    }
  }
  ~TSaveDataMarks() {
    for (IChartSeries* s : FSeries) {
      s->SetForceSaveData(false);
      s->SetDontSaveData(false);
    }
  }
  TSaveDataMarks(const TSaveDataMarks&) = delete;
  TSaveDataMarks& operator=(const TSaveDataMarks&) = delete;

 private:
  const TChartSeriesList& FSeries;
};

// Empties the chart's name for the duration of a save and gives it back,
// also when the save fails, so that a failed save never renames the chart.
class TBlankName {
 public:
  explicit TBlankName(TCustomChart& chart)
      : FChart(chart), FActive(!chart.ComponentState().Contains(csDesigning)) {
    if (!FActive) return;
    FName = chart.Name();
    FChart.SetName(u"");
  }
  ~TBlankName() {
    if (FActive) FChart.SetName(FName);
  }
  TBlankName(const TBlankName&) = delete;
  TBlankName& operator=(const TBlankName&) = delete;

 private:
  TCustomChart& FChart;
  bool FActive;
  std::u16string FName;
};

void WriteChartBinary(TCustomChart& chart, TStream& target, bool includeData) {
  WriteChartFileHeader(target);
  TBlankName blankName(chart);
  TSaveDataMarks marks(chart.SeriesList(), includeData);
  TWriter writer(target, kDefaultFilerBufferSize);
  // References to the chart's children are named relative to the chart's
  // owner, as the window that owns the chart would have them.
  writer.AssignRoot(chart.Owner() != nullptr ? chart.Owner() : &chart);
  writer.WriteSignature();
  writer.WriteComponent(chart);
  // Flushed here so that a failing write is reported, not lost in a destructor.
  writer.FlushBuffer();
}

// The number of points below which a chart's text is not worth a thread.
constexpr int64_t kPointsWorthAThread = 20000;

int64_t PointCount(TCustomChart& chart) {
  int64_t points = 0;
  for (int i = 0; i < chart.SeriesCount(); ++i) {
    if (auto* series = dynamic_cast<TChartSeries*>(&chart.Series(i)->SeriesComponent()))
      points += series->Count();
  }
  return points;
}

// Writes the binary form into a pipe on this thread while another thread
// converts it to text into `output` as it comes. Returns whether the text
// needs a byte order mark.
bool WriteChartTextThroughPipe(TCustomChart& chart,
                               TStream& output,
                               bool includeData,
                               bool withByteOrderMark) {
  TPipeStream pipe;
  bool needsMark = false;
  std::exception_ptr converterFailure;
  std::thread converter([&] {
    try {
      uint8_t header[sizeof kChartFileHeader];
      pipe.ReadBuffer(header, sizeof header);
      needsMark = ComponentBinaryToTextInOnePass(pipe, output, withByteOrderMark);
    } catch (...) {
      converterFailure = std::current_exception();
    }
    pipe.CloseReading();
  });
  std::exception_ptr writerFailure;
  bool converterStoppedFirst = false;
  try {
    WriteChartBinary(chart, pipe, includeData);
  } catch (...) {
    writerFailure = std::current_exception();
    // A converter that stopped first makes the writer fail on the pipe.
    converterStoppedFirst = pipe.ReadingClosed();
  }
  pipe.CloseWriting();
  converter.join();
  if (writerFailure && !converterStoppedFirst) std::rethrow_exception(writerFailure);
  if (converterFailure) std::rethrow_exception(converterFailure);
  return needsMark;
}

}  // namespace

void WriteChartToStream(TCustomChart& chart, TStream& stream, bool includeData, bool textForm) {
  if (!textForm) {
    WriteChartBinary(chart, stream, includeData);
    return;
  }
  TMemoryStream binary;
  WriteChartBinary(chart, binary, includeData);
  binary.SetPosition(0);
  ChartBinaryToText(binary, stream);
}

void WriteChartTextStreamed(TCustomChart& chart, TStream& output, bool includeData) {
  // A small chart's text is made in memory on this thread: starting the
  // converting thread would cost more than converting it.
  if (!includeData || PointCount(chart) < kPointsWorthAThread) {
    WriteChartToStream(chart, output, includeData, true);
    return;
  }
  const int64_t start = output.Position();
  if (!WriteChartTextThroughPipe(chart, output, includeData, false)) return;
  if (output.Seek(start, TSeekOrigin::soBeginning) != start) throw EWriteError(kSWriteError);
  WriteChartTextThroughPipe(chart, output, includeData, true);
}

void WriteChartToFile(TCustomChart& chart,
                      const std::string& fileName,
                      bool includeData,
                      bool textForm) {
  WriteFileAtomically(WithDefaultChartExtension(fileName), [&](TStream& file) {
    if (textForm) {
      // The file appears only when complete, so its text can be streamed.
      WriteChartTextStreamed(chart, file, includeData);
    } else {
      WriteChartBinary(chart, file, includeData);
    }
  });
}

void WriteChartAsXmlToStream(TCustomChart& chart,
                             TStream& stream,
                             bool includeData,
                             bool withHeader) {
  // The document is built apart and then written, so that the stream never
  // holds a mixture of text and XML.
  TMemoryStream document;
  WriteChartToStream(chart, document, includeData, true);
  document.SetPosition(0);
  ChartTextToXml(document, withHeader);
  stream.WriteBuffer(document.Memory(), document.Size());
}

void WriteChartAsXmlToFile(TCustomChart& chart,
                           const std::string& fileName,
                           bool includeData,
                           bool withHeader) {
  WriteFileAtomically(WithDefaultChartExtension(fileName), [&](TStream& file) {
    WriteChartAsXmlToStream(chart, file, includeData, withHeader);
  });
}

}  // namespace kel
