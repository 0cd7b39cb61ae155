// Find, replace, undo and the clipboard; Remove Tags.
#include "mainu1.h"

namespace zorvel {

void TMainFrm::RemoveTags1Click() {}
void TMainFrm::Undo1Click() {}
void TMainFrm::Cut1Click() {}
void TMainFrm::Copy1Click() {}
void TMainFrm::Paste1Click() {}
void TMainFrm::Find1Click() {}
void TMainFrm::FindNext1Click() {}
void TMainFrm::FindDialogFind() {}
void TMainFrm::Replace1Click() {}
void TMainFrm::ReplaceDialogFind() {}
void TMainFrm::ReplaceDialogReplace(bool) {}

} // namespace zorvel
