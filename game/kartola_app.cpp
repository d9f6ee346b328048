// The game's application screen: construction, the set-up of its objects in Init and
// SetupVisual, its sheets across display changes, the menu button, and the card table's events.
#define TK_MODULE "Kartola"
#include "game/kartola_app.h"

#include <algorithm>
#include <cstdlib>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/lists/tk_UTL_RowPaths.h"
#include "framework/sound/tk_DSO.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_FSI_Kinds.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_card_faces.h"
#include "game/kartola_collate.h"
#include "game/kartola_focus.h"
#include "game/kartola_fonts.h"
#include "game/kartola_list_image.h"
#include "game/kartola_rules.h"
#include "game/kartola_sets.h"
#include "game/kartola_table.h"
#include "game/kartola_table_clear.h"

HPEN g_penHover = nullptr;
HPEN g_penHeld = nullptr;
bool g_bMenuFollows = false;

namespace {

// Lines of the found list where the screen is high enough.
constexpr int kFoundRows = 6;

// The congratulation's text.
constexpr const char* kSuper = "Super! Gratulujeme!";

// The game sheet's phase points: the two hands, the menu button.
constexpr int kHandUpX = 5, kHandDownX = 25, kHandY = 10;
constexpr int kMenuButtonX = 80, kMenuButtonY = 10;

void deletePen(HPEN* pen) {
    if (*pen) DeleteObject(*pen);
    *pen = nullptr;
}

}  // namespace

CKartolaApp::CKartolaApp(HINSTANCE instance, int cmdShow, const char* settingsFile)
    : tk_CAppScreen(instance, cmdShow, settingsFile),
      m_lblSuper(new tk_CLabel(this, kIdCongratulation, kSuper)),
      m_btnMenu(new tk_CTlac(this, kIdMenuButton)),
      game_sheet("rezia"),
      banner_sheet("sprite_plane"),
      pointer_sprite("pointer", 100, 100),
      banner_sprite("banner", 20, 30),
      dui_Main("dui_Main"),
      utl_duir_DATA("utl_duir_DATA"),
      dui_Zvuk("dui_Zvuk"),
      dui_Sken("dui_Sken"),
      duir_FINAL("duir_FINAL") {
    m_lblSuper->visible = false;
}

CKartolaApp::~CKartolaApp() {
    for (tk_CDSO_Zvuk* s : {&snd_naraz, &snd_koniec, &snd_tada, &snd_cvak}) s->ODSTRAN();
    deletePen(&g_penHover);
    deletePen(&g_penHeld);
    // The found list refers to the pictures of the registers: it empties before they go.
    duir_FINAL.VYMAZ();
    CardFaces().Release();
    FoundListImage().Release();
    UVOLNI_REGISTRE();
    UVOLNI_FONTY();
    if (congratulation_font_) DeleteObject(congratulation_font_);
    if (hint_font_) DeleteObject(hint_font_);
}

// ---- Init -------------------------------------------------------------------------------------

