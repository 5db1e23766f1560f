#pragma once
// The clipboard as the function view and the paste process see it: cut,
// copy, paste and delete of the selected strips or elements, through buffer
// tables in the project database. There is one clipboard for the whole
// component, in the context; the editor makes it.

#include "core/KeyedCollection.h"

#include <memory>

namespace ldr {

class itfStrip;

class itfClipboard {
public:
  virtual ~itfClipboard() = default;

  // The loaded subroutine's strips (the view's collection, borrowed).
  virtual void SetStrips(KeyedCollection<itfStrip>* strips) = 0;
  // Each answers whether it did anything; a refusal tells the user why.
  virtual bool Copy(long funcID) = 0;
  virtual bool Cut(long funcID) = 0;
  // Pastes the clipboard at `strip` (after it, or into it for elements).
  virtual bool Paste(long funcID, const std::shared_ptr<itfStrip>& strip) = 0;
  virtual bool Delete(long funcID) = 0;
  // Removes every selected strip without asking (clearing a subroutine).
  virtual bool DeleteFunction(long funcID) = 0;
  virtual void ClearBufferData() = 0;
  // Tells the host which edit commands are available now.
  virtual void RefreshMdiButtonsStatus() = 0;
};

} // namespace ldr
