#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_CAppCasovacDlg.h"

#include <algorithm>

#include "framework/graphics/tk_Display.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CTlac.h"

namespace {
constexpr int kTimerId = 1;
constexpr int kBoxLetters = 4;
}  // namespace

tk_CAppCasovacDlg::tk_CAppCasovacDlg(tk_CPolCHLO* parent_, int id) : tk_CDDialog(parent_, id) {
    level = 2;
    period = 16;
    caption_ = new tk_CLabel(this, 4, 0, "Časovač prekreslenia");
    period_box = new tk_CDEDB(this, 77, 31);
    period_box->max_len = kBoxLetters;
    slower_ = new tk_CTlac(this, 1231);
    faster_ = new tk_CTlac(this, 1232);
    ok_ = new tk_CTlac(this, 1233);
    slower_label_ = new tk_CLabel(this, 1234, "<");
    faster_label_ = new tk_CLabel(this, 1235, ">");
    ok_label_ = new tk_CLabel(this, 1236, "OK");
}

int tk_CAppCasovacDlg::SetupVisual() {
    caption_->Dsgn(4, 0);
    period_box->Dsgn(77, 31, 57, 22);
    slower_->Dsgn0_VoidDC(37, 31, 30, 27);
    faster_->Dsgn0_VoidDC(147, 31, 30, 27);
    ok_->Dsgn0_VoidDC(38, 68, 139, 27);
    slower_label_->Dsgn(45, 36);
    faster_label_->Dsgn(155, 36);
    ok_label_->Dsgn(92, 73);
    period_box->Set_Number(period);
    RestartTimer();
    visible = false;
    return 0;
}

void tk_CAppCasovacDlg::RestartTimer() {
    // Before the window exists there is no timer to restart.
    if (!tk_hWnd) return;
    KillTimer(tk_hWnd, kTimerId);
    SetTimer(tk_hWnd, kTimerId, static_cast<UINT>(period), nullptr);
}

void tk_CAppCasovacDlg::SetLevel(int n) {
    level = std::clamp(n, 1, 10);
    period = 4 * level * level;
    period_box->Set_Number(period);
    RestartTimer();
}

bool tk_CAppCasovacDlg::HandleFWInteraction(int id, int value, tk_CPol* sender) {
    if (id == 1231) {
        SetLevel(level - 1);
    } else if (id == 1232) {
        SetLevel(level + 1);
    } else if (id == 1233) {
        visible = false;
    }
    return tk_CPolCHLO::HandleFWInteraction(id, value, sender);
}
