#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_CAppRozlisenieDlg.h"

#include <cstdio>

#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CTlac.h"

namespace {
// The boxes show sizes of up to four digits.
constexpr int kBoxLetters = 4;
}  // namespace

tk_CAppRozlisenieDlg::tk_CAppRozlisenieDlg(tk_CPolCHLO* parent_, int id) : tk_CDDialog(parent_, id) {
    chosen_w = 0;
    chosen_h = 0;
    caption_ = new tk_CLabel(this, 4, 0, "Rozlíšenie obrazovky");
    width_box = new tk_CDEDB(this, 26, 31);
    width_box->max_len = kBoxLetters;
    height_box = new tk_CDEDB(this, 114, 31);
    height_box->max_len = kBoxLetters;
    ok_ = new tk_CTlac(this, 1222);
    cancel_ = new tk_CTlac(this, 1223);
    ok_label_ = new tk_CLabel(this, 1224, "OK");
    cancel_label_ = new tk_CLabel(this, 1225, "Zrušiť");
    m_duir_Rozlisenia = new tk_CDUIR(this, 1221);
}

int tk_CAppRozlisenieDlg::SetupVisual() {
    caption_->Dsgn(4, 0);
    width_box->Dsgn(26, 31, 57, 22);
    height_box->Dsgn(114, 31, 57, 22);
    tk_CDUIR* list = m_duir_Rozlisenia;
    list->riadkov = 6;
    list->Nastav_Konstanty(22, 26, 164, list->d);
    list->je_popup = false;
    list->Dsgn(27, 66);
    ok_->Dsgn0_VoidDC(230, 67, 95, 27);
    cancel_->Dsgn0_VoidDC(230, 100, 95, 27);
    ok_label_->Dsgn(257, 72);
    cancel_label_->Dsgn(247, 105);
    visible = false;
    return 0;
}

void tk_CAppRozlisenieDlg::TakeRowText(const char* text) {
    if (!text) return;
    int w = 0, h = 0;
    char scratch[16];
    const int n = std::sscanf(text, "%i %15s %i", &w, scratch, &h);
    if (n >= 1) chosen_w = w;
    if (n >= 3) chosen_h = h;
}

void tk_CAppRozlisenieDlg::ShowChosenSize() {
    width_box->Set_Number(chosen_w);
    height_box->Set_Number(chosen_h);
}

bool tk_CAppRozlisenieDlg::HandleFWInteraction(int id, int value, tk_CPol* sender) {
    if (id == 1221) {
        if (tk_TVOLBAR* row = m_duir_Rozlisenia->VratVolbu__hodnotovo(value)) TakeRowText(row->text);
        ShowChosenSize();
    } else if (id == 1223) {
        visible = false;
    }
    return tk_CPolCHLO::HandleFWInteraction(id, value, sender);
}
