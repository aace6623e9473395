// The declaration API as its header describes it: a pen with a remembered
// default, and a series family whose base declares rows that each concrete
// series publishes in its own order.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "persist/ClassDeclaration.h"
#include "persist/ClassRegistry.h"
#include "persist/IntegerIdents.h"
#include "tests/persist/ComponentStreams.h"

namespace kel::example {
namespace {

KEL_ENUM(TPenStyle, psSolid, psDash, psDot)

class TKelBrush : public TPersistent {
  KEL_CLASS(TKelBrush, TPersistent)

 public:
  TColor FColor = clWhite;
  void Assign(const TPersistent* source) override {
    FColor = dynamic_cast<const TKelBrush&>(*source).FColor;
  }
};

class TKelPen : public TPersistent {
  KEL_CLASS(TKelPen, TPersistent)

 public:
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  TPenStyle FStyle = psSolid;
  void SetStyle(TPenStyle value) { FStyle = value; }
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t value) { FWidth = value; }
  int32_t DefaultWidth = 1;  // the width that owners give their pens
  TKelBrush* GetFill() {
    if (!FFill) FFill = std::make_unique<TKelBrush>();
    return FFill.get();
  }
  void SetFill(TKelBrush* value) { GetFill()->Assign(value); }
  void Assign(const TPersistent* source) override {
    const auto& pen = dynamic_cast<const TKelPen&>(*source);
    FColor = pen.FColor;
    FStyle = pen.FStyle;
    FWidth = pen.FWidth;
  }

 private:
  TColor FColor = clBlack;
  int32_t FWidth = 1;
  std::unique_ptr<TKelBrush> FFill;
};

KEL_PROPERTIES(TKelBrush,
               Property(u"Color", &TKelBrush::FColor, &TKelBrush::FColor).Default(clWhite))

KEL_PROPERTIES(TKelPen,
               Property(u"Color", &TKelPen::GetColor, &TKelPen::SetColor).Default(clBlack),
               Property(u"Style", &TKelPen::FStyle, &TKelPen::SetStyle).Default(psSolid),
               Property(u"Width", &TKelPen::GetWidth, &TKelPen::SetWidth)
                   .NoDefault()
                   .StoredUnlessEqual(&TKelPen::DefaultWidth),
               Property(u"Fill", &TKelPen::GetFill, &TKelPen::SetFill))

// Declares what every series has; publishes nothing of its own.
class TSeriesBase : public TComponent {
  KEL_CLASS(TSeriesBase, TComponent)

 public:
  explicit TSeriesBase(TComponent* owner) : TComponent(owner) {}
  bool FActive = true;
  int32_t FDepth = -1;
  double FRatio = 0;
  double DefaultRatio = 0.5;
  TMethod FOnClick;
  TKelPen* Pen() const { return FPen.get(); }
  void SetPen(TKelPen* value) { FPen->Assign(value); }

 private:
  std::unique_ptr<TKelPen> FPen = std::make_unique<TKelPen>();
};

KEL_PROPERTIES(
    TSeriesBase,
    Declared(Property(u"Active", &TSeriesBase::FActive, &TSeriesBase::FActive).Default(true)),
    Declared(Property(u"Depth", &TSeriesBase::FDepth, &TSeriesBase::FDepth).Default(-1)),
    Declared(Property(u"Ratio", &TSeriesBase::FRatio, &TSeriesBase::FRatio)
                 .StoredUnlessEqual(&TSeriesBase::DefaultRatio)),
    Declared(Property(u"OnClick", &TSeriesBase::FOnClick, &TSeriesBase::FOnClick)),
    Declared(Property(u"Pen", &TSeriesBase::Pen, &TSeriesBase::SetPen)))

class TLineSeries : public TSeriesBase {
  KEL_CLASS(TLineSeries, TSeriesBase)

