// tk_CAppInfoDlg: the framework's info box about the program and the framework: the logo, the
// program's icon, title, version and author, and an OK button that hides it.
#pragma once

#include "framework/widgets/tk_CDDialog.h"

class tk_CLabel;
class tk_CPolIcon;
class tk_CTlac;

class tk_CAppInfoDlg : public tk_CDDialog {
  public:
    // The program's icon (1202), title (1204), version (1205) and author (1207).
    tk_CPolIcon* icon_app;
    tk_CLabel* label_title;
    tk_CLabel* label_version;
    tk_CLabel* label_author;

    tk_CAppInfoDlg(tk_CPolCHLO* parent, int id);

    // Places the children with the texts and icon of the parent application and hides the
    // dialog. Without a parent application the program stops: the box belongs to one.
    int SetupVisual() override;
    // 1210 (OK) hides the dialog; nothing is passed on.
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;

  private:
    tk_CLabel* caption_;
    tk_CPolIcon* logo_;
    tk_CLabel* running_;
    tk_CLabel* programmed_;
    tk_CLabel* built_on_;
    tk_CLabel* library_;
    tk_CTlac* ok_;
    tk_CLabel* ok_label_;
    tk_CPolIcon* ok_icon_;
};
