#define TK_MODULE "TK_UTL_w"
#include "framework/lists/tk_UTL_CDLG_EDIT.h"

#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "framework/widgets/tk_CTlac.h"
#include "framework/widgets/tk_DSGN.h"

namespace {

constexpr int kWidth = 292;
constexpr int kHeight = 157;
// The OK and cancel buttons have no pictures: plain boxes of this size.
constexpr int kButtonW = 95;
constexpr int kButtonH = 27;

struct Place {
    int x;
    int y;
};
constexpr Place kTitle{4, 0};
constexpr Place kPrompt{69, 38};
constexpr Place kOkWord{88, 114};
constexpr Place kCancelWord{190, 114};
constexpr Place kHelpPicture{10, 24};
constexpr Place kOkPicture{62, 114};
constexpr Place kCancelPicture{165, 114};

tk_CTlac* plainButton(tk_CPolCHLO* parent, int x, int y, int id) {
    auto* b = new tk_CTlac(parent, x, y, id);
    b->void_SIR = kButtonW;
    b->void_VYS = kButtonH;
    return b;
}

tk_CLabel* label(tk_CPolCHLO* parent, Place p, const char* text, int id) {
    auto* l = new tk_CLabel(parent, p.x, p.y, text);
    l->ID = id;
    return l;
}

tk_CPolIcon* picture(tk_CPolCHLO* parent, Place p) {
    return new tk_CPolIcon(parent, p.x, p.y, static_cast<tk_CIcon*>(nullptr));
}

}  // namespace

tk_UTL_CDLG_EDIT::tk_UTL_CDLG_EDIT(tk_CPolCHLO* parent_, const char* title_, const char* prompt_)
    : tk_CDDialog(parent_, -1) {
    TK_LOG("tk_UTL_CDLG_EDIT::tk_UTL_CDLG_EDIT(...)");
    tk_StrCopy(title, title_);
    tk_StrCopy(prompt, prompt_);
    sir = kWidth;
    vys = kHeight;
    MoveToAbs(tk_ScreenCX - sir / 2, tk_ScreenCY - vys / 2);
    // The buttons come first, so that the pictures and words drawn after them lie over them.
    btn_ok = plainButton(this, 50, 108, kOk);
    btn_cancel = plainButton(this, 155, 108, kCancel);
    btn_close = new tk_CTlac(this, 276, 0, kClose);
    edb = new tk_CDEDB(this, 51, 69);
    edb->max_len = 20;
    pic_help = picture(this, kHelpPicture);
    pic_ok = picture(this, kOkPicture);
    pic_cancel = picture(this, kCancelPicture);
    lbl_title = label(this, kTitle, title, -1);
    lbl_prompt = label(this, kPrompt, prompt, -1);
    label(this, kOkWord, "OK", kOkLabel);
    label(this, kCancelWord, "Zrušiť", kCancelLabel);
}

// The children go with the container.
tk_UTL_CDLG_EDIT::~tk_UTL_CDLG_EDIT() = default;

int tk_UTL_CDLG_EDIT::SetupVisual() {
    TK_LOG("tk_UTL_CDLG_EDIT::SetupVisual()");
    if (!tk_DSGN_ready) TK_FAIL("tk_UTL_CDLG_EDIT::SetupVisual - !tk_DSGN_INIT_flag");
    btn_close->EVID_PREBER(tk_DSGN._T_x_);
    pic_help->Dsgn_PolIcon_Copy(kHelpPicture.x, kHelpPicture.y, tk_DSGN.ico_help);
    pic_ok->Dsgn_PolIcon_Copy(kOkPicture.x, kOkPicture.y, tk_DSGN.ico_ok);
    pic_cancel->Dsgn_PolIcon_Copy(kCancelPicture.x, kCancelPicture.y, tk_DSGN.ico_cancel);
    lbl_title->Dsgn(kTitle.x, kTitle.y);
    lbl_prompt->Dsgn(kPrompt.x, kPrompt.y);
    if (auto* ok = dynamic_cast<tk_CLabel*>(FindCHLWithID(kOkLabel))) ok->Dsgn(kOkWord.x, kOkWord.y);
    if (auto* cancel = dynamic_cast<tk_CLabel*>(FindCHLWithID(kCancelLabel)))
        cancel->Dsgn(kCancelWord.x, kCancelWord.y);
    edb->Dsgn(51, 69, 200, 21);
    edb->Rodic_reset();
    return 0;
}

bool tk_UTL_CDLG_EDIT::HandleFWInteraction(int id, int value, tk_CPol* sender) {
    if (id == kCancel || id == kClose) visible = false;
    return parent ? parent->HandleFWInteraction(id, value, sender) : false;
}

char* tk_UTL_CDLG_EDIT::Get_Text() {
    return edb->Get_Text();
}
