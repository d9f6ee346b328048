// The seam through which the layout editor joins a running program: the Ctrl or Shift + F1 chord
// switches it on, while it is on its window procedure takes the pointer and key messages, and
// its overlay is drawn last in every frame. The editor installs itself; without one the chord
// does nothing.
#pragma once

#include "platform/platform.h"

class tk_CAppScreen;

class tk_CAppEditor {
  public:
    virtual ~tk_CAppEditor() = default;
    virtual bool IsOn() const = 0;
    // The chord, on a key that no element took.
    virtual void SwitchOn(tk_CAppScreen* app) = 0;
    // Key-down, pointer-move and button messages while the editor is on.
    virtual void WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // Drawn onto the back buffer after the element tree while the editor is on.
    virtual void DrawOverlay(IDirectDrawSurface* back) = 0;
};

// Installs the editor (not owned); null removes it.
void tk_APP_SetEditor(tk_CAppEditor* editor);
tk_CAppEditor* tk_APP_Editor();
// The installed editor when it is on, else null.
tk_CAppEditor* tk_APP_EditorOn();
