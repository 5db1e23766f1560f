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

class ProcessBase : public itfProcess {
public:
  static constexpr int kNotSupportedCode = 217;

  ProcessBase(LdrContext& ctx, const char* className, enMouseProcess kind);

  void Init(itfProcessControl& processControl, itfDrawer& drawer) override;
  void SetFunctionID(std::int32_t) override { NotSupported("FunctionID"); }
  void SetStripType(enStripType) override { NotSupported("StripType"); }
  void SetCreationStyle(std::int32_t) override { NotSupported("CreationStyle"); }
  void SetCreationAmount(std::int32_t) override { NotSupported("CreationAmount"); }
  void Draw(gdi::DeviceContext&, gdi::DeviceContext&) override { NotSupported("Draw"); }
  void OnScroll(KeyedCollection<itfStrip>&) override { NotSupported("OnScroll"); }

  // Each runs the process's own step and applies what it answers.
  ProcessOutcome CreateNewElement(std::int32_t elementType) final;
  ProcessOutcome MouseDown(const std::shared_ptr<itfStrip>& strip) final;
  ProcessOutcome MouseMove(const std::shared_ptr<itfStrip>& strip) final;
  ProcessOutcome MouseUp(const std::shared_ptr<itfStrip>& strip) final;

  const char* ClassName() const { return mClassName; }
  enMouseProcess Kind() const { return mKind; }

protected:
  // The steps a process kind implements; by default "not supported".
  virtual ProcessOutcome OnCreateNewElement(std::int32_t);
  virtual ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>&);
  virtual ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>&);
  virtual ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>&);

  // Reports error 217 for "itfProcess_<member>".
  void NotSupported(const std::string& member) const;
  void SetNoDrop(bool noDrop);

  // Set by Init; a process is never driven before it.
  itfProcessControl& Control() const { return *mProcessControl; }
  itfDrawer& Drawer() const { return *mDrawer; }
  bool Initialised() const { return mProcessControl && mDrawer; }

  LdrContext& mCtx;

private:
  // Turns an answer into the view's process slots and the edit commit. A
  // step that throws ends the process too: the view is idle again when the
  // fault reaches the host.
  template <class Step> ProcessOutcome Run(Step step);
  void Apply(const ProcessOutcome& outcome);
  // The view returns to idle and releases this process after the event.
  void EndProcess();

  const char* mClassName;
  enMouseProcess mKind;
  itfProcessControl* mProcessControl = nullptr;
  itfDrawer* mDrawer = nullptr;
};

// The net side of a strip, or nothing for comments, labels and no strip.
itfLdrNet* AsNet(itfStrip* strip);
inline itfLdrNet* AsNet(const std::shared_ptr<itfStrip>& strip) { return AsNet(strip.get()); }

} // namespace ldr
