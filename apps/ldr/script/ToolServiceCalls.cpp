#include "apps/ldr/script/ToolServiceCalls.h"

#include "editor/itfFunction.h"
#include "tools/srvHideComments.h"
#include "tools/srvLadderPassword.h"
#include "tools/srvLdrCrossRef.h"
#include "tools/srvPrint.h"

#include "apps/ldr/script/ScriptLine.h"

#include <sstream>
#include <stdexcept>

namespace ldr::script {

namespace {

double ToDouble(const std::string& word) {
  size_t used = 0;
  double value = 0;
  try {
    value = std::stod(word, &used);
  } catch (...) {
    used = 0;
  }
  if (word.empty() || used != word.size()) throw std::invalid_argument("not a number: " + word);
  return value;
}

std::vector<long> ToLongs(const std::string& word) {
  std::vector<long> values;
  std::stringstream in(word);
  for (std::string item; std::getline(in, item, ',');) values.push_back(ToLong(item));
  return values;
}

std::string VbText(bool value) { return value ? "-1" : "0"; }

void Need(const std::string& method, const ToolServiceCalls::Words& args, size_t count) {
  if (args.size() != count) throw std::invalid_argument(method + " takes " + std::to_string(count) + " arguments");
}

} // namespace

ToolServiceCalls::ToolServiceCalls(HeadlessEditor& editor, PrintLine print)
    : mEditor(editor), mPrint(std::move(print)) {}

ToolServiceCalls::~ToolServiceCalls() = default;

bool ToolServiceCalls::Serves(const std::string& name) {
  return name == "srvLdrCrossRef" || name == "srvHideComments" || name == "srvLadderPassword" || name == "srvPrint";
}

void ToolServiceCalls::Call(const std::string& name, const std::string& method, const Words& args) {
  if (name == "srvLdrCrossRef")
    CallCrossRef(method, args);
  else if (name == "srvHideComments")
    CallHideComments(method, args);
  else if (name == "srvLadderPassword")
    CallPassword(method, args);
  else if (name == "srvPrint")
    return CallPrint(method, args);
  else
    throw std::invalid_argument("service: no service named " + name);
  ReloadOpenSubroutine();
}

void ToolServiceCalls::ReloadOpenSubroutine() {
  if (mEditor.Initialized() && mEditor.Main().View()) mEditor.Main().ReloadFunction();
}

long ToolServiceCalls::OperandType(const std::string& word) const {
  const auto& operands = mEditor.Host().Services->Operands;
  if (operands)
    if (auto type = operands->Types().ParseType(word)) return *type;
  return ToLong(word);
}

void ToolServiceCalls::PrintPlaces(bool noResults, const std::vector<tyLadderCrossRef>& places) {
  mPrint(VbText(noResults));
  for (const auto& place : places) {
    std::string line = std::to_string(place.ModuleID) + "|" + std::to_string(place.FunctionID) + "|" +
                       std::to_string(place.StripID) + "|" + std::to_string(place.ElementID) + "|" +
                       std::to_string(place.OprInIndex) + "|" + std::to_string(place.OprOutIndex);
    for (const auto& text : place.Descriptions) line += "|" + text;
    mPrint(line);
  }
}

void ToolServiceCalls::CallCrossRef(const std::string& method, const Words& args) {
  if (!mCrossRef) mCrossRef = std::make_unique<srvLdrCrossRef>(*mEditor.Host().Services);
  auto& xref = *mCrossRef;
  bool noResults = true;
  if (method == "GetLadderCrossReference") {
    Need(method, args, 3);
    auto places = xref.GetLadderCrossReference(ToLong(args[0]), OperandType(args[1]), ToLong(args[2]), noResults);
    PrintPlaces(noResults, places);
  } else if (method == "GetLadderFBFatherCrossRef") {
    Need(method, args, 1);
    auto places = xref.GetLadderFBFatherCrossRef(ToLong(args[0]), noResults);
    PrintPlaces(noResults, places);
  } else if (method == "GetLadderElementCrossRef") {
    Need(method, args, 1);
    auto places = xref.GetLadderElementCrossRef(ToLong(args[0]), noResults);
    PrintPlaces(noResults, places);
  } else if (method == "GetLadderDisabledNetsCrossRef") {
    Need(method, args, 0);
    auto places = xref.GetLadderDisabledNetsCrossRef(noResults);
    PrintPlaces(noResults, places);
  } else if (method == "GetLadderConstCrossRef") {
    Need(method, args, 2);
    auto places = xref.GetLadderConstCrossRef(OperandType(args[0]), ToDouble(args[1]), noResults);
    PrintPlaces(noResults, places);
  } else if (method == "ReplaceLadderOperand") {
    Need(method, args, 4);
    xref.ReplaceLadderOperand(ToLong(args[0]), OperandType(args[1]), ToLong(args[2]), ToLong(args[3]));
  } else if (method == "ReplaceLadderOperandEx") {
    Need(method, args, 7);
    xref.ReplaceLadderOperandEx(ToLong(args[0]), OperandType(args[1]), ToLong(args[2]), ToLong(args[3]),
                                OperandType(args[4]), ToLong(args[5]), ToLong(args[6]));
  } else if (method == "SortByElement") {
    if (args.size() > 1) throw std::invalid_argument("SortByElement takes 0 arguments (read) or 1 (write)");
    if (args.empty())
      mPrint(VbText(xref.SortByElement()));
    else
      xref.SetSortByElement(ToLong(args[0]) != 0);
  } else {
    throw std::invalid_argument("service srvLdrCrossRef: no method named " + method);
  }
}

void ToolServiceCalls::CallHideComments(const std::string& method, const Words& args) {
  if (!mHideComments) mHideComments = std::make_unique<srvHideComments>(*mEditor.Host().Services);
  if (method != "ToggleComments") throw std::invalid_argument("service srvHideComments: no method named " + method);
  Need(method, args, 0);
  mHideComments->ToggleComments();
}

void ToolServiceCalls::CallPassword(const std::string& method, const Words& args) {
  if (!mPassword) mPassword = std::make_unique<srvLadderPassword>(*mEditor.Host().Services);
  auto& password = *mPassword;
  if (method == "SetLadderPassword") {
    Need(method, args, 0);
    password.SetLadderPassword();
  } else if (method == "UnsetLadderPassword") {
    Need(method, args, 0);
    password.UnsetLadderPassword();
  } else if (method == "IsLadderProtected") {
    Need(method, args, 0);
    mPrint(VbText(password.IsLadderProtected()));
  } else if (method == "IsUserAuthorized") {
    Need(method, args, 1);
    mPrint(VbText(password.IsUserAuthorized(ToLong(args[0]) != 0)));
  } else if (method == "ToggleFunctionProtected") {
    Need(method, args, 1);
    password.ToggleFunctionProtected(ToLong(args[0]));
  } else if (method == "SetModuleProtected") {
    Need(method, args, 2);
    password.SetModuleProtected(ToLong(args[0]), ToLong(args[1]) != 0);
  } else if (method == "IsFuncProtected") {
    Need(method, args, 1);
    mPrint(VbText(password.IsFuncProtected(ToLong(args[0]))));
  } else {
    throw std::invalid_argument("service srvLadderPassword: no method named " + method);
  }
}

// The printing service's members, and the print-preview control's own operations a host
// uses: a new control of a paper size, the page count, the PDF and page
// images.
void ToolServiceCalls::CallPrint(const std::string& method, const Words& args) {
  if (!mPrinter) mPrinter = std::make_unique<srvPrint>(*mEditor.Host().Services);
  auto& printer = *mPrinter;
  if (method == "VSprinter") {
    Need(method, args, 1);
    if (args[0] != "A4" && args[0] != "Letter") throw std::invalid_argument("VSprinter takes A4 or Letter");
    printer.SetVSprinter(std::make_shared<PrintPreview>(args[0] == "A4" ? PaperSize::A4 : PaperSize::Letter));
  } else if (method == "PrintModule") {
    Need(method, args, 1);
    printer.PrintModule(ToLong(args[0]));
  } else if (method == "PrintSubroutines") {
    Need(method, args, 1);
    printer.PrintSubroutines(ToLongs(args[0]));
  } else if (method == "PrintModules") {
    Need(method, args, 1);
    printer.PrintModules(ToLongs(args[0]));
  } else if (method == "PrintSelectedStrips") {
    Need(method, args, 0);
    printer.PrintSelectedStrips();
  } else if (method == "PageCount") {
    Need(method, args, 0);
    mPrint(std::to_string(printer.VSprinter() ? printer.VSprinter()->PageCount() : 0));
  } else if (method == "WritePdf") {
    Need(method, args, 1);
    if (!printer.VSprinter()) throw std::runtime_error("there is nothing to print");
    printer.VSprinter()->WritePdf(args[0]);
  } else if (method == "WritePagePng") {
    Need(method, args, 2);
    if (!printer.VSprinter()) throw std::runtime_error("there is nothing to print");
    printer.VSprinter()->WritePagePng(ToLong(args[0]) - 1, args[1]);
  } else {
    throw std::invalid_argument("service srvPrint: no method named " + method);
  }
}

} // namespace ldr::script
