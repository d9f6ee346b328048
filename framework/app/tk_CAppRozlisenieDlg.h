// tk_CAppRozlisenieDlg: the framework's screen-resolution chooser: a list of the display modes,
// two boxes showing the chosen width and height, OK (handled by the application, which switches
// the display) and cancel.
#pragma once

#include "framework/widgets/tk_CDDialog.h"

class tk_CDEDB;
class tk_CDUIR;
class tk_CLabel;
class tk_CTlac;

class tk_CAppRozlisenieDlg : public tk_CDDialog {
  public:
    // The size chosen from the list (or the current one when the dialog was opened).
    int chosen_w;
    int chosen_h;
    tk_CDEDB* width_box;
    tk_CDEDB* height_box;
    // One row per display mode: id i + 1, text "%d  x  %d".
    tk_CDUIR* m_duir_Rozlisenia;

    tk_CAppRozlisenieDlg(tk_CPolCHLO* parent, int id);

    // Lays out the list, buttons and labels and hides the dialog.
    int SetupVisual() override;
    // 1221 (a row chosen, value = its id) takes its size; 1223 (cancel) hides. Every event then
    // goes on to the parent.
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;

    // Shows the chosen width and height in the two boxes.
    void ShowChosenSize();

  private:
    // Scans "width x height" from a row's text; a text that does not scan leaves what it did not reach.
    void TakeRowText(const char* text);

    tk_CLabel* caption_;
    tk_CTlac* ok_;
    tk_CTlac* cancel_;
    tk_CLabel* ok_label_;
    tk_CLabel* cancel_label_;
};