void CKartolaApp::Init() {
    tk_LOG_on = 1;
    tk_DSO_on = true;
    g_iHoverCard = -1;
    g_iHeldCard = -1;
    g_bCardSounds = true;
    g_bMenuFollows = false;
    g_iFocusCard = -1;
    Do_LOAD_SRF();

    pointer_sprite.surface = &game_sheet;
    pointer_sprite.EVIDUJ(kHandUpX, kHandY);
    pointer_sprite.EVIDUJ(kHandDownX, kHandY);
    pointer_sprite.CHOD_NA(100, 100);
    banner_sprite.surface = &banner_sheet;
    banner_sprite.EVIDUJ_CS();
    banner_sprite.CHOD_NA(20, 30);

    dui_Main.PRIDAJ(kMenuSets, "DÁTA - karty...");
    dui_Main.PRIDAJ(kMenuScatter, "Zamiešaj");
    dui_Main.PRIDAJ(kMenuSounds, "Ozvučenie kariet...");
    dui_Main.PRIDAJ(kMenuScan, "Skenovanie kariet...");
    dui_Main.PRIDAJ(kMenuQuit, "Koniec");
    dui_Main.visible = false;
    // The menus grow to their longest entry rather than cut it.
    dui_Main.text_fit = utl_duir_DATA.text_fit = dui_Zvuk.text_fit = 1;

    ReadSetsList();
    utl_duir_DATA.visible = false;

    dui_Zvuk.VYMAZ();
    dui_Zvuk.PRIDAJ(kSoundsOff, "Vypnúť");
    dui_Zvuk.PRIDAJ(kSoundsOn, "Zapnúť");
    dui_Zvuk.visible = false;
    // One-switch scanning, off or on, as the sound switch.
    dui_Sken.VYMAZ();
    dui_Sken.PRIDAJ(kSoundsOff, "Vypnúť");
    dui_Sken.PRIDAJ(kSoundsOn, "Zapnúť");
    dui_Sken.visible = false;

    dui_Main.Eviduj_Master_Detail_popup(kMenuSets, &utl_duir_DATA);
    dui_Main.Eviduj_Master_Detail_popup(kMenuSounds, &dui_Zvuk);
    dui_Main.Eviduj_Master_Detail_popup(kMenuScan, &dui_Sken);

    duir_FINAL.CHOD_NA(1, 1);
    duir_FINAL.visible = true;
    duir_FINAL.je_popup = false;
    duir_FINAL.Nastav_Konstanty(CARD_H + 18, CARD_H + 18 + 8, CARD_W, 10);
    duir_FINAL.SetIconMode("LT");
    duir_FINAL.icon_okraj = 1;
    duir_FINAL.SetTextMode("CB");
    duir_FINAL.text_okraj = 1;
    duir_FINAL.riadkov = kFoundRows;
    duir_FINAL.whole_rows = true;
    // A long name is narrowed to its row, which is as wide as a card.
    duir_FINAL.text_fit = 2;
    duir_FINAL.VYMAZ();
    duir_FINAL.ramik_volieb = 1;
    duir_FINAL.na_koniec = true;

    deletePen(&g_penHover);
    deletePen(&g_penHeld);
    g_penHover = CreatePen(PS_SOLID, 3, RGB(0, 255, 0));
    g_penHeld = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));

    snd_naraz.NAHRAJ("zvuknaraz.wav");
    snd_koniec.NAHRAJ("zvukkoniec.wav");
    snd_tada.NAHRAJ("zvuktada.wav");
    snd_cvak.NAHRAJ("zvukcvak.wav");

    if (utl_duir_DATA.CountR() < 1) {
        TK_LOG_ERR("Nenajdena volba");
        FindSets();
    } else {
        // The set played last time when it is still there, else the last in order.
        memory_.Load();
        const std::string remembered = memory_.Get(kMemorySet);
        tk_TVOLBAR* start = utl_duir_DATA.VratVolbu__indexovo(utl_duir_DATA.CountR() - 1);
        for (int i = 0; i < utl_duir_DATA.CountR(); ++i) {
            tk_TVOLBAR* row = utl_duir_DATA.VratVolbu__indexovo(i);
            // Rows show the set's name; the memory keeps its folder's.
            const char* path = row ? static_cast<const char*>(row->data) : nullptr;
            if (path && !remembered.empty() && remembered == FolderName(path)) start = row;
        }
        if (start && start->data) LoadSet(static_cast<const char*>(start->data));
    }

    ZISTI_FONTY();
    g_iTextFont = NAJDI_FONT("Verdana");
    RecallSettings();
    NASTAV_FONTY();
    ShowSoundState();
    ShowScanState();
}

// The hint shown on an empty table: where the sets are looked for and what a set is.
void CKartolaApp::FindSets() {
    char* full = realpath(kSetsFolder, nullptr);
    const std::string where = full ? full : kSetsFolder;
    std::free(full);
    sets_hint = "Nenašli sa žiadne karty.\nSady kariet hľadám v priečinku\n" + where +
                "\nSada kariet je priečinok s menom „DATA…“,\nnapríklad DATA_zvieratá, s obrázkami (" +
                tk_FSI_PictureKindsText() + ").\nKu každému obrázku môže patriť zvuk (" +
                tk_FSI_SoundKindsText() + ") s rovnakým menom.";
    HintFont();
}

// The bold font of the empty table's hint and of the progress screen, made on first use.
HFONT CKartolaApp::HintFont() {
    if (!hint_font_) {
        hint_font_ = CreateFontA(22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0,
                                 VARIABLE_PITCH | FF_SWISS, "Verdana");
    }
    return hint_font_;
}