 public:
  explicit TLineSeries(TComponent* owner) : TSeriesBase(owner) {}
  bool FStairs = false;
};

KEL_PROPERTIES(TLineSeries,
               Published({u"Active", u"Depth", u"OnClick"}),
               Property(u"Stairs", &TLineSeries::FStairs, &TLineSeries::FStairs).Default(false),
               Published({u"Pen", u"Ratio"}))

// Another order, and Active with another default.
class TBarSeries : public TSeriesBase {
  KEL_CLASS(TBarSeries, TSeriesBase)

 public:
  explicit TBarSeries(TComponent* owner) : TSeriesBase(owner) { FActive = false; }
};

KEL_PROPERTIES(TBarSeries, Published({u"Depth"}), Redeclared(u"Active").Default(false))

class TDemoChart : public TComponent {
  KEL_CLASS(TDemoChart, TComponent)

 public:
  explicit TDemoChart(TComponent* owner) : TComponent(owner) {}
  static void SeriesClicked() {}
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
};

KEL_PROPERTIES(TDemoChart, PublishedMethod(u"SeriesClicked", &TDemoChart::SeriesClicked))

std::vector<std::u16string> SlotNames(const TClassInfo& info) {
  std::vector<std::u16string> names;
  for (const TPropInfo* prop : ListPublishedProperties(info)) names.push_back(prop->Name);
  return names;
}

TEST(ClassDeclaration, EachSeriesPublishesTheDeclaredRowsInItsOwnOrder) {
  using Names = std::vector<std::u16string>;
  EXPECT_EQ(SlotNames(TSeriesBase::StaticClassInfo()), (Names{u"Name", u"Tag"}));
  EXPECT_EQ(GetPropInfo(TSeriesBase::StaticClassInfo(), u"Active"), nullptr);
  EXPECT_EQ(SlotNames(TLineSeries::StaticClassInfo()),
            (Names{u"Name", u"Tag", u"Active", u"Depth", u"OnClick", u"Stairs", u"Pen", u"Ratio"}));
  EXPECT_EQ(SlotNames(TBarSeries::StaticClassInfo()),
            (Names{u"Name", u"Tag", u"Depth", u"Active"}));
  EXPECT_EQ(GetPropInfo(TLineSeries::StaticClassInfo(), u"active")->Default, 1);
  EXPECT_EQ(GetPropInfo(TBarSeries::StaticClassInfo(), u"active")->Default, 0);
}

TEST(ClassDeclaration, ARememberedDefaultDecidesWhetherTheValueIsStored) {
  TKelPen pen;
  const TPropInfo& width = *GetPropInfo(pen.ClassInfo(), u"Width");
  EXPECT_FALSE(PropertyIsStored(pen, width));
  pen.DefaultWidth = 2;  // an owner that gives its pens another width
  EXPECT_TRUE(PropertyIsStored(pen, width));
  pen.SetWidth(2);
  EXPECT_FALSE(PropertyIsStored(pen, width));

  TLineSeries series(nullptr);
  const TPropInfo& ratio = *GetPropInfo(series.ClassInfo(), u"Ratio");
  EXPECT_TRUE(PropertyIsStored(series, ratio));
  series.FRatio = 0.5;
  EXPECT_FALSE(PropertyIsStored(series, ratio));
}

TEST(ClassDeclaration, AChartOfBothSeriesIsWrittenAndReadBack) {
  const TClassRegistration classes({&TDemoChart::StaticClassInfo(), &TLineSeries::StaticClassInfo(),
                                    &TBarSeries::StaticClassInfo()});
  TDemoChart chart(nullptr);
  chart.SetName(u"Chart1");
  auto* line = new TLineSeries(&chart);
  line->SetName(u"Line1");
  line->FStairs = true;
  line->FRatio = 0.5;
  line->FOnClick = {MethodAddress(chart.ClassInfo(), u"SeriesClicked"), &chart};
  line->Pen()->SetWidth(3);
  line->Pen()->GetFill()->FColor = clRed;
  auto* bar = new TBarSeries(&chart);
  bar->SetName(u"Bar1");
  bar->FActive = true;
  bar->FDepth = 4;

  const std::vector<uint8_t> written = test::WriteRoot(chart);
  EXPECT_EQ(test::AsText(written),
            "object Chart1: TDemoChart\n"
            "  object Line1: TLineSeries\n"
            "    OnClick = SeriesClicked\n"
            "    Stairs = True\n"
            "    Pen.Width = 3\n"
            "    Pen.Fill.Color = clRed\n"
            "  end\n"
            "  object Bar1: TBarSeries\n"
            "    Depth = 4\n"
            "    Active = True\n"
            "  end\n"
            "end\n");

  TDemoChart reloaded(nullptr);
  EXPECT_TRUE(test::ReadRoot(reloaded, written, false).errors.empty());
  EXPECT_EQ(test::WriteRoot(reloaded), written);
}

// Publishes by name a row it declares further down its own table.
class TSelfPublished : public TSeriesBase {
  KEL_CLASS(TSelfPublished, TSeriesBase)

