// CKartolaApp: the game's application screen. It builds the game's menus, lists, sprites and
// sounds, loads the last card set, turns window messages into play (taking, dragging and dropping
// cards, menu choices, font keys, the banner) and draws the table under the element tree.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "framework/app/tk_CAppScreen.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_UTL_CDUIR_DIR.h"
#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CTlac.h"
#include "game/kartola_memory.h"
#include "game/kartola_rules.h"
#include "game/kartola_table_events.h"

// The settings file, the title, the author and the icon's point on the game sheet.
inline constexpr const char* kKartolaSettings = "KARTOLA.INI";
inline constexpr const char* kKartolaTitle = "Kartola";
inline constexpr const char* kKartolaAuthor = "tím Kartola";
inline constexpr int kKartolaIconX = 20;
inline constexpr int kKartolaIconY = 40;

// Ids of the game's own children and the values of its menu rows.
enum : int {
    kIdCongratulation = 504,
    kIdMenuButton = 505,
    kMenuSets = 1,
    kMenuScatter = 2,
    kMenuSounds = 3,
    kMenuQuit = 4,
    kMenuScan = 5,
    kSoundsOff = 1,
    kSoundsOn = 2,
};

// Texts on the table (card names, the empty table's hint, the progress lines) are drawn centred on
// one line. They are file and folder names, so "&" in them is a letter, not an accelerator marker.
inline constexpr UINT kTableTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

// The timer of one-switch scanning and its usual step.
inline constexpr UINT_PTR kScanTimer = 2;
inline constexpr int kScanStepMs = 1500;

// Pixel value the table is filled with: a blue in the display's 16-bit format.
inline constexpr DWORD kTableColour = 500;

class CKartolaApp : public tk_CAppScreen, public CTableEvents {
  public:
    // Children of the application: the congratulation text and the menu button at the top centre.
    tk_CLabel* m_lblSuper;
    tk_CTlac* m_btnMenu;

    // ---- The game's objects, one each for the run ----------------------------------------------
    // "rezia.bmp": pointer hands, menu button, the program's icon.
    tk_CDas_Surface game_sheet;
    // "sprite_plane.bmp": the banner.
    tk_CDas_Surface banner_sheet;
    // The pointer (phase 0 button up, 1 button down) and the banner flying across the top.
    tk_CDAS pointer_sprite;
    tk_CDAS banner_sprite;
    // The menu, the list of card-set folders, the card-sound menu, the scanning switch and the list
    // of found pairs.
    tk_CDUI dui_Main;
    tk_UTL_CDUIR_DIR utl_duir_DATA;
    tk_CDUI dui_Zvuk;
    tk_CDUI dui_Sken;
    tk_CDUIR duir_FINAL;
    // "zvuknaraz.wav", "zvukkoniec.wav", "zvuktada.wav", "zvukcvak.wav".
    tk_CDSO_Zvuk snd_naraz;
    tk_CDSO_Zvuk snd_koniec;
    tk_CDSO_Zvuk snd_tada;
    tk_CDSO_Zvuk snd_cvak;
    // Shown on the table when no card-set folder was found at start (empty otherwise).
    std::string sets_hint;
    // The files the loaded set left out, one line each with the reason; shown until the next click.
    std::vector<std::string> left_out_;

    CKartolaApp(HINSTANCE instance, int cmdShow, const char* settingsFile);
    ~CKartolaApp() override;

