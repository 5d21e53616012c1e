// The four program files the installer carries, in the order they are written.
// Kept apart from the install procedure because the resources exist only in
// the installer exe, not in the test exes that link the procedure.
#include "app/install.h"
#include "app/payload/payload.h"

namespace app {

std::array<PayloadFile, 4> InstallerPayload() {
  return {{
      {"\\Tavrin\\pz\\exe\\narvel.exe", payload::Resource(TAVRIN_RES_NARVEL)},
      {"\\Tavrin\\pz\\exe\\pelgar.exe", payload::Resource(TAVRIN_RES_PELGAR)},
      {"\\Tavrin\\Tavrin.exe", payload::Resource(TAVRIN_RES_TAVRIN)},
      {"\\Tavrin\\pz\\exe\\dosk.exe", payload::Resource(TAVRIN_RES_DOSK)},
  }};
}

}  // namespace app
