#pragma once
// Prints ladder code on the print-preview control the host hands in: whole
// modules, chosen subroutines or the selected strips. Each subroutine starts
// a page under the header "Module: ... Subroutine: ..."; its strips (nets
// that hold elements, every comment and label) follow in sequence order,
// each strip printing itself, and a strip that does not fit on the rest of
// a page starts the next one. Protected subroutines print only for a user
// who knows the password.

#include "core/LdrContext.h"
#include "outside/HostServices.h"
#include "platform/drawing/Font.h"
#include "tools/PrintPreview.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr {

class srvPrint {
public:
  static constexpr const char* kSelectedHeading = "Selected Nets";

  explicit srvPrint(const HostServices& host);
  ~srvPrint();

  void SetVSprinter(std::shared_ptr<PrintPreview> preview) { mPreview = std::move(preview); }
  const std::shared_ptr<PrintPreview>& VSprinter() const { return mPreview; }

  // Retired: says so and prints nothing.
  void PrintModule(long moduleID);
  void PrintSubroutines(const std::vector<long>& subroutineIDs);
  // Every subroutine of each module but its start subroutine.
  void PrintModules(const std::vector<long>& moduleIDs);
  void PrintSelectedStrips();

private:
  void PrintSubroutine(long funcID);
  void PrintStrips(db::Recordset& strips, const std::string& heading);
  void StartPage(const std::string& heading);
  void PrintOneStrip(db::Recordset& row);
  PrintPreview& Preview();
  db::Connection& Db() { return *mContext.Connection; }

  LdrContext mContext;
  std::shared_ptr<PrintPreview> mPreview;
  gdi::Font mHeaderFont;
  gdi::Font mSmallFont;
  std::string mHeading;
  long mRow = 0; // the next free grid row of the current page
  long mPageOfHeading = 0;
};

} // namespace ldr