// ---- Layout and surfaces ------------------------------------------------------------------------

int CKartolaApp::SetupVisual() {
    tk_CAppScreen::SetupVisual();
    m_lblSuper->SetText(kSuper);
    m_lblSuper->colour = 0xFFFFFF;
    m_lblSuper->visible = false;
    won_ = false;
    PlaceCongratulation();
    FitFoundList();
    m_btnMenu->Dsgn2_UserA(m_ScrCX - 70, 0, &game_sheet, kMenuButtonX, kMenuButtonY, kMenuButtonX,
                           kMenuButtonY, kMenuButtonX, kMenuButtonY);
    // The set was dealt before the buttons had their places.
    SetTableTop(TopStripBottom());
    if (ClearTableTop() > 0) LogCards();
    return 0;
}

void CKartolaApp::PlaceCongratulation() {
    constexpr int kHeight = 150, kWidth = 65;
    // Kept free at each side, so that the letters' overhang stays on the screen.
    const int room = m_ScrW - 2 * std::max(8, m_ScrW / 40);
    // Narrowed like a long name as far as 60 % of the width, smaller beyond that.
    constexpr double kNarrowest = 0.6;
    HFONT font = CreateCongratulationFont(kHeight, kWidth);
    int tw = 0, th = 0;
    tk_glob_ZISTI_ROZMER_TEXTU(kSuper, font, &tw, &th);
    if (tw > room && tw > 0) {
        const double f = static_cast<double>(room) / tw;
        int width = std::max(1, static_cast<int>(kWidth * f));
        const int height =
            f >= kNarrowest ? kHeight : std::max(8, static_cast<int>(kHeight * f / kNarrowest));
        for (;; --width) {
            DeleteObject(font);
            font = CreateCongratulationFont(height, width);
            tk_glob_ZISTI_ROZMER_TEXTU(kSuper, font, &tw, &th);
            if (tw <= room || width <= 1) break;
        }
    }
    if (congratulation_font_) DeleteObject(congratulation_font_);
    congratulation_font_ = font;
    m_lblSuper->font = congratulation_font_;
    m_lblSuper->Dsgn((m_ScrW - tw) / 2, (m_ScrH - th) / 2);
}

int CKartolaApp::TopStripBottom() {
    int bottom = 0;
    for (int i = 0; i < children.count; ++i) {
        tk_CPol* child = GetCHLWithIndex(i);
        if (!dynamic_cast<tk_CTlac*>(child)) continue;
        int w = 0, h = 0;
        child->GetSize(&w, &h);
        bottom = std::max(bottom, child->y + h);
    }
    return bottom;
}

bool CKartolaApp::OverFrameworkElement(int px, int py) {
    for (int i = 0; i < children.count; ++i) {
        tk_CPol* child = GetCHLWithIndex(i);
        if (child && child != m_lblSuper && child->VratZasah(px, py)) return true;
    }
    return false;
}

void CKartolaApp::Do_LOAD_SRF() {
    TheTableClear().Forget();
    game_sheet.NAHRAJ_SURFACE("rezia.bmp");
    game_sheet.BC_NASTAV(0, 0);
    game_sheet.TC_NASTAV(3, 3);
    banner_sheet.NAHRAJ_SURFACE("sprite_plane.bmp");
    banner_sheet.TC_NASTAV(2, 2);
}

void CKartolaApp::Do_RELEASE_SRF() {
    CardFaces().Release();
    FoundListImage().Release();
    game_sheet.RELEASE_SURFACE();
    banner_sheet.RELEASE_SURFACE();
}

void CKartolaApp::Do_RESTORE_SRF() {
    CardFaces().Release();
    FoundListImage().Release();
    TheTableClear().Forget();
    game_sheet.RESTORE_SURFACE();
    banner_sheet.RESTORE_SURFACE();
}

bool CKartolaApp::HandleFWInteraction(int id, int value, tk_CPol* sender) {
    const bool result = tk_CAppScreen::HandleFWInteraction(id, value, sender);
    if (id == kIdMenuButton) {
        OpenMenu();
        dui_Main.CHOD_NA(m_ScrCX - 64, 28);
        snd_naraz.SPUSTI();
    }
    return result;
}

