// skin_vocabulary.h -- what the skin builder and the controls understand:
// element names, window attribute keys, and the attribute keys of each
// control class with the form of their values. The skin tests check the
// setup's skin against it, because a misspelt element or key is silently
// ignored at run time.
#pragma once

#include <map>
#include <set>
#include <string>

namespace resource_test {

enum class ValueForm { kText, kInt, kBool, kColour, kRect, kPair, kWords, kDescriptor };

inline const std::set<std::string>& ElementNames() {
  static const std::set<std::string> names = {
      "Control", "Container", "VerticalLayout", "HorizontalLayout", "GridLayout", "PlaceHolder",
      "Label", "Button", "Option", "Picture", "Progress", "CircleProgress", "Edit", "RichEdit",
      "SpinEdit", "HotKeyEdit", "ExtendEdit", "Slide", "Combo", "ComboBuddy", "ComboElement",
      "List", "ListElement", "Menu", "MenuElement", "TabCtrl", "TabItem", "Advert", "Banner",
      "PicExtendCtrl", "DrawWnd", "ActiveX", "WebBrowser", "WndControl"};
  return names;
}

inline const std::map<std::string, ValueForm>& WindowKeys() {
  static const std::map<std::string, ValueForm> keys = {
      {"name", ValueForm::kText},          {"size", ValueForm::kPair},
      {"caption", ValueForm::kRect},       {"roundcorner", ValueForm::kPair},
      {"roundcornerimage", ValueForm::kDescriptor},
      {"sizebox", ValueForm::kText},       {"mininfo", ValueForm::kPair},
      {"maxinfo", ValueForm::kPair},       {"layeredwindow", ValueForm::kBool},
      {"layeredwindowalpha", ValueForm::kInt}, {"extendwnd", ValueForm::kBool},
      {"mainarea", ValueForm::kRect},      {"closearea", ValueForm::kRect}};
  return keys;
}

inline const std::map<std::string, ValueForm>& FontKeys() {
  static const std::map<std::string, ValueForm> keys = {
      {"font", ValueForm::kText},     {"name", ValueForm::kText},      {"size", ValueForm::kInt},
      {"bold", ValueForm::kBool},     {"underline", ValueForm::kBool}, {"italic", ValueForm::kBool},
      {"default", ValueForm::kBool},  {"defaultbold", ValueForm::kBool}, {"defaultlink", ValueForm::kBool}};
  return keys;
}

// Keys every control understands.
inline std::map<std::string, ValueForm> ControlKeys() {
  std::map<std::string, ValueForm> k;
  using F = ValueForm;
  for (const char* key : {"align", "flags", "notify", "dispatch", "format"}) k[key] = F::kWords;
  for (const char* key : {"endellipsis", "pathellipsis", "customtooltip", "enabled", "visible", "relfloat",
                          "absfloat", "float", "capture", "autotip", "hasbeenhover", "caption", "spacereturn",
                          "htmltext", "bkfrommemory", "memorybitmapalpha", "autoexpand", "textshadow",
                          "inherittooltip", "reduce"})
    k[key] = F::kBool;
  for (const char* key : {"normaltextcolor", "hottextcolor", "pushedtextcolor", "selectedtextcolor",
                          "disabledtextcolor", "autotextcolor", "normalbkcolor", "hotbkcolor", "pushedbkcolor",
                          "selectedbkcolor", "focusedbkcolor", "disabledbkcolor", "bordercolor",
                          "focusedbordercolor"})
    k[key] = F::kColour;
  for (const char* key : {"normalfont", "hotfont", "pushedfont", "selectedfont", "disabledfont", "name", "text",
                          "tooltip", "userdata", "shortcut", "normalfontstandbyattrib", "hotfontstandbyattrib",
                          "pushedfontstandbyattrib", "selectedfontstandbyattrib", "disabledfontstandbyattrib",
                          "style"})
    k[key] = F::kText;
  for (const char* key : {"rowheight", "bordersize", "width", "height", "tag", "minwidth", "minheight",
                          "maxwidth", "maxheight", "id", "tooltipdelaytime", "textautotippadding",
                          "tooltipmaxwidth"})
    k[key] = F::kInt;
  for (const char* key : {"normaltextpadding", "hottextpadding", "pushedtextpadding", "selectedtextpadding",
                          "disabledtextpadding", "pos", "padding", "cut", "memorybkarea", "bkcolorpadding",
                          "normalbkcolorpadding"})
    k[key] = F::kRect;
  for (const char* key : {"normaltextspecialstyle", "hottextspecialstyle", "pushedtextspecialstyle",
                          "selectedtextspecialstyle", "disabledtextspecialstyle", "roundcorner"})
    k[key] = F::kPair;
  for (const char* key : {"normalimage", "hotimage", "pushedimage", "focusedimage", "disabledimage",
                          "selectedimage", "bknormalimage", "bkhotimage", "bkpushedimage", "bkfocusedimage",
                          "bkdisabledimage", "bkselectedimage"})
    k[key] = F::kDescriptor;
  return k;
}

inline void AddContainerKeys(std::map<std::string, ValueForm>& k) {
  using F = ValueForm;
  k["inset"] = F::kRect;
  k["layouttype"] = F::kInt;
  k["childpadding"] = F::kInt;
  k["vscrollbarstyle"] = F::kText;
  k["hscrollbarstyle"] = F::kText;
  for (const char* key : {"vertical", "vscrollbar", "hscrollbar", "autodestroy", "scrollcover",
                          "autohidescrollbar", "autominwidth", "autominheight"})
    k[key] = F::kBool;
}

// The keys of an element, by the class it creates; empty for elements the
// setup's skin does not use.
inline std::map<std::string, ValueForm> KeysOf(const std::string& element) {
  using F = ValueForm;
  std::map<std::string, ValueForm> k = ControlKeys();
  if (element == "Control") return k;
  AddContainerKeys(k);
  if (element == "VerticalLayout" || element == "HorizontalLayout" || element == "Container") return k;
  if (element == "RichEdit") {
    for (const char* key : {"vscrollbar", "autovscroll", "hscrollbar", "autohscroll", "wanttab", "wantreturn",
                            "wantctrlreturn", "rich", "multiline", "readonly", "password", "event_change"})
      k[key] = F::kBool;
    k["limittext"] = F::kInt;
    k["placeholder"] = F::kText;
    k["placeholdercolor"] = F::kColour;
    return k;
  }
  k["text_antialias"] = F::kBool;
  if (element == "Label") return k;
  for (const char* key : {"splitnormalimage", "splithotimage", "splitpushedimage", "splitdisabledimage"})
    k[key] = F::kDescriptor;
  k["split"] = F::kBool;
  k["splitarea"] = F::kRect;
  k["extendtextcolor"] = F::kColour;
  k["extendtextfont"] = F::kText;
  k["extendtext"] = F::kText;
  k["extendtextpos"] = F::kRect;
  if (element == "Button") return k;
  k["group"] = F::kInt;
  for (const char* key : {"selected", "dbclick", "ctrldown", "manualselected"}) k[key] = F::kBool;
  k["disabledselectedimage"] = F::kDescriptor;
  k["hotselectedimage"] = F::kDescriptor;
  if (element == "Option") return k;
  return {};
}

// Keys of image descriptors.
inline const std::set<std::string>& DescriptorKeys() {
  static const std::set<std::string> keys = {
      "file", "res", "restype", "round", "iconsize", "dest", "source", "corner", "right", "mask", "fade",
      "hole", "alphaClose", "encrypt", "icon", "reverse", "rotate", "rgnimage", "rgnrestype", "rgnmask", "gray"};
  return keys;
}

}  // namespace resource_test
