// The XML document of series values: one <series> element per exported
// series with its title, type and colour, and one <point> element per point.
//
// Every inserted text is escaped and every value list name made a valid,
// unique attribute name, so that the document is always well-formed; saving writes the bytes in the
// encoding the declaration names, so that the declaration is true.
#pragma once

#include "store/export/ExportData.h"

namespace kel {

class TSeriesDataXML : public TSeriesData {
  KEL_CLASS(TSeriesDataXML, TSeriesData)

 public:
  TSeriesDataXML(TCustomChart* chart, TChartSeries* series);
  TSeriesDataXML(TCustomChart* chart, TChartSeries* series, const Locale& locale);

  // The encoding named in the declaration; empty leaves the attribute out.
  std::u16string Encoding;
  // The default of Encoding: "shift_jis" for a Japanese locale, else
  // "UTF-16".
  std::u16string DefaultEncodingName() const;
  bool IsEncodingStored() const;

  // Writes in the declared encoding (UTF-8, the XML default, when none is
  // declared), "UTF-16" little-endian with its byte-order mark. FileEncoding
  // is not consulted, so that the bytes always match the declaration. Raises
  // EConvertError "Unknown encoding "%s"" for a name no converter knows.
  void SaveToStream(TStream& stream) override;

 protected:
  void WriteDocument(TDocumentText& text) override;

 private:
  void WriteSeries(TDocumentText& text, const TChartSeries& series);

  // The texts that pieces of point lines are formatted into, kept from one
  // series to the next.
  std::vector<std::u16string> FPieceTexts;
};

// The title of a series in the document: its Title unless blank, else its
// name, else "Series" and its position in its chart counted from 1.
std::u16string SeriesTitleText(const TChartSeries& series);
// Appends `text` escaped for an attribute value: the five markup characters
// as entities, and characters that XML does not allow as U+FFFD.
void AppendXmlEscaped(std::u16string& out, std::u16string_view text);

}  // namespace kel
