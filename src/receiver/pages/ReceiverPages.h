// Registers the decode page with the main window.
#pragma once

class CCodeModePage;
class IDecodePage;

// The shell's handle on a decode page: it follows the window without owning
// a pointer that could dangle; deleting the handle destroys the window once.
IDecodePage* CreateDecodePageHandle(int mode);
// The page behind a handle the factory made; null when the window is gone.
CCodeModePage* PageOfHandle(IDecodePage* handle);

void RegisterReceiverPages();