void CKartolaApp::ChangedResolution(int oldW, int oldH, int newW, int newH) {
    tk_CAppScreen::ChangedResolution(oldW, oldH, newW, newH);
    CardFaces().Release();
    FoundListImage().Release();
    TheTableClear().Forget();
    for (int i = 0; i < REG_OBR.count; ++i) {
        tk_CIcon* picture = PictureOf(i);
        if (picture && picture->surface) picture->surface->RENAHRAJ_SURFACE();
    }
    m_btnMenu->MoveToRel(m_ScrCX - 70, 0);
    SetTableTop(TopStripBottom());
    KeepCardsOnScreen(oldW, oldH, newW, newH);
    if (ClearTableTop() > 0) LogCards();
    PlaceCongratulation();
    FitFoundList();
}

void CKartolaApp::FitFoundList() {
    // The list's height for n lines: n row steps and its margins, less the gap after the last row.
    const int margins = duir_FINAL.y + 2 * duir_FINAL.d - (duir_FINAL.b - duir_FINAL.a);
    const int fit = duir_FINAL.b > 0 ? (m_ScrH - margins) / duir_FINAL.b : kFoundRows;
    duir_FINAL.riadkov = std::clamp(fit, 3, kFoundRows);
    duir_FINAL.RESET_GEOMETRIER();
}

// ---- Card sets ----------------------------------------------------------------------------------

void CKartolaApp::LoadSet(const char* path) {
    TK_LOG("Nacitavam DATA:", path);
    current_set_ = path;
    NAHRAJ_DATA(path, this, &left_out_);
    Scatter();
    // Remembered by the folder's name.
    const std::string folder = FolderName(path);
    if (!folder.empty() && memory_.Get(kMemorySet) != folder && memory_.Set(kMemorySet, folder))
        memory_.Save();
}

void CKartolaApp::ReadSetsList() {
    // The rows' paths are freed before the rows go; a fresh list's placeholder rows go too.
    tk_UTL_FreeRowPaths(utl_duir_DATA);
    utl_duir_DATA.VYMAZ();
    tk_CARRE folders;
    if (tk_FSI_Zisti_SubAdr(kSetsFolder, kSetsMask, 1, false, &folders) != 0) {
        TK_LOG("Doslo k chybe pri nacitani adresarov", "X");
        return;
    }
    std::vector<std::string> names;
    for (int i = 0; i < folders.count; ++i) names.emplace_back(static_cast<const char*>(folders.items[i]));
    folders.UVOLNI_char();
    SortSlovak(&names);
    for (std::size_t i = 0; i < names.size(); ++i)
        utl_duir_DATA.PRIDAJ_DIR(100 + static_cast<int>(i), SetDisplayName(names[i]).c_str(),
                                 (kSetsFolder + names[i]).c_str());
}

void CKartolaApp::OpenMenu() {
    ReadSetsList();
    dui_Main.visible = true;
}

void CKartolaApp::Scatter() {
    ZAMIESAJ();
    LogCards();
}

void CKartolaApp::LogCards() {
    for (int i = 0; i < REG_KARTY.count; ++i) {
        if (const CKarta* card = CardAt(i)) TK_LOG("karta", i, card->x, card->y);
    }
}

// ---- The card table's events --------------------------------------------------------------------

// Rows carry pair + 1: a list reports only values of 1 and above, and the first pair's row must
// play its sound like every other.
void CKartolaApp::PairFound(int pair) {
    snd_naraz.SPUSTI();
    const TKartaText* found = NameOf(pair);
    duir_FINAL.PRIDAJR(pair + 1, found ? found->text : "", PictureOf(pair), false);
}

int CKartolaApp::FoundPairs() {
    return duir_FINAL.CountR();
}

void CKartolaApp::GameWon() {
    TK_LOG("Vsetky pary najdene", FoundPairs());
    won_ = true;
    m_lblSuper->visible = !MenuOpen();
    snd_tada.SPUSTI();
}

void CKartolaApp::SetLoading() {
    TheTableClear().Forget();
    g_iFocusCard = -1;
    duir_FINAL.VYMAZ();
    won_ = false;
    m_lblSuper->visible = false;
}
