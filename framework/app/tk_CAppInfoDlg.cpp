#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_CAppInfoDlg.h"

#include "framework/app/tk_CAppScreen.h"
#include "framework/support/tk_Assert.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "framework/widgets/tk_CTlac.h"
#include "framework/widgets/tk_DSGN.h"

namespace {

void placeIcon(tk_CPolIcon* icon, int rx, int ry, tk_CIcon* src) {
    if (src) {
        icon->Dsgn_PolIcon_Copy(rx, ry, src);
    } else {
        icon->MoveToRel(rx, ry);
    }
}

}  // namespace

tk_CAppInfoDlg::tk_CAppInfoDlg(tk_CPolCHLO* parent_, int id) : tk_CDDialog(parent_, id) {
    caption_ = new tk_CLabel(this, 4, 0, "Info");
    logo_ = new tk_CPolIcon(this, 1201);
    icon_app = new tk_CPolIcon(this, 1202);
    running_ = new tk_CLabel(this, 1203, "beží tessalin softvér");
    label_title = new tk_CLabel(this, 1204, "");
    label_version = new tk_CLabel(this, 1205, "");
    programmed_ = new tk_CLabel(this, 1206, "Programoval:");
    label_author = new tk_CLabel(this, 1207, "");
    built_on_ = new tk_CLabel(this, 1208, "Tento program je postavený na kniżnici");
    library_ = new tk_CLabel(this, 1209, "'tessalin 2D Framework' (2D engine)");
    ok_ = new tk_CTlac(this, 1210);
    ok_label_ = new tk_CLabel(this, 1211, "OK");
    ok_icon_ = new tk_CPolIcon(this, 1212);
}

int tk_CAppInfoDlg::SetupVisual() {
    auto* app = dynamic_cast<tk_CAppScreen*>(parent);
    if (!app) TK_FAIL("tk_CAppInfoDlg::SetupVisual(); app == NULL");
    caption_->Dsgn(4, 0, "Info");
    placeIcon(logo_, 76, 22, tk_DSGN.ico_logo);
    placeIcon(icon_app, 110, 118, app->m_AppIcon ? app->m_AppIcon : tk_DSGN.ico_void);
    running_->Dsgn(89, 86);
    label_title->Dsgn(152, 118, app->m_AppName ? app->m_AppName : "<void Title>");
    label_version->Dsgn(152, 135, app->m_AppVersion ? app->m_AppVersion : "(<void Version>)");
    programmed_->Dsgn(47, 166);
    label_author->Dsgn(166, 166, app->m_AppAuthor ? app->m_AppAuthor : "<void Name>");
    built_on_->Dsgn(13, 186);
    library_->Dsgn(21, 209);
    ok_->Dsgn0_VoidDC(111, 248, 139, 27);
    ok_label_->Dsgn(165, 253);
    placeIcon(ok_icon_, 140, 253, tk_DSGN.ico_ok);
    visible = false;
    return 0;
}

bool tk_CAppInfoDlg::HandleFWInteraction(int id, int, tk_CPol*) {
    if (id == 1210) visible = false;
    return false;
}