 public:
  bool FStairs = false;
};
KEL_PROPERTIES(TSelfPublished,
               Published({u"Stairs", u"Depth"}),
               Declared(Property(u"Stairs", &TSelfPublished::FStairs, &TSelfPublished::FStairs)
                            .Default(false)))

TEST(ClassDeclaration, AClassPublishesItsOwnDeclaredRowWhereverTheNameStands) {
  const TClassInfo& info = TSelfPublished::StaticClassInfo();
  EXPECT_EQ(SlotNames(info), (std::vector<std::u16string>{u"Name", u"Tag", u"Stairs", u"Depth"}));
  EXPECT_EQ(GetPropInfo(info, u"STAIRS")->Default, 0);
}

// A class for tables built on purpose with mistakes.
class TMalformed : public TSeriesBase {
  KEL_CLASS(TMalformed, TSeriesBase)
};
KEL_PROPERTIES(TMalformed)

TEST(ClassDeclaration, MistakesInATableNameTheClassAndTheProperty) {
  using M = TMalformed;
  const struct {
    const char* what;
    std::function<void()> build;
    const char* message;
  } cases[] = {
      {"a name nothing declares",
       [] {
         DeclareClass<M>({Published({u"Active", u"Colour"})});
       },
       "TMalformed publishes Colour, which neither it nor an ancestor declares"},
      {"a name published twice",
       [] {
         DeclareClass<M>({Published({u"Depth", u"depth"})});
       },
       "TMalformed names Depth twice"},
      {"a row declared twice",
       [] {
         DeclareClass<M>({Declared(Property(u"Stairs", &M::FActive, &M::FActive).Default(false)),
                          Property(u"Stairs", &M::FActive, &M::FActive).Default(false)});
       },
       "TMalformed names Stairs twice"},
      {"a declared row that an ancestor publishes",
       [] { DeclareClass<M>({Declared(Property(u"Tag", &M::FDepth, &M::FDepth).Default(0))}); },
       "TMalformed declares Tag, which an ancestor publishes already"},
      {"a remembered default of another kind",
       [] { DeclareClass<M>({Redeclared(u"Depth").StoredUnlessEqual(&M::DefaultRatio)}); },
       "TMalformed.Depth remembers a default of another kind than its value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.build();
      ADD_FAILURE() << "no error";
    } catch (const std::logic_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(ClassDeclaration, AnOrdinalRowWithoutADefaultIsCaughtWhenTheCheckIsOn) {
  const TPropDecl silent = Property(u"Depth", &TSeriesBase::FDepth, &TSeriesBase::FDepth);
  try {
    declaration::CheckOrdinalDefaultGiven(u"TSeriesBase", silent);
    ADD_FAILURE() << "no error";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "TSeriesBase.Depth is ordinal and says neither Default nor NoDefault");
  }
  TPropDecl explicitRow = silent;
  EXPECT_NO_THROW(declaration::CheckOrdinalDefaultGiven(u"TSeriesBase", explicitRow.NoDefault()));
  EXPECT_NO_THROW(declaration::CheckOrdinalDefaultGiven(
      u"TSeriesBase", Property(u"Ratio", &TSeriesBase::FRatio, &TSeriesBase::FRatio)));
}

}  // namespace
}  // namespace kel::example
