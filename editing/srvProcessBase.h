#pragma once
// What every mouse process shares: the context, the process control and the
// drawer it was given at Init, and the "not supported" answer of the members
// a process kind does not implement (error 217 through the host's error
// reporter, naming the class and the member; nothing else happens).
//
// A process class derives from this one and overrides the members it
// supports.

#include "core/LdrContext.h"
#include "interfaces/itfProcess.h"

#include <string>

namespace ldr {

class itfLdrNet;

class srvProcessBase : public itfProcess {
public:
  static constexpr int kNotSupportedCode = 217;

  srvProcessBase(LdrContext& ctx, const char* className);

  void Init(itfProcessControl& pProcessControl, itfDrawer& pDrawer) override;
  void CreateNewElement(std::int32_t) override { NotSupported("CreateNewElement"); }
  void SetFunctionID(std::int32_t) override { NotSupported("FunctionID"); }
  void SetStripType(enStripType) override { NotSupported("StripType"); }
  void SetCreationStyle(std::int32_t) override { NotSupported("CreationStyle"); }
  void SetCreationAmount(std::int32_t) override { NotSupported("CreationAmount"); }
  void MouseDown(const std::shared_ptr<itfStrip>&) override { NotSupported("MouseDown"); }
  void MouseMove(const std::shared_ptr<itfStrip>&) override { NotSupported("MouseMove"); }
  void MouseUp(const std::shared_ptr<itfStrip>&) override { NotSupported("MouseUp"); }
  void Draw(gdi::DeviceContext&, gdi::DeviceContext&) override { NotSupported("Draw"); }
  void OnScroll(KeyedCollection<itfStrip>&) override { NotSupported("OnScroll"); }

  const char* ClassName() const { return mClassName; }

protected:
  // Reports error 217 for "itfProcess_<member>".
  void NotSupported(const std::string& member) const;

  // Ends this process at the end of the current event: the view returns to
  // idle and releases the object.
  void EndProcess(enMouseProcess kind);
  void SetNoDrop(bool noDrop);

  // Set by Init; a process is never driven before it.
  itfProcessControl& Control() const { return *mProcessControl; }
  itfDrawer& Drawer() const { return *mDrawer; }
  bool Initialised() const { return mProcessControl && mDrawer; }

  LdrContext& mCtx;

private:
  const char* mClassName;
  itfProcessControl* mProcessControl = nullptr;
  itfDrawer* mDrawer = nullptr;
};

// The net side of a strip, or nothing for comments, labels and no strip.
itfLdrNet* AsNet(itfStrip* strip);
inline itfLdrNet* AsNet(const std::shared_ptr<itfStrip>& strip) { return AsNet(strip.get()); }

} // namespace ldr
