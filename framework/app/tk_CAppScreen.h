// tk_CAppScreen: the root of every screen of a framework program. It covers the display, owns the
// window and the display through the functions of tk_APP.h, carries the framework's corner buttons
// and dialogs (close, info, screen resolution, redraw timer), reads and writes the settings file
// and runs the message loop. A program derives its application class from it and overrides the
// hooks it needs.
#pragma once

#include <utility>

#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_DSGN.h"
#include "platform/platform.h"

class tk_CAppCasovacDlg;
class tk_CAppInfoDlg;
class tk_CAppRozlisenieDlg;
class tk_CDas_Surface;
class tk_CIcon;

class tk_CAppScreen : public tk_CPolCHLO {
  public:
    HINSTANCE m_hInstance;
    int m_nCmdShow;
    // Copies of the display globals, refreshed by tk_APP_Synchro_dll2App and ChangedResolution.
    int m_ScrW;
    int m_ScrH;
    int m_ScrCX;
    int m_ScrCY;
    IDirectDraw* m_lpDD;
    IDirectDrawSurface* m_lpDDSPrimary;
    IDirectDrawSurface* m_lpDDSBack;
    IDirectDrawPalette* m_lpDDPal;
    // While set, timer messages draw nothing.
    bool m_bRedrawOff;
    // The settings file; empty: none is read or written.
    char m_LocApp_INI[31];
    // Raw pixel value the back buffer is filled with before each frame; negative: no fill.
    int m_BackColor;
    // A picture stretched over the screen behind everything; empty: none.
    char m_BackFile[30];
    // Draw the framework logo under everything.
    bool m_bLogo;
    // Texts of the info dialog (owned heap copies, null until SetAppInfo).
    char* m_AppName;
    char* m_AppVersion;
    char* m_AppAuthor;
    // The sheet with the program's icon (not owned) and a point inside the icon's phase.
    tk_CDas_Surface* m_AppIconSrf;
    int m_AppIconX;
    int m_AppIconY;
    // Built by SetupVisual from the three fields above (owned); null until then.
    tk_CIcon* m_AppIcon;
    // Hides the resolution and timer buttons at the set-up.
    bool m_bNoSetupButtons;
    tk_CAppRozlisenieDlg* m_dlgRozlisenie;
    tk_CAppCasovacDlg* m_dlgCasovac;
    tk_CAppInfoDlg* m_dlgInfo;

    // A settings name longer than 30 bytes is refused (logged): no settings file is used then.
    tk_CAppScreen(HINSTANCE instance, int cmdShow, const char* settingsFile);
    ~tk_CAppScreen() override;

    // Fill colour (raw pixel value, negative for none), background picture and logo. A picture
    // name longer than 29 bytes is refused (logged) and the name before it stays.
    void SetBackground(int colour, const char* file, bool logo);
    // Title, version and author for the info dialog, and the program's icon on a sheet.
    void SetAppInfo(const char* title, const char* version, const char* author, tk_CDas_Surface* sheet, int x,
                    int y);
    // Runs the program: settings, window and display, Init, layout, Init2, the message loop.
    // Returns the quit message's code (0), or 1 when the display could not be set up.
    int Execute();
    // Writes the settings file, stops timer 1 and asks the window to close. Every way of closing
    // (the program's own, the window manager's, a termination signal) comes here; the settings are
    // written the first time only.
    void Close();
    // True once Close ran: the window's next WM_CLOSE then really closes it.
    bool Closing() const { return closing_; }
    tk_DSGN_Struct* GetDSGNref();

    // The element's and the container's operations, as the application screen.
    void GetSize(int* w, int* h) override;
    int SetupVisual() override;
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;

    // The hooks of a program, in the order of the virtual table.
    virtual void Init();
    virtual void Init2();
    // After a change of display mode, once the framework's surfaces are loaded again.
    virtual void Do_LOAD_SRF();
    // When the framework releases its surfaces.
    virtual void Do_RELEASE_SRF();
    // After a lost primary surface was restored.
    virtual void Do_RESTORE_SRF();
    // In every frame, before the element tree is drawn.
    virtual void Redraw_Screen();
    // Every window message, before the framework handles it.
    virtual void HandleWMInteraction(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // After a change of display mode; a derived class calls this base from its own.
    virtual void ChangedResolution(int oldW, int oldH, int newW, int newH);

    // Ctrl or Shift + F2: shows or hides the resolution and timer buttons and closes their dialogs.
    void ToggleSetupButtons();

    // Called by a program's HandleWMInteraction for the key message it is handling when it took
    // the key: the key then means nothing else, neither to the elements nor to the framework.
    void MarkKeyTaken() { key_taken_ = true; }
    // Whether the key message being handled was taken; reading it forgets it.
    bool KeyWasTaken() { return std::exchange(key_taken_, false); }

  private:
    void ReadSettings();
    void WriteSettings();
    void FillResolutionList();
    int MessageLoop();
    tk_CPol* CornerButton(int i);

    bool closing_ = false;
    bool key_taken_ = false;
};
