// Templates, the options dialog, the editor font and the external browsers.
#include "mainu1.h"

namespace zorvel {

void TMainFrm::SaveAsTemplate1Click() {}
void TMainFrm::Defineoptions1Click() {}
void TMainFrm::Font1Click() {}
void TMainFrm::Browser_Btn1Click() {}
void TMainFrm::Browser_Btn2Click() {}

} // namespace zorvel
