// tk_UTL_CDLG_EDIT: a small dialog that asks for one line of text: a heading, a question, an edit
// box, OK and cancel buttons and a close button. Cancel and close hide it; OK is left to the
// owner, which reads Get_Text and hides it. The owner hears every button.
#pragma once

#include "framework/widgets/tk_CDDialog.h"

class tk_CDEDB;
class tk_CLabel;
class tk_CPolIcon;
class tk_CTlac;

class tk_UTL_CDLG_EDIT : public tk_CDDialog {
  public:
    // The ids of the buttons, as the owner hears them, and of the two button words.
    static constexpr int kOk = -10101;
    static constexpr int kCancel = -10102;
    static constexpr int kClose = -10103;
    static constexpr int kOkLabel = -10104;
    static constexpr int kCancelLabel = -10105;

    char title[100];
    char prompt[100];
    tk_CLabel* lbl_title;
    tk_CLabel* lbl_prompt;
    // The question mark, check and cross pictures.
    tk_CPolIcon* pic_help;
    tk_CPolIcon* pic_ok;
    tk_CPolIcon* pic_cancel;
    tk_CDEDB* edb;
    tk_CTlac* btn_ok;
    tk_CTlac* btn_cancel;
    tk_CTlac* btn_close;

    // Built with ID -1 in parent (the texts are copied, cut to fit), centred on the screen.
    tk_UTL_CDLG_EDIT(tk_CPolCHLO* parent, const char* title, const char* prompt);
    ~tk_UTL_CDLG_EDIT() override;

    // Places the children and gives them the skin's pictures; the skin must be built.
    int SetupVisual() override;
    // Cancel and close hide the dialog; every event then goes on to the parent.
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;
    // The edit box's text.
    char* Get_Text();
};
