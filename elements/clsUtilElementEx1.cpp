#include "elements/clsUtilElementEx1.h"

#include "elements/ElementPictures.h"
#include "outside/HostServices.h"
#include "outside/operands/KindParamsObject.h"
#include "outside/utilities/HostMessage.h"
#include "platform/drawing/ResourceArtwork.h"

namespace ldr {

std::string clsUtilElementEx1::PictureOf(std::int32_t elementType) {
  switch (elementType) {
  case eET_UtEx1LoadLastHMIPage:
    return "LOAD_LAST_HMI_PAGE";
  case eET_UtEx1ForceOnline:
    return "ONLINE_POINT";
  case eET_UtEx1_RefreshHmiVars:
    return "REFRESH_HMI_VARS";
  default:
    return {};
  }
}

bool clsUtilElementEx1::InitOperandsData(bool dummy) {
  EnsureParams();
  if (dummy) return true;
  if (!ConfigureParams()) return false;
  StoreConfiguration();
  PointOutMissingPort();
  return true;
}

void clsUtilElementEx1::PointOutMissingPort() {
  const bool dialOrHangUp = mClassType == eET_UtEx1_Dial || mClassType == eET_UtEx1_Hangup;
  if (!dialOrHangUp && mClassType != eET_UtEx1ComInit) return;
  auto& messages = *mCtx.Host->Messages;
  if (dialOrHangUp &&
      Db().Query("SELECT ElmntType FROM LdrElements WHERE ElmntType=" + std::to_string(eET_UtEx1ComInit)).IsEOF())
    messages.ShowMessage(eHM_ComInitMissing);
  auto params = Params();
  if (params && !params->Values().empty() && params->Values()[0] == 0) messages.ShowMessage(eHM_ComPortNotSet);
}

void clsUtilElementEx1::DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) {
  const std::string picture = PictureOf(mClassType);
  const BoxFrame frame = Frame();
  if (picture.empty()) {
    DrawSettings(hdc, frame.Left);
    return;
  }
  const int size = gdi::ResourceArtwork::kUtilitySize;
  const bool selected = resources && mIsSelected;
  DrawPicture(hdc, picture + (selected ? "_SELECTED" : ""), (frame.Left + frame.Right - size) / 2,
              kDividerY + (frame.Bottom - kDividerY - size) / 2);
}

} // namespace ldr
