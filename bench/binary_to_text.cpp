// Speed of the conversion of binary component streams to text, printed as
// MB/s: (a) a chart stream of about 100 MB that is mostly binary values,
// compared with `base64` encoding the same bytes in the same run; (b) a stream
// of a million small property entries.
//
// Usage: bench_binary_to_text FOLDER   (a scratch folder for the files)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "persist/BinaryToText.h"
#include "persist/Stream.h"
#include "persist/Writer.h"

namespace {

using kel::TFileStream;
using kel::TWriter;

constexpr int kRepeats = 5;
constexpr double kMegabyte = 1e6;

double Seconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

// Best wall-clock times of the tasks, run in turns so that both see the same
// load of the machine.
std::vector<double> BestSeconds(const std::vector<std::function<void()>>& tasks) {
  std::vector<double> best(tasks.size(), 1e30);
  for (int i = 0; i < kRepeats; ++i) {
    for (size_t t = 0; t < tasks.size(); ++t) best[t] = std::min(best[t], Seconds(tasks[t]));
  }
  return best;
}

int64_t FileSize(const std::string& path) {
  TFileStream file(path, kel::fmOpenRead);
  return file.Size();
}

// A chart whose series carry large data blocks, as charts with many values do.
void WriteBinaryChart(const std::string& path) {
  constexpr int kSeries = 100;
  constexpr size_t kBlockBytes = 1000000;
  TFileStream file(path, kel::fmCreate);
  TWriter w(file, kel::kDefaultFilerBufferSize);
  w.WriteSignature();
  w.WriteUTF8Str(u"TChart");
  w.WriteUTF8Str(u"");
  w.WriteUTF8Str(u"Width");
  w.WriteInteger(int32_t{400});
  w.WriteListEnd();
  std::vector<uint8_t> block(kBlockBytes);
  uint32_t seed = 12345;
  for (int s = 0; s < kSeries; ++s) {
    for (auto& b : block) b = static_cast<uint8_t>((seed = seed * 1664525 + 1013904223) >> 24);
    w.WriteUTF8Str(u"TLineSeries");
    w.WriteUTF8Str(u"Series" + std::u16string(1, static_cast<char16_t>(u'A' + s % 26)));
    w.WriteUTF8Str(u"SeriesColor");
    w.WriteIdent(u"clRed");
    w.WriteUTF8Str(u"Data");
    w.WriteBinary(block.data(), static_cast<int64_t>(block.size()));
    w.WriteListEnd();
    w.WriteListEnd();
  }
  w.WriteListEnd();
}

// A million entries of the kinds a chart writes most: integers, names,
// booleans, short strings and floats.
void WriteSmallEntries(const std::string& path) {
  constexpr int kObjects = 10000;
  constexpr int kEntriesPerObject = 100;
  TFileStream file(path, kel::fmCreate);
  TWriter w(file, kel::kDefaultFilerBufferSize);
  w.WriteSignature();
  w.WriteUTF8Str(u"TChart");
  w.WriteUTF8Str(u"");
  w.WriteListEnd();
  for (int o = 0; o < kObjects; ++o) {
    w.WriteUTF8Str(u"TLineSeries");
    w.WriteUTF8Str(u"Series");
    for (int e = 0; e < kEntriesPerObject; ++e) {
      switch (e % 5) {
        case 0:
          w.WriteUTF8Str(u"Pen.Width");
          w.WriteInteger(int32_t{e * 37});
          break;
        case 1:
          w.WriteUTF8Str(u"Marks.Font.Color");
          w.WriteIdent(u"clNavy");
          break;
        case 2:
          w.WriteUTF8Str(u"Visible");
          w.WriteBoolean(e % 2 == 0);
          break;
        case 3:
          w.WriteUTF8Str(u"Title");
          w.WriteString(u"Sales 2014");
          break;
        case 4:
          w.WriteUTF8Str(u"Maximum");
          w.WriteFloat(e * 1.25);
          break;
      }
    }
    w.WriteListEnd();
    w.WriteListEnd();
  }
  w.WriteListEnd();
}

// Reads the stream from its file and writes the text to another file.
void ConvertFile(const std::string& from, const std::string& to) {
  TFileStream input(from, kel::fmOpenRead);
  TFileStream output(to, kel::fmCreate);
  kel::ComponentBinaryToText(input, output);
}

void RunCommand(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const std::string chart = folder + "/binary-chart.bin";
  const std::string chartText = folder + "/binary-chart.txt";
  const std::string chartBase64 = folder + "/binary-chart.b64";
  const std::string entries = folder + "/small-entries.bin";
  const std::string entriesText = folder + "/small-entries.txt";

  WriteBinaryChart(chart);
  const double chartMB = FileSize(chart) / kMegabyte;
  const std::vector<double> times =
      BestSeconds({[&] { ConvertFile(chart, chartText); },
                   [&] { RunCommand("base64 '" + chart + "' > '" + chartBase64 + "'"); }});
  const double ours = times[0];
  const double base64 = times[1];
  std::printf("(a) binary chart, %.1f MB in, %.1f MB of text out\n", chartMB,
              FileSize(chartText) / kMegabyte);
  std::printf("    to text: %8.1f MB/s  (%.3f s)\n", chartMB / ours, ours);
  std::printf("    base64:  %8.1f MB/s  (%.3f s)\n", chartMB / base64, base64);
  std::printf("    time ratio to text / base64: %.2f  (goal <= 1.5)\n", ours / base64);

  WriteSmallEntries(entries);
  const double entriesSeconds = BestSeconds({[&] { ConvertFile(entries, entriesText); }})[0];
  const double textMB = FileSize(entriesText) / kMegabyte;
  std::printf("(b) a million small entries, %.1f MB in, %.1f MB of text out\n",
              FileSize(entries) / kMegabyte, textMB);
  std::printf("    to text: %8.1f MB/s of text  (%.3f s)  (goal >= 50)\n", textMB / entriesSeconds,
              entriesSeconds);
  return 0;
}