    int SetupVisual() override;
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;
    void Init() override;
    void Do_LOAD_SRF() override;
    void Do_RELEASE_SRF() override;
    void Do_RESTORE_SRF() override;
    void Redraw_Screen() override;
    using tk_CAppScreen::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void HandleWMInteraction(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ChangedResolution(int oldW, int oldH, int newW, int newH) override;

    // The card table's events: a found pair, the count, the won game, a new set.
    void PairFound(int pair) override;
    int FoundPairs() override;
    void GameWon() override;
    void SetLoading() override;
    // While thumbnails are made: the set's name, a bar and "n / total", with a live pointer.
    void ThumbnailProgress(const char* set, int done, int total, const char* picture) override;

    // Draws the cards, their pictures and names, and the hover and held frames.
    void ZOBRAZ_STOL(IDirectDrawSurface* surface);
    // Loads the card set of a row of the folder list, scatters it and logs each card's place.
    void LoadSet(const char* path);
    // Scatters the cards and logs where each lies ("karta" with its index, x and y).
    void Scatter();
    // Reads the card-set folders again into the sets list, in Slovak order.
    void ReadSetsList();
    // Logs where each card lies ("karta" with its index, x and y).
    void LogCards();

  private:
    void OnPointerMove(int px, int py);
    void OnLeftDown();
    void OnLeftUp();
    bool OnTapWhileHolding();
    // Keys (kartola_keys.cpp): true when the game took the key, which then means nothing else.
    bool OnKey(int key);
    bool OnMenuKey(int key);
    bool OnTableKey(int key);
    bool OnFontKey(int key, bool shift, bool ctrl);
    // The menu by keys: opened under the menu button, walked entry by entry, chosen with Enter.
    void OpenMenuByKey();
    void CloseMenus();
    // True while one of the game's menus is open.
    bool MenuOpen() const;
    // The main menu and the lists it opens.
    std::array<tk_CDUI*, 4> MenuLists();
    void WalkMenu(tk_CDUI* list, int entry);
    void ChooseWalkedEntry();
    // Enter on the table: take the focused card, pair the held one with it, or put it down.
    void ActOnFocus();
    // Escape with a card held: it goes back where it was taken and is held no more.
    void PutBackHeldCard();
    // One step of one-switch scanning: the focus to the next card, or the next menu entry.
    void ScanStep();
    // The switch of scanning (Space, Enter or a click): the walked menu entry is chosen, else the
    // focused card acted on.
    void OnSwitch();
    // What a choice in each list does, by pointer or by key.
    void MenuChosen(int value);
    void SetChosen(int value);
    void SoundChosen(int value);
    void ScanChosen(int value);
    // The card sound and scanning switches' entries mark the state in force.
    void ShowSoundState();
    void ShowScanState();
    // The name font (face, width, height) and the scanning step from the game's memory, and back
    // into it when the window goes (kartola_recall.cpp).
    void RecallSettings();
    void RememberSettings();
    // The focus ring, in the hover pen, when the keyboard or scanning moved it.
    void DrawFocus(IDirectDrawSurface* surface);
    void FindSets();
    void DrawSetsHint(IDirectDrawSurface* surface);
    void DrawLeftOutNotice(IDirectDrawSurface* surface);
    HFONT HintFont();
    void FollowPointer();
    void DrawProgress(IDirectDrawSurface* surface);
    // The congratulation's font and place: centred, as large as fits the screen's width.
    void PlaceCongratulation();
    // As many lines of the found list as fit the screen's height, six at most.
    void FitFoundList();
    // The bottom edge of the strip along the top of the screen that the buttons take.
    int TopStripBottom();
    // True when the pointer lies on one of the framework's elements (a button, a dialog), which
    // then takes the press instead of the card below it.
    bool OverFrameworkElement(int px, int py);

    // Opens the main menu with the sets list read afresh, so that a folder added meanwhile is there.
    void OpenMenu();

    // What the game remembers between runs: the set played last ("set", its folder's name).
    GameMemory memory_;
    // The pointer's place from the last move or right-button press.
    int px_ = 100;
    int py_ = 100;
    HFONT congratulation_font_ = nullptr;
    // Every pair is found: the congratulation shows whenever no menu is open.
    bool won_ = false;
    // The folder of the set on the table, dealt again by "Zamiešaj" after a won game.
    std::string current_set_;
    HFONT hint_font_ = nullptr;
    // The thumbnail pass shown on the screen: the set's folder name and how far it is; the
    // name is empty while no pass is shown.
    std::string progress_set_;
    int progress_done_ = 0;
    int progress_total_ = 0;
    // The list menu walked by keys and the index of its walked entry; null while no menu is.
    tk_CDUI* walked_list_ = nullptr;
    int walked_entry_ = -1;
    // The pointer messages being handled come from a finger; where it landed; a card taken by a
    // tap, held until the next tap.
    bool touch_ = false;
    int down_x_ = 0;
    int down_y_ = 0;
    bool tap_held_ = false;
    // Where the held card lay when it was taken, for Escape.
    int held_from_x_ = 0;
    int held_from_y_ = 0;
    // Scanning was switched in the menu: the memory keeps it (a --scan of one run is not kept).
    bool scan_switched_ = false;
    // The step scanning takes when the menu switches it on: the last one in force.
    int scan_step_ = kScanStepMs;

  public:
    // One-switch scanning: the focus steps on its own every scan_ms milliseconds (0: off) and
    // Space, Enter or a left click acts as Enter. Set before Execute; the memory's "scan" key
    // turns it on when this is left at -1.
    int scan_ms = -1;
};

// Pens of the frames around the card under the pointer (green) and the held card (red).
extern HPEN g_penHover;
extern HPEN g_penHeld;
// The menu follows the pointer while the right button is down.
extern bool g_bMenuFollows;
