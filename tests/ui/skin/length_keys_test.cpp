// Skin lengths at the window's display scale, for every class the element
// table names and the containers' scroll bar: each key whose value can be read back is applied to a control
// whose manager is at 192 DPI and to a twin at 96 DPI; a key that holds
// pixels must be marked with a length syntax in its class's table, come out
// doubled and come back to its 96-DPI value when the control is rescaled to
// 96 DPI; any other key must come out the same.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/control/control.h"
#include "ui/control/control_factory.h"
#include "ui/controls/activex/active_x_controls.h"
#include "ui/controls/basic/basic_controls.h"
#include "ui/controls/basic/button.h"
#include "ui/controls/basic/progress.h"
#include "ui/controls/containers/container_controls.h"
#include "ui/controls/containers/grid_layout.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/controls/edit_picture/edit_picture_controls.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_tab_controls.h"
#include "ui/controls/list_tab/slide.h"
#include "ui/controls/popup/combo.h"
#include "ui/controls/popup/menu.h"
#include "ui/controls/popup/popup_controls.h"
#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/manager/paint_manager.h"
#include "ui/skin/element_table.h"

namespace {

using namespace ZEPHYRA_NAMESPACE;

using Numbers = std::vector<int>;
using Reader = std::function<Numbers(YdControl*, const YdAttributeEntry&)>;

Numbers Of(RECT r) { return {r.left, r.top, r.right, r.bottom}; }
Numbers Of(SIZE s) { return {s.cx, s.cy}; }

template <typename T, typename F>
Reader Read(F f) {
  return [f](YdControl* c, const YdAttributeEntry&) -> Numbers {
    T* t = dynamic_cast<T*>(c);
    return t != nullptr ? f(t) : Numbers{};
  };
}

struct KeyReader {
  bool length;  // whether the key holds pixels
  Reader read;
};

// The keys whose applied values a control answers, by name (a name may
// belong to several classes; the reader answers nothing for a class it does
// not know).
const std::map<std::string, KeyReader>& Readers() {
  using C = YdControl;
  static const std::map<std::string, KeyReader> readers = [] {
    std::map<std::string, KeyReader> r;
    const Reader textPadding = [](C* c, const YdAttributeEntry& e) {
      const YdRect p = c->TextPaddings().Get(e.state);
      return Numbers{p.left, p.top, p.right, p.bottom};
    };
    const Reader special = [](C* c, const YdAttributeEntry& e) {
      const YdSpecialStyle s = c->SpecialStyles().Get(e.state);
      return Numbers{s.dx, s.dy};
    };
    for (const char* state : {"normal", "hot", "pushed", "selected", "disabled"}) {
      r[std::string(state) + "textpadding"] = {true, textPadding};
      r[std::string(state) + "textspecialstyle"] = {true, special};
    }
    r["rowheight"] = {true, Read<C>([](C* c) { return Numbers{c->GetRowHeight()}; })};
    r["pos"] = {true, Read<C>([](C* c) {
                  return Numbers{c->GetFixedXY().x, c->GetFixedXY().y, c->GetFixedWidth(), c->GetFixedHeight()};
                })};
    r["padding"] = {true, Read<C>([](C* c) { return Of(c->GetPadding()); })};
    r["cut"] = {true, Read<C>([](C* c) { return Of(c->GetCut()); })};
    r["bordersize"] = {true, Read<C>([](C* c) { return Numbers{c->GetBorderSize()}; })};
    r["width"] = {true, Read<C>([](C* c) { return Numbers{c->GetFixedWidth()}; })};
    r["height"] = {true, Read<C>([](C* c) { return Numbers{c->GetFixedHeight()}; })};
    r["roundcorner"] = {true, Read<C>([](C* c) { return Of(c->GetRoundCorner()); })};
    r["minwidth"] = {true, Read<C>([](C* c) { return Numbers{c->GetMinWidth()}; })};
    r["minheight"] = {true, Read<C>([](C* c) { return Numbers{c->GetMinHeight()}; })};
    r["maxwidth"] = {true, Read<C>([](C* c) { return Numbers{c->GetMaxWidth()}; })};
    r["maxheight"] = {true, Read<C>([](C* c) { return Numbers{c->GetMaxHeight()}; })};
    r["bkcolorpadding"] = {true, Read<C>([](C* c) { return Of(c->GetBkColorPadding()); })};
    r["normalbkcolorpadding"] = {true, Read<C>([](C* c) { return Of(c->GetNormalBkColorPadding()); })};
    r["textautotippadding"] = {true, Read<C>([](C* c) { return Numbers{c->GetTextAutoTipPadding()}; })};
    r["tooltipmaxwidth"] = {true, Read<C>([](C* c) { return Numbers{c->GetToolTipMaxWidth()}; })};
    r["tag"] = {false, Read<C>([](C* c) { return Numbers{c->GetTag()}; })};
    r["tooltipdelaytime"] = {false, Read<C>([](C* c) { return Numbers{c->GetToolTipDelayTime()}; })};
    r["inset"] = {true, [](C* c, const YdAttributeEntry&) {
                    if (auto* slide = dynamic_cast<YdSlide*>(c)) return Of(slide->GetTrackInset());
                    if (auto* box = dynamic_cast<YdContainer*>(c)) return Of(box->GetInset());
                    return Numbers{};
                  }};
    r["childpadding"] = {true, Read<YdContainer>([](YdContainer* c) { return Numbers{c->GetChildPadding()}; })};
    r["gridwidth"] = {true, Read<YdGridLayout>([](YdGridLayout* c) { return Numbers{c->Grid().cellWidth}; })};
    r["gridheight"] = {true, Read<YdGridLayout>([](YdGridLayout* c) { return Numbers{c->Grid().cellHeight}; })};
    r["column"] = {false, Read<YdGridLayout>([](YdGridLayout* c) { return Numbers{c->Grid().columns}; })};
    r["linesize"] = {true, Read<YdScrollbar>([](YdScrollbar* c) { return Numbers{c->GetLineSize()}; })};
    r["dropboxsize"] = {true, Read<YdCombo>([](YdCombo* c) { return Of(c->GetDropBoxSize()); })};
    r["dropboxroundcorner"] = {true, Read<YdCombo>([](YdCombo* c) { return Of(c->GetDropBoxRoundCorner()); })};
    r["defaultelementwidth"] = {true, [](C* c, const YdAttributeEntry&) {
                                  if (auto* combo = dynamic_cast<YdCombo*>(c)) return Numbers{combo->GetDefaultElementWidth()};
                                  if (auto* list = dynamic_cast<YdList*>(c)) return Numbers{list->GetDefaultElementWidth()};
                                  return Numbers{};
                                }};
    r["defaultelementheight"] = {true, [](C* c, const YdAttributeEntry&) {
                                   if (auto* combo = dynamic_cast<YdCombo*>(c)) return Numbers{combo->GetDefaultElementHeight()};
                                   if (auto* list = dynamic_cast<YdList*>(c)) return Numbers{list->GetDefaultElementHeight()};
                                   return Numbers{};
                                 }};
    r["submenumaxheight"] = {true, Read<YdMenuElement>([](YdMenuElement* c) { return Numbers{c->GetSubmenuMaxHeight()}; })};
    r["indent"] = {true, Read<YdList>([](YdList* c) { return Numbers{c->GetIndent()}; })};
    r["thumbsize"] = {true, Read<YdSlide>([](YdSlide* c) { return Of(c->GetThumbSize()); })};
    r["foreinset"] = {true, Read<YdProgress>([](YdProgress* c) { return Of(c->GetForeInset()); })};
    r["splitarea"] = {true, Read<YdButton>([](YdButton* c) { return Of(c->GetSplitArea()); })};
    return r;
  }();
  return readers;
}

// A value of the key's form: small positive numbers, none of them 100 (the
// special style's "not set").
std::wstring SampleValue(YdValueSyntax syntax) {
  switch (syntax) {
    case YdValueSyntax::kRect:
    case YdValueSyntax::kLengthRect: return L"1,2,5,7";
    case YdValueSyntax::kPair:
    case YdValueSyntax::kLengthPair: return L"3,4";
    default: return L"7";
  }
}

struct Twins {
  std::unique_ptr<YdControl> one;  // at 96 DPI
  std::unique_ptr<YdControl> two;  // at 192 DPI
};

TEST(SkinLengths, EveryLengthKeyOfEveryClassIsAppliedAndRescaledAtTheWindowScale) {
  RegisterContainerControls();
  RegisterBasicControls();
  RegisterRichEditControls();
  RegisterEditAndPictureControls();
  RegisterListAndTabControls();
  RegisterPopupControls();
  RegisterActiveXControls();
  YdPaintManager at96;
  YdPaintManager at192;
  at192.SetDpiScale(YdDpiScale(192));

  // Every element's class, and the scroll bar the containers make.
  std::vector<std::pair<std::string, std::function<YdControl*()>>> classes;
  for (const YdElementEntry* e = ElementTableBegin(); e != ElementTableEnd(); ++e) {
    const std::wstring element(e->element.begin(), e->element.end());
    classes.emplace_back(std::string(e->className), [element] { return CreateRegisteredControl(element); });
  }
  classes.emplace_back("YdScrollbar", [] { return new YdScrollbar; });

  int lengthsChecked = 0, othersChecked = 0;
  std::set<std::string> readKeys;
  for (const auto& [className, make] : classes) {
    Twins probe{std::unique_ptr<YdControl>(make()), nullptr};
    if (probe.one == nullptr) continue;  // a window control needs its program
    std::set<std::string> seen;  // the first entry of a key wins
    for (const YdAttributeTable* table = &probe.one->Attributes(); table != nullptr; table = table->base) {
      for (size_t i = 0; i < table->count; ++i) {
        const YdAttributeEntry& entry = table->entries[i];
        if (!seen.insert(entry.key).second) continue;
        const auto reader = Readers().find(entry.key);
        if (reader == Readers().end()) continue;
        SCOPED_TRACE(className + " " + entry.key);
        EXPECT_EQ(IsLengthSyntax(entry.syntax), reader->second.length);
        // A fresh pair for every key, so one key's effects do not mix with
        // another's.
        Twins t{std::unique_ptr<YdControl>(make()), std::unique_ptr<YdControl>(make())};
        t.one->SetManager(&at96);
        t.two->SetManager(&at192);
        const std::wstring key(entry.key, entry.key + std::char_traits<char>::length(entry.key));
        const std::wstring value = SampleValue(entry.syntax);
        t.one->ApplyAttribute(key, value);
        t.two->ApplyAttribute(key, value);
        const Numbers one = reader->second.read(t.one.get(), entry);
        const Numbers two = reader->second.read(t.two.get(), entry);
        if (one.empty()) continue;  // not this class's reading of the name
        Numbers expected = one;
        if (reader->second.length) {
          for (int& v : expected) v *= 2;
        }
        EXPECT_EQ(two, expected);
        // A move to a 96-DPI display brings back the 96-DPI values exactly.
        t.two->RescaleGeometry(YdDpiScale(192), YdDpiScale(96));
        EXPECT_EQ(reader->second.read(t.two.get(), entry), one);
        (reader->second.length ? lengthsChecked : othersChecked)++;
        readKeys.insert(entry.key);
      }
    }
  }
  // Every reader found its key in some class.
  for (const auto& [name, reader] : Readers()) EXPECT_EQ(readKeys.count(name), 1u) << name;
  EXPECT_GT(lengthsChecked, 100);
  EXPECT_GT(othersChecked, 0);
  std::printf("length keys checked %d, other keys %d\n", lengthsChecked, othersChecked);
}

// A container's bar counts pixels of the content: after a scale change the
// same content stays in view. A free bar's range is not a length.
TEST(SkinLengths, AContainersScrollPositionFollowsAScaleChange) {
  YdContainer box;
  YdScrollbar owned, free;
  owned.SetOwner(&box);
  for (YdScrollbar* bar : {&owned, &free}) {
    bar->SetState(true, 400, 150);
    bar->RescaleGeometry(YdDpiScale(96), YdDpiScale(144));
  }
  EXPECT_EQ(owned.GetBarRange(), 600);
  EXPECT_EQ(owned.GetBarPosition(), 225);
  EXPECT_EQ(free.GetBarRange(), 400);
  EXPECT_EQ(free.GetBarPosition(), 150);
}

}  // namespace
